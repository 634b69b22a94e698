// What the tests, the fuzz targets and the benchmarks share when they play
// the host: buffers of exactly the announced sizes, a scratch directory and
// the limits file. No test framework here: the fuzz targets abort instead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ostrevan::testing {

// True when the build runs under AddressSanitizer, which then watches the
// bytes around every exact-size buffer itself.
bool UnderAddressSanitizer();

// A heap buffer of exactly `size` bytes as the host passes it. Without
// AddressSanitizer a canary run behind it stands in for the sanitizer.
class ExactBuffer {
 public:
  explicit ExactBuffer(size_t size, std::string_view text = {});

  uint8_t* bytes() { return data_.get(); }
  char* text() { return reinterpret_cast<char*>(data_.get()); }
  size_t size() const { return size_; }

  // Copies `text` cut to size - 1 characters, then NULs to the end.
  void SetText(std::string_view text);
  // Whether a NUL stands inside the buffer, and the text before it (the
  // whole buffer when there is none).
  bool Terminated() const;
  std::string Text() const;
  // False when anything was written behind the buffer.
  bool NothingWrittenPast() const;

 private:
  size_t size_;
  size_t canary_;
  std::unique_ptr<uint8_t[]> data_;  // never null, even for 0 bytes
};

// A directory under the system's temporary directory, removed afterwards.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }  // with a trailing separator
  std::string Write(const std::string& name, const std::string& contents) const;

 private:
  std::string path_;
};

using Limits = std::vector<std::pair<std::string, int>>;

// A limits file: the total and, by default, every block of the catalogue
// allowed the whole total.
std::string LimitsIni(int total, const Limits& limits = {});

}  // namespace ostrevan::testing
