#include "widgets/dialog_window.h"

#include <stdexcept>

#include "widgets/win32_view.h"

namespace ostrevan::widgets {

HINSTANCE ModuleInstance() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                         GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&ModuleInstance), &module);
  return module;
}

DialogWindow::~DialogWindow() {
  if (hwnd_ && IsWindow(hwnd_)) {
    SetWindowLongPtrA(hwnd_, DWLP_USER, 0);  // no message reaches a dead object
    DestroyWindow(hwnd_);
  }
}

RECT DialogWindow::ToPixels(int x, int y, int width, int height) const {
  RECT rect{x, y, x + width, y + height};
  MapDialogRect(hwnd_, &rect);
  return rect;
}

INT_PTR DialogWindow::RunModal(HWND owner, const DialogTemplate& dialog) {
  INT_PTR result = DialogBoxIndirectParamA(ModuleInstance(), dialog.get(), owner, &Procedure,
                                           reinterpret_cast<LPARAM>(this));
  hwnd_ = nullptr;  // gone with the loop
  if (result == -1) throw std::runtime_error("cannot create a dialog window");
  return result;
}

void DialogWindow::CreateChild(HWND parent, const DialogTemplate& dialog) {
  HWND created = CreateDialogIndirectParamA(ModuleInstance(), dialog.get(), parent, &Procedure,
                                            reinterpret_cast<LPARAM>(this));
  if (!created) throw std::runtime_error("cannot create a child dialog window");
}

INT_PTR CALLBACK DialogWindow::Procedure(HWND hwnd, UINT message, WPARAM wparam,
                                         LPARAM lparam) {
  auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<DialogWindow*>(lparam);
    SetWindowLongPtrA(hwnd, DWLP_USER, lparam);
    self->hwnd_ = hwnd;
  }
  if (!self) return FALSE;
  if (message == WM_NCDESTROY) {
    self->hwnd_ = nullptr;
    return FALSE;
  }
  try {
    if (message == kRunPostedMessage) {
      self->view_.RunPosted();
      return TRUE;
    }
    return self->OnMessage(message, wparam, lparam);
  } catch (...) {  // never into the host: the view closes the dialogs and re-throws later
    self->view_.Fail(std::current_exception());
    return TRUE;
  }
}

}  // namespace ostrevan::widgets
