// Shared helpers of the messaging block tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

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

}  // namespace ostrevan::testing
