// The screen control of the message text editor: 20 columns of cells of
// 19 × 31 pixels, drawn with "Arial" into an off-screen bitmap. It takes
// keys and characters while it has the focus, places the caret with a
// click, captures and confines the pointer while a variable is dragged,
// and shows the in-place edit box the model asks for. Like the grid, it
// is a plain static window whose procedure this object replaces.
#pragma once

#include "editor/form.h"
#include "widgets/win32.h"

namespace ostrevan::widgets {

class Win32View;

class ScreenWindow {
 public:
  static constexpr int kCellWidth = 19;
  static constexpr int kCellHeight = 31;

  ScreenWindow(Win32View& view, editor::FormModel& form, int id, HWND window);
  ~ScreenWindow();
  ScreenWindow(const ScreenWindow&) = delete;
  ScreenWindow& operator=(const ScreenWindow&) = delete;

  // The model's surface changed.
  void Refresh();

  // The cell under a point of the client area, held inside the grid.
  void CellAt(POINT point, int* row, int* column) const;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK EditProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnEditMessage(UINT message, WPARAM wparam, LPARAM lparam);
  const editor::ScreenSurface& surface() const { return form_.At(id_).screen; }
  void Input(const editor::ScreenInput& input);
  void Paint();
  void PaintCells(HDC dc, const RECT& client);
  void OnPress(LPARAM point);
  void OnRelease(LPARAM point);
  void EndDrag();
  void OpenEdit();
  void CloseEdit(bool keep);

  Win32View& view_;
  editor::FormModel& form_;
  int id_;
  HWND hwnd_;
  WNDPROC original_;
  HFONT font_;
  HWND edit_ = nullptr;
  WNDPROC edit_original_ = nullptr;
  bool closing_edit_ = false;
  bool dragging_ = false;
};

}  // namespace ostrevan::widgets
