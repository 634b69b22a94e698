// What every fuzz target shares: a failed invariant aborts (so libFuzzer and
// the replay runner both report it), host buffers of exactly the announced
// sizes, and a plug-in configured once for the whole run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace ostrevan::fuzz {

// Prints `what` and aborts when `holds` is false.
void Check(bool holds, const char* what);

// True when the build runs under AddressSanitizer, which then watches the
// bytes around every exact-size buffer itself.
bool UnderAddressSanitizer();

// A heap buffer of exactly `size` bytes as the host would pass it. Without
// AddressSanitizer a canary run behind it stands in for the sanitizer.
class HostBuffer {
 public:
  explicit HostBuffer(size_t size);
  ~HostBuffer();
  HostBuffer(const HostBuffer&) = delete;
  HostBuffer& operator=(const HostBuffer&) = delete;

  uint8_t* bytes() { return data_; }
  char* text() { return reinterpret_cast<char*>(data_); }
  size_t size() const { return size_; }

  // Copies `text` cut to size - 1 characters, then a NUL.
  void SetText(std::string_view text);
  // Aborts unless a NUL stands inside the buffer; returns the text before it.
  std::string CheckedText(const char* what) const;
  // Aborts when anything was written behind the buffer.
  void CheckNothingWrittenPast(const char* what) const;

 private:
  size_t size_;
  uint8_t* data_;
};

// The sizes a block type announces; 0 for a type that is not built.
struct Announced {
  uint32_t param = 0;
  uint32_t code = 0;
};
Announced AnnouncedSizes(int type);

// Called once per process: fixes the clock, points the plug-in at a limits
// file that allows plenty of blocks of every type.
void SetUpPlugin();

// A scratch directory for the run, removed at exit.
const std::string& ScratchDirectory();

// The names of the entries of a directory (none when it does not exist).
std::set<std::string> DirectoryEntries(const std::string& path);

// The directory name the plug-in gives files it writes at the fixed clock.
std::string FixedStampDirectoryName();

}  // namespace ostrevan::fuzz
