// The editor view of the Windows build: runs sheets and dialogs modally on
// the calling thread, shows message boxes and the file-open dialog, routes
// the models' change reports to their windows and runs posted tasks from
// the message loop.
#pragma once

#include "widgets/win32.h"

#include <deque>
#include <exception>
#include <functional>
#include <map>
#include <vector>

#include "editor/editor_view.h"

namespace ostrevan::widgets {

class FormWindow;

class Win32View : public editor::EditorView {
 public:
  editor::MessageAnswer ShowMessage(const editor::MessageBox& box) override;
  editor::DialogResult RunSheet(CPropertyBasic& sheet) override;
  editor::DialogResult RunDialog(editor::DialogModel& dialog) override;
  std::optional<std::string> ChooseFileToOpen(const editor::FileOpenRequest& request) override;
  int HorizontalScrollBarHeight() const override { return GetSystemMetrics(SM_CYHSCROLL); }
  void Refresh(editor::FormModel& form, const std::vector<int>& control_ids) override;
  void Post(std::function<void()> task) override;
  void Focus(editor::FormModel& form, int control_id) override;

  // The windows' side.
  void Register(editor::FormModel& form, FormWindow& window);
  void Unregister(editor::FormModel& form, FormWindow& window);
  void PushModal(HWND window);
  void PopModal(HWND window);
  void RunPosted();
  // A failure inside a window procedure: ends the innermost modal loop; the
  // failure is thrown again where that loop was started.
  void Fail(std::exception_ptr failure);

 private:
  template <class Window, class Model>
  editor::DialogResult RunModal(Model& model);
  HWND Owner() const;

  std::map<editor::FormModel*, FormWindow*> windows_;
  std::vector<HWND> modal_;
  std::deque<std::function<void()>> posted_;
  std::exception_ptr failure_;
};

}  // namespace ostrevan::widgets
