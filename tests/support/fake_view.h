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
  std::optional<std::string> file_choice;
  std::vector<editor::FileOpenRequest> file_requests;
  int scroll_bar_height = 17;

  std::vector<editor::MessageBox> messages;
  std::vector<std::string> dialog_captions;
  std::vector<int> refreshed;  // control ids, in the order reported
  std::vector<int> focused;    // control ids, in the order focused
  int sheets_run = 0;

  editor::DialogResult RunSheet(CPropertyBasic& sheet) override;
  editor::DialogResult RunDialog(editor::DialogModel& dialog) override;
  std::optional<std::string> ChooseFileToOpen(const editor::FileOpenRequest& request) override;
  editor::MessageAnswer ShowMessage(const editor::MessageBox& box) override;
  int HorizontalScrollBarHeight() const override { return scroll_bar_height; }
  void Refresh(editor::FormModel& form, const std::vector<int>& control_ids) override;
  void Post(std::function<void()> task) override;
  void Focus(editor::FormModel& form, int control_id) override;

  // Runs the posted tasks, as the message loop would.
  void Pump();

 private:
  std::deque<std::function<void()>> posted_;
};

}  // namespace ostrevan::testing
