#include "widgets/win32_view.h"

#include <commdlg.h>

#include <utility>

#include "editor/sheet.h"
#include "widgets/dialog_window.h"
#include "widgets/form_window.h"
#include "widgets/modal_form_window.h"
#include "widgets/sheet_window.h"

namespace ostrevan::editor {

EditorView* PlatformView() {
  static widgets::Win32View view;
  return &view;
}

}  // namespace ostrevan::editor

namespace ostrevan::widgets {

using editor::DialogResult;
using editor::MessageAnswer;

namespace {

void InitCommonControlsOnce() {
  static bool done = false;
  if (done) return;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_UPDOWN_CLASS |
                                                     ICC_INTERNET_CLASSES | ICC_BAR_CLASSES |
                                                     ICC_STANDARD_CLASSES};
  done = InitCommonControlsEx(&controls) != FALSE;
}

UINT MessageBoxStyle(const editor::MessageBox& box) {
  UINT style = MB_TASKMODAL;
  switch (box.icon) {
    case editor::MessageIcon::kError: style |= MB_ICONERROR; break;
    case editor::MessageIcon::kWarning: style |= MB_ICONWARNING; break;
    case editor::MessageIcon::kQuestion: style |= MB_ICONQUESTION; break;
    case editor::MessageIcon::kInformation: style |= MB_ICONINFORMATION; break;
    case editor::MessageIcon::kNone: break;
  }
  switch (box.buttons) {
    case editor::MessageButtons::kOk: style |= MB_OK; break;
    case editor::MessageButtons::kOkCancel: style |= MB_OKCANCEL; break;
    case editor::MessageButtons::kYesNo: style |= MB_YESNO; break;
  }
  return style;
}

}  // namespace

HWND Win32View::Owner() const { return modal_.empty() ? nullptr : modal_.back(); }

MessageAnswer Win32View::ShowMessage(const editor::MessageBox& box) {
  switch (MessageBoxA(Owner(), box.text.c_str(), box.caption.c_str(), MessageBoxStyle(box))) {
    case IDOK: return MessageAnswer::kOk;
    case IDYES: return MessageAnswer::kYes;
    case IDNO: return MessageAnswer::kNo;
    default: return MessageAnswer::kCancel;
  }
}

template <class Window, class Model>
DialogResult Win32View::RunModal(Model& model) {
  InitCommonControlsOnce();
  DialogResult result = DialogResult::kCancel;
  {
    Window window(*this, model);
    result = window.Run(Owner());
  }
  if (modal_.empty()) posted_.clear();  // their pages are gone
  if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
  return result;
}

DialogResult Win32View::RunSheet(CPropertyBasic& sheet) {
  return RunModal<SheetWindow>(sheet);
}

DialogResult Win32View::RunDialog(editor::DialogModel& dialog) {
  return RunModal<ModalFormWindow>(dialog);
}

std::optional<std::string> Win32View::ChooseFileToOpen(const editor::FileOpenRequest& request) {
  // The common dialog takes its filter as NUL-separated pairs.
  std::string filter = request.filter;
  for (char& c : filter) {
    if (c == '|') c = '\0';
  }
  filter.push_back('\0');
  char path[MAX_PATH] = {};
  request.initial_path.copy(path, MAX_PATH - 1);
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = Owner();
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = path;
  dialog.nMaxFile = MAX_PATH;
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameA(&dialog)) return std::nullopt;
  return std::string(path);
}

void Win32View::Refresh(editor::FormModel& form, const std::vector<int>& control_ids) {
  auto found = windows_.find(&form);
  if (found != windows_.end() && found->second->hwnd()) found->second->Refresh(control_ids);
}

void Win32View::Focus(editor::FormModel& form, int control_id) {
  auto found = windows_.find(&form);
  if (found != windows_.end() && found->second->hwnd()) found->second->FocusControl(control_id);
}

void Win32View::Post(std::function<void()> task) {
  posted_.push_back(std::move(task));
  if (!modal_.empty()) PostMessageA(modal_.front(), kRunPostedMessage, 0, 0);
}

void Win32View::RunPosted() {
  while (!posted_.empty()) {
    std::function<void()> task = std::move(posted_.front());
    posted_.pop_front();
    task();
  }
}

void Win32View::Register(editor::FormModel& form, FormWindow& window) { windows_[&form] = &window; }

void Win32View::Unregister(editor::FormModel& form, FormWindow& window) {
  auto found = windows_.find(&form);
  if (found != windows_.end() && found->second == &window) windows_.erase(found);
}

void Win32View::PushModal(HWND window) {
  modal_.push_back(window);
  if (!posted_.empty()) PostMessageA(modal_.front(), kRunPostedMessage, 0, 0);
}

void Win32View::PopModal(HWND window) {
  if (!modal_.empty() && modal_.back() == window) modal_.pop_back();
}

void Win32View::Fail(std::exception_ptr failure) {
  if (!failure_) failure_ = std::move(failure);
  if (!modal_.empty()) EndDialog(modal_.back(), IDABORT);
}

}  // namespace ostrevan::widgets
