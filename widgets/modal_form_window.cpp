#include "widgets/modal_form_window.h"

#include "widgets/win32_view.h"

namespace ostrevan::widgets {

using editor::DialogResult;

ModalFormWindow::ModalFormWindow(Win32View& view, editor::DialogModel& dialog)
    : FormWindow(view, dialog), dialog_(dialog) {}

DialogResult ModalFormWindow::Run(HWND owner) {
  DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME |
                            DS_CENTER | DS_3DLOOK,
                        WS_EX_CONTROLPARENT, dialog_.size().width, dialog_.size().height,
                        dialog_.caption());
  INT_PTR code = RunModal(owner, dialog);
  return code == IDOK ? DialogResult::kOk : DialogResult::kCancel;
}

void ModalFormWindow::AfterInput() {
  if (dialog_.end_result())
    EndDialog(hwnd(), *dialog_.end_result() == DialogResult::kOk ? IDOK : IDCANCEL);
}

INT_PTR ModalFormWindow::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      view().PushModal(hwnd());
      dialog_.Open();
      BuildControls();
      frame_.Attach(hwnd());
      AfterInput();
      return TRUE;
    case WM_DESTROY:
      view().PopModal(hwnd());
      return FALSE;
    case WM_CLOSE:
      SendMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      return TRUE;
    case WM_COMMAND:
      // Enter and Escape, and the model's own OK and Cancel buttons.
      if ((LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) && lparam == 0) {
        if (dialog_.Find(LOWORD(wparam))) {
          dialog_.UserClicks(LOWORD(wparam));
        } else if (LOWORD(wparam) == IDCANCEL) {
          EndDialog(hwnd(), IDCANCEL);
          return TRUE;
        }
        AfterInput();
        return TRUE;
      }
      break;
    case WM_SIZE:
      frame_.OnSize();
      break;
    case WM_GETMINMAXINFO:
      frame_.OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lparam));
      return TRUE;
  }
  return FormWindow::OnMessage(message, wparam, lparam);
}

}  // namespace ostrevan::widgets
