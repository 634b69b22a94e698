#include "widgets/dialog_template.h"

namespace ostrevan::widgets {

std::wstring Widen(const std::string& text) {
  if (text.empty()) return {};
  int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                   nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

DialogTemplate::DialogTemplate(DWORD style, DWORD ex_style, int width_dlu, int height_dlu,
                               const std::string& caption) {
  auto put = [this](WORD word) { words_.push_back(word); };
  auto put_text = [&](const std::wstring& text) {
    for (wchar_t c : text) put(static_cast<WORD>(c));
    put(0);
  };
  style |= DS_SETFONT;
  put(LOWORD(style));
  put(HIWORD(style));
  put(LOWORD(ex_style));
  put(HIWORD(ex_style));
  put(0);  // no items
  put(0);  // x
  put(0);  // y
  put(static_cast<WORD>(width_dlu));
  put(static_cast<WORD>(height_dlu));
  put(0);  // no menu
  put(0);  // the standard dialog class
  put_text(Widen(caption));
  put(8);  // point size of the font
  put_text(L"MS Shell Dlg");
}

}  // namespace ostrevan::widgets
