// A modal dialog model: a form with a caption that ends with OK or Cancel.
// The view runs it with EditorView::RunDialog: it calls Open(), delivers
// input until end_result() is set, and returns that result. Closing the
// window counts as clicking Cancel (kIdCancel).
#pragma once

#include <optional>
#include <string>

#include "editor/form.h"

namespace ostrevan::editor {

enum class DialogResult { kOk, kCancel };

class DialogModel : public FormModel {
 public:
  DialogModel(int template_id, Size size, std::string caption);

  const std::string& caption() const { return caption_; }
  // Fills the controls; the view calls it once before showing the dialog.
  void Open();
  std::optional<DialogResult> end_result() const { return end_result_; }

 protected:
  virtual void OnInit() {}
  // OK was clicked: true closes the dialog with OK.
  virtual bool OnOk() { return true; }
  void EndDialog(DialogResult result) { end_result_ = result; }

 private:
  bool PreClick(int id) override;

  std::string caption_;
  std::optional<DialogResult> end_result_;
};

}  // namespace ostrevan::editor
