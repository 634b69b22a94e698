#include "editor/dialog.h"

namespace ostrevan::editor {

DialogModel::DialogModel(int template_id, Size size, std::string caption)
    : FormModel(template_id, size), caption_(std::move(caption)) {}

void DialogModel::Open() {
  end_result_.reset();
  OnInit();
  ReportChanges();
}

bool DialogModel::PreClick(int id) {
  if (id == kIdOk) {
    if (OnOk()) EndDialog(DialogResult::kOk);
    return true;
  }
  if (id == kIdCancel) {
    EndDialog(DialogResult::kCancel);
    return true;
  }
  return false;
}

}  // namespace ostrevan::editor
