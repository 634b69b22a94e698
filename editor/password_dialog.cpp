#include "editor/password_dialog.h"

namespace ostrevan::editor {

CPasswordStringDlg::CPasswordStringDlg() : DialogModel(kTemplateId, {180, 80}, "Input Password") {
  Add(MakeControl(LabelId(kPassword), ControlKind::kLabel, "Proction Password:", {8, 10, 70, 10}));
  Control& edit = Add(MakeControl(kPassword, ControlKind::kEdit, "", {80, 8, 92, 12}, kStretchRight));
  edit.text_limit = kPasswordLimit;
  Add(MakeControl(kDisable, ControlKind::kCheckBox, "Disable", {80, 26, 60, 10}));
  Add(MakeControl(kIdOk, ControlKind::kButton, "OK", {66, 58, 50, 14}, kStayBottomRight));
  Add(MakeControl(kIdCancel, ControlKind::kButton, "Cancel", {122, 58, 50, 14}, kStayBottomRight));
}

void CPasswordStringDlg::OnInit() {
  old_password_ = password_;
  SetText(kPassword, "");
  SetChecked(kDisable, disabled_);
  Enable(kDisable, old_password_.empty() || disabled_);
  Enable(kPassword, !disabled_);
}

void CPasswordStringDlg::OnClicked(int id) {
  if (id != kDisable) return;
  disabled_ = At(kDisable).checked;
  Enable(kPassword, !disabled_);
}

void CPasswordStringDlg::OnTextChanged(int id) {
  // Knowing the old password unlocks "Disable".
  if (id == kPassword && !old_password_.empty() && At(kPassword).text == old_password_) {
    Enable(kDisable, true);
  }
}

bool CPasswordStringDlg::OnOk() {
  const std::string& entered = At(kPassword).text;
  if (!disabled_ && !old_password_.empty() && entered != old_password_) {
    ShowMessage(ErrorMessage("The Password is Error!"));
    return false;
  }
  password_ = entered;
  return true;
}

}  // namespace ostrevan::editor
