// Pieces for writing expected records as hex text.
#pragma once

#include <string>
#include <vector>

#include "support/plugin_fixture.h"

namespace ostrevan::testing {

// `count` times the hex text `unit`, separated by spaces.
inline std::string Repeat(const std::string& unit, size_t count) {
  std::string text;
  for (size_t i = 0; i < count; ++i) text += (i ? " " : "") + unit;
  return text;
}

// `count` zero bytes as hex text, each followed by a space.
inline std::string Zeros(size_t count) { return count ? Repeat("00", count) + " " : ""; }

// The character codes of `text`, then zero bytes up to `width`.
inline std::string TextField(const std::string& text, size_t width) {
  return Hex(std::vector<uint8_t>(text.begin(), text.end())) + (text.empty() ? "" : " ") +
         Zeros(width - text.size());
}

// Hex of `count` bytes of `record` from `offset` (fewer at its end).
inline std::string HexAt(const std::vector<uint8_t>& record, size_t offset, size_t count) {
  if (offset >= record.size()) return {};
  auto begin = record.begin() + static_cast<long>(offset);
  return Hex(std::vector<uint8_t>(begin, begin + static_cast<long>(std::min(record.size() - offset, count))));
}

}  // namespace ostrevan::testing
