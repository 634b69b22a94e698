#include "widgets/image_button.h"

#include <string>

namespace ostrevan::widgets {

namespace {

std::string Caption(HWND button) {
  char text[32] = {};
  GetWindowTextA(button, text, sizeof text);
  return text;
}

// An arrow pointing left, into the screen.
void DrawInsert(HDC dc, const RECT& box, COLORREF colour) {
  const int cx = (box.left + box.right) / 2;
  const int cy = (box.top + box.bottom) / 2;
  const int h = (box.bottom - box.top) / 3;
  const POINT arrow[] = {{cx - h, cy},         {cx, cy - h},         {cx, cy - h / 2},
                         {cx + h, cy - h / 2}, {cx + h, cy + h / 2}, {cx, cy + h / 2},
                         {cx, cy + h}};
  HBRUSH fill = CreateSolidBrush(colour);
  HGDIOBJ old_brush = SelectObject(dc, fill);
  HGDIOBJ old_pen = SelectObject(dc, GetStockObject(NULL_PEN));
  Polygon(dc, arrow, static_cast<int>(sizeof arrow / sizeof arrow[0]));
  SelectObject(dc, old_pen);
  SelectObject(dc, old_brush);
  DeleteObject(fill);
}

void DrawDelete(HDC dc, const RECT& box, COLORREF colour) {
  const int cx = (box.left + box.right) / 2;
  const int cy = (box.top + box.bottom) / 2;
  const int h = (box.bottom - box.top) / 4;
  HPEN pen = CreatePen(PS_SOLID, 3, colour);
  HGDIOBJ old_pen = SelectObject(dc, pen);
  MoveToEx(dc, cx - h, cy - h, nullptr);
  LineTo(dc, cx + h, cy + h);
  MoveToEx(dc, cx + h, cy - h, nullptr);
  LineTo(dc, cx - h, cy + h);
  SelectObject(dc, old_pen);
  DeleteObject(pen);
}

// A closed book with lines on its cover: the phone book.
void DrawPhoneBook(HDC dc, const RECT& box, COLORREF colour) {
  const int cx = (box.left + box.right) / 2;
  const int cy = (box.top + box.bottom) / 2;
  const int h = (box.bottom - box.top) / 3;
  const int w = h * 3 / 4;
  HPEN pen = CreatePen(PS_SOLID, 2, colour);
  HGDIOBJ old_pen = SelectObject(dc, pen);
  HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, cx - w, cy - h, cx + w, cy + h);
  MoveToEx(dc, cx - w + 3, cy - h, nullptr);
  LineTo(dc, cx - w + 3, cy + h);
  for (int line = -1; line <= 1; ++line) {
    MoveToEx(dc, cx - w / 3, cy + line * h / 2, nullptr);
    LineTo(dc, cx + w - 3, cy + line * h / 2);
  }
  SelectObject(dc, old_brush);
  SelectObject(dc, old_pen);
  DeleteObject(pen);
}

}  // namespace

void DrawImageButton(const DRAWITEMSTRUCT& item) {
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  RECT box = item.rcItem;
  DrawFrameControl(item.hDC, &box, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  if (pushed) OffsetRect(&box, 1, 1);
  const std::string caption = Caption(item.hwndItem);
  if (caption == "Delete") {
    DrawDelete(item.hDC, box, disabled ? GetSysColor(COLOR_GRAYTEXT) : RGB(200, 30, 30));
  } else if (caption == "Phonebook") {
    DrawPhoneBook(item.hDC, box, disabled ? GetSysColor(COLOR_GRAYTEXT) : RGB(30, 70, 160));
  } else {
    DrawInsert(item.hDC, box, disabled ? GetSysColor(COLOR_GRAYTEXT) : RGB(20, 140, 40));
  }
  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(item.hDC, &focus);
  }
}

}  // namespace ostrevan::widgets
