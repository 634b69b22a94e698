// The code page of the Windows build: the system's ANSI code page.
#include <windows.h>

#include "core/platform/code_page.h"

namespace ostrevan::platform {

std::u16string MultiByteToUtf16(std::string_view text) {
  if (text.empty()) return {};
  int size = static_cast<int>(text.size());
  int needed = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  if (needed <= 0) return {};
  std::wstring wide(static_cast<size_t>(needed), L'\0');
  int written = MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), needed);
  if (written <= 0) return {};
  return std::u16string(wide.begin(), wide.begin() + written);
}

namespace {

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

std::string Utf16ToMultiByte(std::u16string_view units) {
  if (units.empty()) return {};
  // A character beyond 16 bits has no place in an ANSI page: it becomes one
  // replacement character, as on every build, not one per surrogate.
  std::wstring wide;
  wide.reserve(units.size());
  for (size_t i = 0; i < units.size(); ++i) {
    if (IsHighSurrogate(units[i]) && i + 1 < units.size() && IsLowSurrogate(units[i + 1])) {
      wide.push_back(L'\xFFFD');
      ++i;
    } else {
      wide.push_back(units[i]);
    }
  }
  int size = static_cast<int>(wide.size());
  // No best fit: a character the page lacks becomes '?', never a look-alike.
  const DWORD flags = WC_NO_BEST_FIT_CHARS;
  int needed = WideCharToMultiByte(CP_ACP, flags, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return {};
  std::string text(static_cast<size_t>(needed), '\0');
  int written =
      WideCharToMultiByte(CP_ACP, flags, wide.data(), size, text.data(), needed, nullptr, nullptr);
  if (written <= 0) return {};
  text.resize(static_cast<size_t>(written));
  return text;
}

bool IsLeadByte(uint8_t byte) { return IsDBCSLeadByte(byte) != 0; }

}  // namespace ostrevan::platform
