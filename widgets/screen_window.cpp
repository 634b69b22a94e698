#include "widgets/screen_window.h"

#include <windowsx.h>

#include <algorithm>
#include <string>

#include "core/platform/code_page.h"
#include "widgets/dialog_window.h"
#include "widgets/grid_window.h"
#include "widgets/win32_view.h"

namespace ostrevan::widgets {

using editor::ScreenInput;
using editor::ScreenKey;

namespace {

std::wstring Wide(const std::string& bytes) {
  const std::u16string units = platform::MultiByteToUtf16(bytes);
  return std::wstring(units.begin(), units.end());
}

constexpr COLORREF kFieldColour = RGB(255, 244, 200);
constexpr COLORREF kCaretColour = RGB(0, 90, 200);
constexpr COLORREF kGridColour = RGB(220, 220, 220);

}  // namespace

ScreenWindow::ScreenWindow(Win32View& view, editor::FormModel& form, int id, HWND window)
    : view_(view), form_(form), id_(id), hwnd_(window) {
  LOGFONTA font{};
  font.lfHeight = -20;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(font.lfFaceName, "Arial", LF_FACESIZE);
  font_ = CreateFontIndirectA(&font);
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
}

ScreenWindow::~ScreenWindow() {
  EndDrag();
  if (edit_ && IsWindow(edit_)) {
    closing_edit_ = true;
    DestroyWindow(edit_);
  }
  if (IsWindow(hwnd_)) {
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
  }
  if (font_) DeleteObject(font_);
}

void ScreenWindow::Refresh() {
  InvalidateRect(hwnd_, nullptr, FALSE);
  if (surface().edit && !edit_) OpenEdit();
  if (!surface().edit && edit_) CloseEdit(false);
}

void ScreenWindow::CellAt(POINT point, int* row, int* column) const {
  const editor::ScreenSurface& shown = surface();
  *row = std::clamp(static_cast<int>(point.y) / kCellHeight, 0, std::max(shown.rows - 1, 0));
  *column = std::clamp(static_cast<int>(point.x) / kCellWidth, 0, std::max(shown.columns - 1, 0));
}

void ScreenWindow::Input(const ScreenInput& input) {
  form_.UserScreenInput(id_, input);
  SendMessageA(GetParent(hwnd_), kGridInputMessage, 0, 0);
}

void ScreenWindow::PaintCells(HDC dc, const RECT& client) {
  const editor::ScreenSurface& shown = surface();
  FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
  HBRUSH field = CreateSolidBrush(kFieldColour);
  HPEN grid = CreatePen(PS_SOLID, 1, kGridColour);
  HPEN caret = CreatePen(PS_SOLID, 2, kCaretColour);
  HGDIOBJ old_font = SelectObject(dc, font_);
  HGDIOBJ old_pen = SelectObject(dc, grid);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  for (int r = 0; r < shown.rows; ++r) {
    for (int c = 0; c < shown.columns; ++c) {
      RECT cell{c * kCellWidth, r * kCellHeight, (c + 1) * kCellWidth, (r + 1) * kCellHeight};
      if (shown.InField(r, c)) FillRect(dc, &cell, field);
      MoveToEx(dc, cell.right - 1, cell.top, nullptr);
      LineTo(dc, cell.right - 1, cell.bottom - 1);
      LineTo(dc, cell.left - 1, cell.bottom - 1);
      const std::wstring text = Wide(shown.Cell(r, c));
      if (!text.empty())
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &cell,
                  DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
    }
  }
  if (shown.rows > 0) {
    // The caret: a frame around its cell, and a bar under it while focused.
    SelectObject(dc, caret);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    const int x = shown.caret_column * kCellWidth;
    const int y = shown.caret_row * kCellHeight;
    Rectangle(dc, x + 1, y + 1, x + kCellWidth, y + kCellHeight);
    if (GetFocus() == hwnd_) {
      RECT bar{x + 3, y + kCellHeight - 6, x + kCellWidth - 3, y + kCellHeight - 3};
      HBRUSH solid = CreateSolidBrush(kCaretColour);
      FillRect(dc, &bar, solid);
      DeleteObject(solid);
    }
  }
  SelectObject(dc, old_pen);
  SelectObject(dc, old_font);
  DeleteObject(caret);
  DeleteObject(grid);
  DeleteObject(field);
}

void ScreenWindow::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  RECT client{};
  GetClientRect(hwnd_, &client);
  // Drawn off screen and copied, so that typing does not flicker.
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap =
      CreateCompatibleBitmap(dc, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1));
  if (memory && bitmap) {
    HGDIOBJ old_bitmap = SelectObject(memory, bitmap);
    PaintCells(memory, client);
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old_bitmap);
  }
  if (bitmap) DeleteObject(bitmap);
  if (memory) DeleteDC(memory);
  EndPaint(hwnd_, &paint);
}

void ScreenWindow::OnPress(LPARAM point) {
  SetFocus(hwnd_);
  int row = 0;
  int column = 0;
  CellAt(POINT{GET_X_LPARAM(point), GET_Y_LPARAM(point)}, &row, &column);
  Input(ScreenInput::Press(row, column));
  if (!surface().dragging) return;
  // Keep the pointer on the screen until the variable is dropped.
  dragging_ = true;
  SetCapture(hwnd_);
  RECT bounds{};
  GetClientRect(hwnd_, &bounds);
  MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&bounds), 2);
  ClipCursor(&bounds);
}

void ScreenWindow::OnRelease(LPARAM point) {
  const bool dropped = dragging_;
  EndDrag();
  if (!dropped) return;
  int row = 0;
  int column = 0;
  CellAt(POINT{GET_X_LPARAM(point), GET_Y_LPARAM(point)}, &row, &column);
  Input(ScreenInput::Release(row, column));
}

