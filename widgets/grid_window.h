// The grid control: fixed header rows and columns, column widths and row
// heights from the model, a focused cell chosen with the mouse, a double
// click handed to the model, and vertical scrolling of the non-fixed rows.
// It is a plain static window whose procedure this object replaces.
#pragma once

#include "widgets/win32.h"

#include "editor/form.h"

namespace ostrevan::widgets {

class Win32View;

// Sent to the form window after the grid handed input to the model.
constexpr UINT kGridInputMessage = WM_APP + 0x22;

class GridWindow {
 public:
  GridWindow(Win32View& view, editor::FormModel& form, int id, HWND window);
  ~GridWindow();
  GridWindow(const GridWindow&) = delete;
  GridWindow& operator=(const GridWindow&) = delete;

  // The model's cells or focus changed.
  void Refresh();

  // The cell under a point of the client area: false outside the cells.
  bool CellAt(POINT point, int* row, int* column) const;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
  const editor::Grid& grid() const { return form_.At(id_).grid; }
  void Paint();
  void UpdateScrollBar();
  void ScrollTo(int first_row);
  int VisibleRows() const;
  void Click(LPARAM point, bool twice);

  Win32View& view_;
  editor::FormModel& form_;
  int id_;
  HWND hwnd_;
  WNDPROC original_;
  int first_row_ = 0;  // the first non-fixed row on screen
};

}  // namespace ostrevan::widgets
