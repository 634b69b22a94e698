// A scripted view: runs sheets and dialogs by playing the events a test
// gives it, answers message boxes from a queue and records what it showed.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor/editor_view.h"
#include "editor/sheet.h"

namespace ostrevan::testing {

class FakeView : public editor::EditorView {
 public:
  // Played after the sheet opened; a sheet the script leaves open is
  // closed as the window's close box would: Cancel.
  std::function<void(CPropertyBasic&)> sheet_script;
  // One script per dialog run, in order; a dialog without a script, or
  // left open, is cancelled.
  std::deque<std::function<void(editor::DialogModel&)>> dialog_scripts;
  // Answers of message boxes; when empty, the first button (OK or Yes).
  std::deque<editor::MessageAnswer> answers;
  std::optional<std::string> file_choice;  // what the file-open dialog gives

  std::vector<editor::MessageBox> messages;
  std::vector<std::string> dialog_captions;
  std::vector<int> refreshed;  // control ids, in the order reported
  std::vector<int> focused;    // control ids, in the order focused
  int sheets_run = 0;

  editor::DialogResult RunSheet(CPropertyBasic& sheet) override {
    ++sheets_run;
    sheet.Open();
    Pump();
    if (sheet_script) sheet_script(sheet);
    Pump();
    return sheet.end_result().value_or(editor::DialogResult::kCancel);
  }
  editor::DialogResult RunDialog(editor::DialogModel& dialog) override {
    dialog_captions.push_back(dialog.caption());
    dialog.Open();
    if (!dialog_scripts.empty()) {
      auto script = std::move(dialog_scripts.front());
      dialog_scripts.pop_front();
      script(dialog);
    }
    Pump();
    return dialog.end_result().value_or(editor::DialogResult::kCancel);
  }
  std::optional<std::string> ChooseFileToOpen(const editor::FileOpenRequest&) override {
    return file_choice;
  }
  editor::MessageAnswer ShowMessage(const editor::MessageBox& box) override {
    messages.push_back(box);
    if (answers.empty()) {
      return box.buttons == editor::MessageButtons::kYesNo ? editor::MessageAnswer::kYes
                                                           : editor::MessageAnswer::kOk;
    }
    editor::MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  int HorizontalScrollBarHeight() const override { return 17; }
  void Refresh(editor::FormModel&, const std::vector<int>& control_ids) override {
    refreshed.insert(refreshed.end(), control_ids.begin(), control_ids.end());
  }
  void Post(std::function<void()> task) override { posted_.push_back(std::move(task)); }
  void Focus(editor::FormModel&, int control_id) override { focused.push_back(control_id); }

  // Runs the posted tasks, as the message loop would.
  void Pump() {
    while (!posted_.empty()) {
      auto task = std::move(posted_.front());
      posted_.pop_front();
      task();
    }
  }

 private:
  std::deque<std::function<void()>> posted_;
};

}  // namespace ostrevan::testing
