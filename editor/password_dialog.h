// "Input Password": asks for the protection password, or lets the user
// keep it disabled.
#pragma once

#include <string>

#include "editor/dialog.h"

namespace ostrevan::editor {

class CPasswordStringDlg : public DialogModel {
 public:
  static constexpr int kTemplateId = 4701;
  static constexpr int kPassword = 1001;
  static constexpr int kDisable = 1002;
  static constexpr int kPasswordLimit = 20;

  CPasswordStringDlg();

  // Before the dialog runs: the current password and the disable flag.
  void set_password(std::string password) { password_ = std::move(password); }
  void set_disabled(bool disabled) { disabled_ = disabled; }
  // After it ran: the entered text and the flag.
  const std::string& password() const { return password_; }
  bool disabled() const { return disabled_; }

 protected:
  void OnInit() override;
  void OnClicked(int id) override;
  void OnTextChanged(int id) override;
  bool OnOk() override;

 private:
  std::string password_;
  std::string old_password_;
  bool disabled_ = true;
};

}  // namespace ostrevan::editor
