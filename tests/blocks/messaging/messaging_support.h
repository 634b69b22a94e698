// Shared helpers of the messaging block tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/plugin_fixture.h"

namespace ostrevan::testing {

constexpr int kSmsInput = 8;
constexpr int kSmsOutput = 9;
constexpr int kEmail = 10;

// `count` bytes of a record from `offset`, as hex.
inline std::string Slice(const std::vector<uint8_t>& record, size_t offset, size_t count) {
  if (offset >= record.size()) return {};
  auto begin = record.begin() + static_cast<long>(offset);
  auto end = record.begin() + static_cast<long>(std::min(record.size(), offset + count));
  return Hex(std::vector<uint8_t>(begin, end));
}

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

}  // namespace ostrevan::testing
