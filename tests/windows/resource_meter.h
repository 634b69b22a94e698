// What a process holds of the window system and of memory, and a loop that
// opens an editor window again and again and checks that the holdings come
// back to where they were: the host keeps the plug-in loaded all day.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ostrevan::windows_testing {

struct ResourceCounts {
  long gdi_objects = 0;
  long user_objects = 0;
  long heap_blocks = 0;  // allocations in use, over all heaps of the process
  long heap_bytes = 0;
};

ResourceCounts operator-(const ResourceCounts& after, const ResourceCounts& before);
std::string Describe(const ResourceCounts& counts);

// Counts now. Where GetGuiResources is not implemented (Wine), the GDI
// objects are counted in the process's GDI handle table and the USER
// objects as the process's windows; `Sources()` names what is used.
ResourceCounts MeasureResources();
std::string Sources();

// How much an endurance loop may end above its warmed-up start. A leak of
// one object or one allocation per open must exceed it.
struct Slack {
  long gdi_objects;
  long user_objects;
  long heap_blocks;
  long heap_bytes;
};

// The opens of an endurance loop, after the warm-up: few enough that every
// sheet's loop keeps the suite within minutes under Wine, enough that a
// leak of one object per open exceeds every slack below, also where the
// opens take turns between three variants (20 > 16).
constexpr int kEnduranceRounds = 60;
// The first opens fill the window system's caches (fonts, classes, the
// common controls' own objects) and the view's containers; enough to go
// through every variant of a window a couple of times.
constexpr int kEnduranceWarmUp = 6;
// One leaked object or allocation per open grows a count by
// kEnduranceRounds, or by a third of it where the opens take turns
// between three variants of a window. Allowed instead: a couple of objects
// the window system makes once at a moment of its own choosing (a caret, a
// cached brush), a handful of heap blocks for the same, and the bytes of a
// container that doubled once. Under Wine the counts come back exactly.
constexpr Slack kEnduranceSlack{2, 2, 16, 2048};
// The shortest timer: the windows are closed as soon as they are seen.
constexpr UINT kEnduranceTickMs = 10;

struct EnduranceRun {
  ResourceCounts start, warmed_up, end;
};

// Opens `warm_up` times, measures, opens `rounds` times, measures; each
// open is told its round (from 0 in both parts).
EnduranceRun Endure(const std::function<void(int round)>& open_once, int warm_up, int rounds);

// Fails the test when `run` grew beyond `slack` after the warm-up.
void ExpectBackToStart(const EnduranceRun& run, const Slack& slack, const std::string& what);

}  // namespace ostrevan::windows_testing
