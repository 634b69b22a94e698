// Function_Edit of a block through a scripted view, on a buffer of exactly
// the announced parameter length.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "editor/editor_view.h"
#include "ostrevan/plugin.h"
#include "support/fake_view.h"
#include "support/host_side.h"

namespace ostrevan::testing {

struct EditOutcome {
  int result;
  std::string text;
};

inline EditOutcome EditThroughExport(int type, const std::string& text, FakeView& view) {
  editor::ScopedView installed(&view);
  uint32_t length = 0;
  EXPECT_GT(Function_ParamLength(type, &length), 0);
  ExactBuffer buffer(length, text);  // a write past its end faults
  int result = Function_Edit(type, buffer.text());
  EXPECT_TRUE(buffer.NothingWrittenPast()) << "written past the announced length";
  return {result, buffer.Text()};
}

// Selects the CPU model and a small area table: I (16 bytes), V (2048).
inline void SelectCpu(const char* model) {
  AreaSize areas[OSTREVAN_AREA_COUNT] = {};
  std::strcpy(areas[0].name, "I");
  areas[0].size = 16;
  std::strcpy(areas[1].name, "V");
  areas[1].size = 2048;
  Variable_Init(model, areas);
}

}  // namespace ostrevan::testing
