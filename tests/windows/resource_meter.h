// What a process holds of the window system and of memory, and the check
// that an endurance loop brings the holdings back to where they were.
#pragma once

#include <windows.h>

#include <string>

namespace ostrevan::windows_testing {

struct ResourceCounts {
  long gdi_objects = 0, user_objects = 0;
  long heap_blocks = 0, heap_bytes = 0;  // allocations in use, over all heaps of the process
};

ResourceCounts operator-(const ResourceCounts& after, const ResourceCounts& before);
std::string Describe(const ResourceCounts& counts);

// Counts now. Where GetGuiResources is not implemented (Wine), the GDI
// objects are counted in the process's GDI handle table and the USER
// objects as the process's windows.
ResourceCounts MeasureResources();

// The opens of an endurance loop after its warm-up (which fills the window
// system's caches and the view's containers): enough that a leak of one
// object per open exceeds the slack.
constexpr int kEnduranceRounds = 30, kEnduranceWarmUp = 6;
// How much an endurance loop may end above its warmed-up start: objects the
// window system makes at a moment of its own choosing (a caret, a cached
// brush), the bytes of a container that doubled once. Under Wine the counts
// come back exactly.
constexpr ResourceCounts kEnduranceSlack{2, 2, 16, 2048};
// The shortest timer: the windows are closed as soon as they are seen.
constexpr UINT kEnduranceTickMs = 10;

// Fails the test when the counts grew from `start` to `end` beyond `slack`.
void ExpectBackToStart(const ResourceCounts& start, const ResourceCounts& end,
                       const ResourceCounts& slack, const std::string& what);

}  // namespace ostrevan::windows_testing