void ScreenWindow::EndDrag() {
  if (!dragging_) return;
  dragging_ = false;
  ClipCursor(nullptr);
  if (GetCapture() == hwnd_) ReleaseCapture();
}

void ScreenWindow::OpenEdit() {
  const editor::CellEdit& wanted = *surface().edit;
  RECT place{wanted.column * kCellWidth, wanted.row * kCellHeight, surface().columns * kCellWidth,
             (wanted.row + 1) * kCellHeight};
  edit_ = CreateWindowExA(0, "EDIT", wanted.text.c_str(), WS_CHILD | WS_BORDER | ES_AUTOHSCROLL,
                          place.left, place.top, place.right - place.left, place.bottom - place.top,
                          hwnd_, nullptr, ModuleInstance(), nullptr);
  if (!edit_) return;
  SendMessageA(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  SetWindowLongPtrA(edit_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  edit_original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditProcedure)));
  ShowWindow(edit_, SW_SHOW);
  SendMessageA(edit_, EM_SETSEL, 0, -1);
  SetFocus(edit_);
}

void ScreenWindow::CloseEdit(bool keep) {
  if (!edit_ || closing_edit_) return;
  closing_edit_ = true;
  const int length = GetWindowTextLengthA(edit_);
  std::string text(static_cast<size_t>(std::max(length, 0)) + 1, '\0');
  GetWindowTextA(edit_, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(length, 0)));
  HWND edit = edit_;
  edit_ = nullptr;
  const bool had_focus = GetFocus() == edit;
  DestroyWindow(edit);
  closing_edit_ = false;
  if (had_focus) SetFocus(hwnd_);
  if (surface().edit)
    Input(keep ? ScreenInput::EditDone(std::move(text)) : ScreenInput::EditCancelled());
}

LRESULT ScreenWindow::OnEditMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS | CallWindowProcA(edit_original_, edit_, message, wparam, lparam);
    case WM_KEYDOWN:
      if (wparam == VK_RETURN || wparam == VK_ESCAPE) {
        CloseEdit(wparam == VK_RETURN);
        return 0;
      }
      break;
    case WM_CHAR:
      if (wparam == '\r' || wparam == 27) return 0;  // no beep
      break;
    case WM_KILLFOCUS: {
      LRESULT result = CallWindowProcA(edit_original_, edit_, message, wparam, lparam);
      CloseEdit(true);
      return result;
    }
    case WM_NCDESTROY: {  // destroyed with the dialog
      HWND edit = edit_;
      edit_ = nullptr;
      return CallWindowProcA(edit_original_, edit, message, wparam, lparam);
    }
  }
  return CallWindowProcA(edit_original_, edit_, message, wparam, lparam);
}

LRESULT ScreenWindow::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_GETDLGCODE: {
      // Arrows and characters always; Enter too, which the dialog would
      // otherwise take for its default button.
      LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
      const MSG* pending = reinterpret_cast<const MSG*>(lparam);
      if (pending && pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN)
        code |= DLGC_WANTMESSAGE;
      return code;
    }
    case WM_KEYDOWN: {
      switch (wparam) {
        case VK_LEFT:
          Input(ScreenInput::Key(ScreenKey::kLeft));
          break;
        case VK_RIGHT:
          Input(ScreenInput::Key(ScreenKey::kRight));
          break;
        case VK_UP:
          Input(ScreenInput::Key(ScreenKey::kUp));
          break;
        case VK_DOWN:
          Input(ScreenInput::Key(ScreenKey::kDown));
          break;
        case VK_RETURN:
          Input(ScreenInput::Key(ScreenKey::kEnter));
          break;
        case VK_BACK:
          Input(ScreenInput::Key(ScreenKey::kBackspace));
          break;
        case VK_DELETE:
          Input(ScreenInput::Key(ScreenKey::kDelete));
          break;
        default:
          break;
      }
      return 0;
    }
    case WM_CHAR:
      // Enter and Backspace came as keys already.
      if (wparam >= 0x20 && wparam <= 0xFF) Input(ScreenInput::Char(static_cast<char>(wparam)));
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(hwnd_, nullptr, FALSE);
      break;
    case WM_LBUTTONDOWN:
      OnPress(lparam);
      return 0;
    case WM_LBUTTONUP:
      OnRelease(lparam);
      return 0;
    case WM_LBUTTONDBLCLK:
      SetFocus(hwnd_);
      Input(ScreenInput::DoubleClick());
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lparam) != hwnd_) {
        dragging_ = false;
        ClipCursor(nullptr);
      }
      return 0;
  }
  return CallWindowProcA(original_, hwnd_, message, wparam, lparam);
}

LRESULT CALLBACK ScreenWindow::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<ScreenWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(hwnd, message, wparam, lparam);
  try {
    return self->OnMessage(message, wparam, lparam);
  } catch (...) {  // never into the host: the view closes the dialogs and re-throws later
    self->view_.Fail(std::current_exception());
    return 0;
  }
}

LRESULT CALLBACK ScreenWindow::EditProcedure(HWND hwnd, UINT message, WPARAM wparam,
                                             LPARAM lparam) {
  auto* self = reinterpret_cast<ScreenWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(hwnd, message, wparam, lparam);
  // An edit box being closed gets the edit control's own handling only.
  if (self->edit_ != hwnd)
    return CallWindowProcA(self->edit_original_, hwnd, message, wparam, lparam);
  try {
    return self->OnEditMessage(message, wparam, lparam);
  } catch (...) {  // as above
    self->view_.Fail(std::current_exception());
    return 0;
  }
}

}  // namespace ostrevan::widgets
