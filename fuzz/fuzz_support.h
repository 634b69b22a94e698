// What every fuzz target shares: a failed invariant aborts (so libFuzzer and
// the replay runner both report it), the tests' exact-size host buffers, and
// a plug-in configured once for the whole run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "support/host_side.h"

namespace ostrevan::fuzz {

// Prints `what` and aborts when `holds` is false.
void Check(bool holds, const char* what);

// An exact-size host buffer whose checks abort.
class HostBuffer : public testing::ExactBuffer {
 public:
  explicit HostBuffer(size_t size) : ExactBuffer(size) {}
  void CheckNothingWrittenPast(const char* what) const { Check(NothingWrittenPast(), what); }
  std::string CheckedText(const char* what) const {
    Check(Terminated(), what);
    return Text();
  }
};

// The sizes a block type announces; 0 for a type that is not built.
struct Announced {
  uint32_t param = 0;
  uint32_t code = 0;
};
Announced AnnouncedSizes(int type);

// Called once per process: fixes the clock, has the plug-in write its files
// into the scratch directory, points it at a limits file that allows plenty
// of blocks of every type.
void SetUpPlugin();

// A scratch directory for the run, removed at exit (with a separator at
// its end).
const std::string& ScratchDirectory();

// The names of the entries of a directory (none when it does not exist).
std::set<std::string> DirectoryEntries(const std::string& path);

// The directory name the plug-in gives files it writes at the fixed clock.
std::string FixedStampDirectoryName();

}  // namespace ostrevan::fuzz
