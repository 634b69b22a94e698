// What the tests, the fuzz targets and the benchmarks share when they play
// the host: buffers of exactly the announced sizes, a scratch directory and
// the limits file. No test framework here: the fuzz targets abort instead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ostrevan::testing {

// The text and record sizes a block type announces; 0 for a type not built.
struct Announced {
  uint32_t param = 0;
  uint32_t code = 0;
};
Announced AnnouncedSizes(int type);

// What Function_Code answered, and the bytes of the length it reported
// when it answered 1.
struct Coded {
  int result = 0;
  std::vector<uint8_t> record;
};

enum class GuardSide { kBehind, kInFront };

// A buffer of exactly `size` bytes as the host passes it, with a no-access
// page right behind it (or in front of it), so that any access past that end
// faults at once. The Windows build has a canary run behind it instead.
class ExactBuffer {
 public:
  explicit ExactBuffer(size_t size, std::string_view text = {},
                       GuardSide side = GuardSide::kBehind);
  ~ExactBuffer();
  ExactBuffer(const ExactBuffer&) = delete;
  ExactBuffer& operator=(const ExactBuffer&) = delete;

  uint8_t* bytes() { return data_; }
  char* text() { return reinterpret_cast<char*>(data_); }
  size_t size() const { return size_; }

  // Copies `text` cut to size - 1 characters, then NULs to the end.
  void SetText(std::string_view text);
  // Copies `bytes` cut to the size, then NULs to the end.
  void SetBytes(const void* bytes, size_t count);
  // Whether a NUL stands inside the buffer, and the text before it (the
  // whole buffer when there is none).
  bool Terminated() const;
  std::string Text() const;
  // False when anything was written behind the buffer.
  bool NothingWrittenPast() const;

 private:
  size_t size_;
  size_t mapped_ = 0;
  void* mapping_ = nullptr;
  uint8_t* data_ = nullptr;
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
