// One object per dialog window and one dialog procedure for all of them:
// the procedure finds the object and hands it the message. No exception
// leaves the procedure: a failure is recorded with the view, which ends the
// modal loop and re-throws it once the loop is left, outside the window
// system's frames.
#pragma once

#include "widgets/win32.h"

#include "widgets/dialog_template.h"

namespace ostrevan::widgets {

class Win32View;

// The private message that runs the view's posted tasks.
constexpr UINT kRunPostedMessage = WM_APP + 0x21;

class DialogWindow {
 public:
  explicit DialogWindow(Win32View& view) : view_(view) {}
  virtual ~DialogWindow();
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  Win32View& view() const { return view_; }

  // Pixels of a rectangle in this dialog's units.
  RECT ToPixels(int x, int y, int width, int height) const;

 protected:
  // A modal loop over a window of the template; the EndDialog code.
  INT_PTR RunModal(HWND owner, const DialogTemplate& dialog);
  // A modeless child dialog (pages and child forms).
  void CreateChild(HWND parent, const DialogTemplate& dialog);

  // The window's messages; the result is the dialog procedure's.
  virtual INT_PTR OnMessage(UINT message, WPARAM wparam, LPARAM lparam) = 0;

 private:
  static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  Win32View& view_;
  HWND hwnd_ = nullptr;
};

// The plug-in's own module, which owns its windows.
HINSTANCE ModuleInstance();

}  // namespace ostrevan::widgets
