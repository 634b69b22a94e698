// Cutting texts at character boundaries; the same on every system, over the
// system's IsLeadByte.
#include "core/platform/code_page.h"

namespace ostrevan::platform {

namespace {

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::string_view CutMultiByte(std::string_view text, size_t max_bytes) {
  // A text that fits is never cut: every step of the walk stays within it.
  if (text.size() <= max_bytes) return text;
  size_t end = 0;
  while (end < text.size()) {
    bool pair = IsLeadByte(static_cast<uint8_t>(text[end])) && end + 1 < text.size();
    size_t next = end + (pair ? 2 : 1);
    if (next > max_bytes) break;
    end = next;
  }
  return text.substr(0, end);
}

std::u16string_view CutUtf16(std::u16string_view units, size_t max_units) {
  if (units.size() <= max_units) return units;
  size_t end = max_units;
  if (end > 0 && IsHighSurrogate(units[end - 1]) && IsLowSurrogate(units[end])) --end;
  return units.substr(0, end);
}

}  // namespace ostrevan::platform
