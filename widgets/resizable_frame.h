// What the sheet and the modal dialogs share as resizable top-level
// windows: a size grip in the bottom-right corner and a minimum size.
#pragma once

#include "widgets/win32.h"

namespace ostrevan::widgets {

class ResizableFrame {
 public:
  // Creates the grip; the window's current size becomes the minimum unless
  // SetMinimum says otherwise.
  void Attach(HWND window);
  void SetMinimum(SIZE minimum) { minimum_ = minimum; }
  // WM_SIZE: keeps the grip in its corner.
  void OnSize();
  // WM_GETMINMAXINFO.
  void OnGetMinMaxInfo(MINMAXINFO* info) const;

 private:
  HWND window_ = nullptr;
  HWND grip_ = nullptr;
  SIZE minimum_{};
};

}  // namespace ostrevan::widgets
