#include "windows/resource_meter.h"

#include <winternl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace ostrevan::windows_testing {

namespace {

// One cell of the GDI handle table Wine maps into every process and names
// in the process environment block (the layout Wine gives it on both word
// sizes). A cell with a type holds a live object.
struct GdiHandleCell {
  uint64_t object;
  uint16_t process_id, count, unique;
  uint8_t type, flags;
  uint64_t user_pointer;
};
static_assert(sizeof(GdiHandleCell) == 24);

constexpr size_t kGdiTableCells = 0x10000;
// Where the process environment block keeps the table's address.
constexpr size_t kGdiTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;

bool GuiResourcesWork() {
  SetLastError(ERROR_SUCCESS);
  DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  return count != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED;
}

// A 32-bit process under Wine's WoW64 finds the table only in the 64-bit
// process environment block. Wine names the 64-bit thread block in the
// 32-bit one's GdiBatchCount field; all three live below 4 GiB.
const GdiHandleCell* Wow64GdiTable(const char* teb) {
  constexpr size_t kTeb64Field = 0xF70;  // GdiBatchCount of the 32-bit block
  constexpr size_t kPeb64Field = 0x60;   // ProcessEnvironmentBlock of the 64-bit one
  constexpr size_t kTable64Field = 0xF8;
  uint32_t teb64 = *reinterpret_cast<const uint32_t*>(teb + kTeb64Field);
  if (!teb64) return nullptr;
  uint64_t peb64 = *reinterpret_cast<const uint64_t*>(uintptr_t{teb64} + kPeb64Field);
  if (!peb64 || peb64 >> 32) return nullptr;
  uint64_t table =
      *reinterpret_cast<const uint64_t*>(static_cast<uintptr_t>(peb64) + kTable64Field);
  if (!table || table >> 32) return nullptr;
  return reinterpret_cast<const GdiHandleCell*>(static_cast<uintptr_t>(table));
}

const GdiHandleCell* GdiTable() {
  const TEB* teb = NtCurrentTeb();
  const auto* environment = reinterpret_cast<const char*>(teb->ProcessEnvironmentBlock);
  const auto* table = *reinterpret_cast<const GdiHandleCell* const*>(environment + kGdiTableOffset);
  if (table || sizeof(void*) == 8) return table;
  return Wow64GdiTable(reinterpret_cast<const char*>(teb));
}

long GdiTableObjects() {
  const GdiHandleCell* table = GdiTable();
  if (!table) return -1;
  long live = 0;
  for (size_t index = 0; index < kGdiTableCells; ++index) live += table[index].type != 0;
  return live;
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM count) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId()) {
    ++*reinterpret_cast<long*>(count);
    EnumChildWindows(window, &CountWindow, count);  // all descendants
  }
  return TRUE;
}

// Hidden, owned and message-only windows included: a tooltip or a page
// that outlives its sheet is as much a leak as a visible one.
long ProcessWindows() {
  long count = 0;
  EnumWindows(&CountTopLevel, reinterpret_cast<LPARAM>(&count));
  for (HWND window = nullptr; (window = FindWindowExA(HWND_MESSAGE, window, nullptr, nullptr));)
    CountTopLevel(window, reinterpret_cast<LPARAM>(&count));
  return count;
}

// Memory as the blocks in use in every heap of the process, the C run-time's
// among them: private bytes read 0 under Wine and the working set moves
// with paging.
void CountHeapBlocks(ResourceCounts& counts) {
  std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 8);
  heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
  for (HANDLE heap : heaps) {
    if (!HeapLock(heap)) continue;
    PROCESS_HEAP_ENTRY entry{};
    while (HeapWalk(heap, &entry)) {
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) {
        ++counts.heap_blocks;
        counts.heap_bytes += static_cast<long>(entry.cbData);
      }
    }
    HeapUnlock(heap);
  }
}

}  // namespace

ResourceCounts operator-(const ResourceCounts& after, const ResourceCounts& before) {
  return {after.gdi_objects - before.gdi_objects, after.user_objects - before.user_objects,
          after.heap_blocks - before.heap_blocks, after.heap_bytes - before.heap_bytes};
}

std::string Describe(const ResourceCounts& counts) {
  return "GDI " + std::to_string(counts.gdi_objects) + ", USER " +
         std::to_string(counts.user_objects) + ", heap " + std::to_string(counts.heap_blocks) +
         " blocks / " + std::to_string(counts.heap_bytes) + " bytes";
}

ResourceCounts MeasureResources() {
  ResourceCounts counts;
  if (GuiResourcesWork()) {
    counts.gdi_objects = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
    counts.user_objects = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
  } else {
    counts.gdi_objects = GdiTableObjects();
    counts.user_objects = ProcessWindows();
  }
  CountHeapBlocks(counts);
  return counts;
}

void ExpectBackToStart(const ResourceCounts& start, const ResourceCounts& end,
                       const ResourceCounts& slack, const std::string& what) {
  std::string levels = what + ": start " + Describe(start) + "; end " + Describe(end);
  std::printf("%s\n", levels.c_str());  // the levels, for the log of every run
  SCOPED_TRACE(levels);
  ResourceCounts grown = end - start;
  EXPECT_LE(grown.gdi_objects, slack.gdi_objects) << "GDI objects";
  EXPECT_LE(grown.user_objects, slack.user_objects) << "USER objects";
  EXPECT_LE(grown.heap_blocks, slack.heap_blocks) << "heap blocks";
  EXPECT_LE(grown.heap_bytes, slack.heap_bytes) << "heap bytes";
}

}  // namespace ostrevan::windows_testing
