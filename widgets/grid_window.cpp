#include "widgets/grid_window.h"

#include <windowsx.h>

#include <algorithm>

#include "widgets/win32_view.h"

namespace ostrevan::widgets {

namespace {

int SizeAt(const std::vector<int>& sizes, int index, int fallback) {
  return index < static_cast<int>(sizes.size()) ? sizes[static_cast<size_t>(index)] : fallback;
}

}  // namespace

GridWindow::GridWindow(Win32View& view, editor::FormModel& form, int id, HWND window)
    : view_(view), form_(form), id_(id), hwnd_(window) {
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
}

GridWindow::~GridWindow() {
  if (IsWindow(hwnd_)) {
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
  }
}

void GridWindow::Refresh() {
  const editor::Grid& cells = grid();
  int scrollable = std::max(0, cells.rows() - cells.fixed_rows);
  first_row_ = std::clamp(first_row_, 0, std::max(0, scrollable - 1));
  UpdateScrollBar();
  InvalidateRect(hwnd_, nullptr, TRUE);
}

int GridWindow::VisibleRows() const {
  const editor::Grid& cells = grid();
  RECT client{};
  GetClientRect(hwnd_, &client);
  int y = 0;
  for (int row = 0; row < cells.fixed_rows; ++row) y += SizeAt(cells.row_heights, row, 20);
  int count = 0;
  for (int row = cells.fixed_rows + first_row_; row < cells.rows(); ++row) {
    y += SizeAt(cells.row_heights, row, 20);
    if (y > client.bottom) break;
    ++count;
  }
  return std::max(count, 1);
}

void GridWindow::UpdateScrollBar() {
  const editor::Grid& cells = grid();
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = std::max(0, cells.rows() - cells.fixed_rows - 1);
  info.nPage = static_cast<UINT>(VisibleRows());
  info.nPos = first_row_;
  SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
}

void GridWindow::ScrollTo(int first_row) {
  const editor::Grid& cells = grid();
  int last_start = std::max(0, cells.rows() - cells.fixed_rows - VisibleRows());
  first_row = std::clamp(first_row, 0, last_start);
  if (first_row == first_row_) return;
  first_row_ = first_row;
  UpdateScrollBar();
  InvalidateRect(hwnd_, nullptr, TRUE);
}

bool GridWindow::CellAt(POINT point, int* row, int* column) const {
  const editor::Grid& cells = grid();
  *row = *column = -1;
  int x = 0;
  for (int c = 0; c < cells.columns(); ++c) {
    int width = SizeAt(cells.column_widths, c, 60);
    if (point.x >= x && point.x < x + width) *column = c;
    x += width;
  }
  int y = 0;
  for (int r = 0; r < cells.rows(); ++r) {
    if (r >= cells.fixed_rows && r < cells.fixed_rows + first_row_) continue;  // scrolled away
    int height = SizeAt(cells.row_heights, r, 20);
    if (point.y >= y && point.y < y + height) *row = r;
    y += height;
  }
  return *row >= 0 && *column >= 0;
}

void GridWindow::Paint() {
  const editor::Grid& cells = grid();
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  RECT client{};
  GetClientRect(hwnd_, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
  HGDIOBJ old_font = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)));
  HPEN line = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
  HGDIOBJ old_pen = SelectObject(dc, line);
  SetBkMode(dc, TRANSPARENT);

  int y = 0;
  for (int r = 0; r < cells.rows() && y < client.bottom; ++r) {
    if (r >= cells.fixed_rows && r < cells.fixed_rows + first_row_) continue;
    int height = SizeAt(cells.row_heights, r, 20);
    int x = 0;
    for (int c = 0; c < cells.columns(); ++c) {
      int width = SizeAt(cells.column_widths, c, 60);
      RECT cell{x, y, x + width, y + height};
      bool fixed = r < cells.fixed_rows || c < cells.fixed_columns;
      bool focused = r == cells.focus_row && (cells.select_rows || c == cells.focus_column);
      if (fixed || focused)
        FillRect(dc, &cell, GetSysColorBrush(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
      SetTextColor(dc, GetSysColor(focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
      MoveToEx(dc, cell.right - 1, cell.top, nullptr);
      LineTo(dc, cell.right - 1, cell.bottom - 1);
      LineTo(dc, cell.left - 1, cell.bottom - 1);
      RECT text = cell;
      InflateRect(&text, -4, 0);
      const std::string& value = cells.cells[static_cast<size_t>(r)][static_cast<size_t>(c)];
      DrawTextA(dc, value.c_str(), static_cast<int>(value.size()), &text,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS |
                    (fixed ? DT_CENTER : DT_LEFT));
      x += width;
    }
    y += height;
  }
  SelectObject(dc, old_pen);
  DeleteObject(line);
  SelectObject(dc, old_font);
  EndPaint(hwnd_, &paint);
}

void GridWindow::Click(LPARAM point, bool twice) {
  SetFocus(hwnd_);
  POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
  int row = -1;
  int column = -1;
  const editor::Grid& cells = grid();
  // Fixed cells are headers: they take no focus.
  if (CellAt(at, &row, &column) && row >= cells.fixed_rows && column >= cells.fixed_columns) {
    form_.UserFocusesCell(id_, row, column);
    InvalidateRect(hwnd_, nullptr, TRUE);
    if (twice) form_.UserDoubleClicks(id_);
  }
  SendMessageA(GetParent(hwnd_), kGridInputMessage, 0, 0);
}

LRESULT GridWindow::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      UpdateScrollBar();
      break;
    case WM_LBUTTONDOWN:
      Click(lparam, false);
      return 0;
    case WM_LBUTTONDBLCLK:
      Click(lparam, true);
      return 0;
    case WM_MOUSEWHEEL:
      ScrollTo(first_row_ - GET_WHEEL_DELTA_WPARAM(wparam) / WHEEL_DELTA * 3);
      return 0;
    case WM_VSCROLL: {
      int page = VisibleRows();
      switch (LOWORD(wparam)) {
        case SB_LINEUP: ScrollTo(first_row_ - 1); break;
        case SB_LINEDOWN: ScrollTo(first_row_ + 1); break;
        case SB_PAGEUP: ScrollTo(first_row_ - page); break;
        case SB_PAGEDOWN: ScrollTo(first_row_ + page); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: ScrollTo(HIWORD(wparam)); break;
      }
      return 0;
    }
  }
  return CallWindowProcA(original_, hwnd_, message, wparam, lparam);
}

LRESULT CALLBACK GridWindow::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<GridWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(hwnd, message, wparam, lparam);
  try {
    return self->OnMessage(message, wparam, lparam);
  } catch (...) {  // never into the host: the view closes the dialogs and re-throws later
    self->view_.Fail(std::current_exception());
    return 0;
  }
}

}  // namespace ostrevan::widgets
