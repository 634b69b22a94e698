// Shared helpers of the messaging block tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "blocks/messaging/message_screen.h"
#include "support/hex_runs.h"

namespace ostrevan::testing {

constexpr int kSmsInput = 8;
constexpr int kSmsOutput = 9;
constexpr int kEmail = 10;

// A TEXT screen field of the parameter text: four rows of 20 characters,
// spaces written as commas.
inline std::string TextScreen(const std::vector<std::string>& rows) {
  std::string field;
  for (size_t r = 0; r < 4; ++r) {
    std::string row = r < rows.size() ? rows[r] : std::string();
    row.resize(20, ' ');
    for (char c : row) field.push_back(c == ' ' ? ',' : c);
  }
  return field;
}

// A variable slot as the parameter text writes it:
// [kind,index,marker,column,width,decimals,extra].
inline std::string SlotText(const VariableSlot& slot) {
  std::string text = "[";
  for (long value : {long{slot.kind}, long{slot.index}, long{slot.free_marker}, long{slot.column},
                     long{slot.width}, long{slot.decimals}, long{slot.extra}}) {
    text += std::to_string(value) + ",";
  }
  text.back() = ']';
  return text;
}

}  // namespace ostrevan::testing
