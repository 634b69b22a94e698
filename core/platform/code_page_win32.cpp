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

std::string Utf16ToMultiByte(std::u16string_view units) {
  if (units.empty()) return {};
  std::wstring wide(units.begin(), units.end());
  int size = static_cast<int>(wide.size());
  int needed = WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return {};
  std::string text(static_cast<size_t>(needed), '\0');
  int written =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), size, text.data(), needed, nullptr, nullptr);
  if (written <= 0) return {};
  text.resize(static_cast<size_t>(written));
  return text;
}

bool IsLeadByte(uint8_t byte) { return IsDBCSLeadByte(byte) != 0; }

}  // namespace ostrevan::platform
