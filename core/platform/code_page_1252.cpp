// The code page of builds other than Windows: Windows-1252, from a table.
#include <algorithm>
#include <array>

#include "core/platform/code_page.h"

namespace ostrevan::platform {

namespace {

// Bytes 0x80..0x9F; the other bytes are the units of the same value. The five
// bytes the page leaves unassigned stand for the control characters of the
// same value, as Windows converts them.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char kReplacement = '?';

char16_t UnitOfByte(uint8_t byte) {
  return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : char16_t{byte};
}

char ByteOfUnit(char16_t unit) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
  auto found = std::find(kHighControls.begin(), kHighControls.end(), unit);
  if (found == kHighControls.end()) return kReplacement;
  return static_cast<char>(0x80 + (found - kHighControls.begin()));
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::u16string MultiByteToUtf16(std::string_view text) {
  std::u16string units;
  units.reserve(text.size());
  for (char c : text) units.push_back(UnitOfByte(static_cast<uint8_t>(c)));
  return units;
}

std::string Utf16ToMultiByte(std::u16string_view units) {
  std::string text;
  text.reserve(units.size());
  for (size_t i = 0; i < units.size(); ++i) {
    // A character beyond the 16-bit range is one character the page lacks.
    if (IsHighSurrogate(units[i]) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) ++i;
    text.push_back(ByteOfUnit(units[i]));
  }
  return text;
}

bool IsLeadByte(uint8_t) { return false; }

}  // namespace ostrevan::platform
