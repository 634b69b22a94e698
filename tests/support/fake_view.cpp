#include "support/fake_view.h"

namespace ostrevan::testing {

using editor::DialogResult;
using editor::MessageAnswer;

DialogResult FakeView::RunSheet(CPropertyBasic& sheet) {
  ++sheets_run;
  sheet.Open();
  Pump();
  if (sheet_script) sheet_script(sheet);
  Pump();
  return sheet.end_result().value_or(DialogResult::kCancel);
}

DialogResult FakeView::RunDialog(editor::DialogModel& dialog) {
  dialog_captions.push_back(dialog.caption());
  dialog.Open();
  if (!dialog_scripts.empty()) {
    auto script = std::move(dialog_scripts.front());
    dialog_scripts.pop_front();
    script(dialog);
  }
  Pump();
  return dialog.end_result().value_or(DialogResult::kCancel);
}

std::optional<std::string> FakeView::ChooseFileToOpen(const editor::FileOpenRequest& request) {
  file_requests.push_back(request);
  return file_choice;
}

MessageAnswer FakeView::ShowMessage(const editor::MessageBox& box) {
  messages.push_back(box);
  if (!answers.empty()) {
    MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  return box.buttons == editor::MessageButtons::kYesNo ? MessageAnswer::kYes : MessageAnswer::kOk;
}

void FakeView::Refresh(editor::FormModel&, const std::vector<int>& control_ids) {
  refreshed.insert(refreshed.end(), control_ids.begin(), control_ids.end());
}

void FakeView::Post(std::function<void()> task) { posted_.push_back(std::move(task)); }

void FakeView::Focus(editor::FormModel&, int control_id) { focused.push_back(control_id); }

void FakeView::Pump() {
  while (!posted_.empty()) {
    auto task = std::move(posted_.front());
    posted_.pop_front();
    task();
  }
}

}  // namespace ostrevan::testing
