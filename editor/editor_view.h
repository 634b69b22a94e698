// The seam between the editor models and a window toolkit.
//
// The models (form.h, page.h, dialog.h, sheet.h) hold all rules and state;
// an EditorView shows them. The Windows build implements it with real
// windows; the Linux build has none (PlatformView() is null, so Edit
// returns 0); tests use a scripted view.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor/dialog.h"
#include "editor/message_box.h"

namespace ostrevan {
class CPropertyBasic;
}

namespace ostrevan::editor {

class FormModel;

struct FileOpenRequest {
  std::string filter;  // "Text|*.ext|All|*.*||", as the common dialog takes it
  std::string initial_path;
};

class EditorView : public MessageService {
 public:
  // Shows the sheet modally: calls sheet.Open(), delivers input (tab
  // changes through ShowPage, OK and Cancel through ClickOk/ClickCancel)
  // until sheet.end_result() is set, and returns it.
  virtual DialogResult RunSheet(CPropertyBasic& sheet) = 0;
  // Shows a dialog modally; see dialog.h.
  virtual DialogResult RunDialog(DialogModel& dialog) = 0;
  // The common file-open dialog: the chosen full path, or nothing.
  virtual std::optional<std::string> ChooseFileToOpen(const FileOpenRequest& request) = 0;
  // The height of a horizontal scroll bar, in pixels, as the system draws it.
  virtual int HorizontalScrollBarHeight() const = 0;
  // The controls `control_ids` of `form` changed (state, items, texts,
  // enabling, visibility, tooltip, or for a frame: the child form inside).
  virtual void Refresh(FormModel& form, const std::vector<int>& control_ids) = 0;
  // Runs `task` once the current event is handled, like a posted message.
  virtual void Post(std::function<void()> task) = 0;
  // Puts the keyboard focus on control `control_id` of `form`; an edit's
  // text is selected.
  virtual void Focus(FormModel& form, int control_id) = 0;
};

// The view of this build: the Windows build defines it; elsewhere null.
EditorView* PlatformView();

// The view Edit uses: the one a ScopedView installed, else PlatformView().
EditorView* ActiveView();

// Runs a block's editor on the active view: false without one, or when the
// user cancelled.
template <class Params>
bool EditInActiveView(Params& params, bool (*edit)(Params&, EditorView&)) {
  EditorView* view = ActiveView();
  return view && edit(params, *view);
}

// Installs a view for its lifetime (tests and tools).
class ScopedView {
 public:
  explicit ScopedView(EditorView* view);
  ~ScopedView();
  ScopedView(const ScopedView&) = delete;
  ScopedView& operator=(const ScopedView&) = delete;

 private:
  EditorView* previous_;
};

}  // namespace ostrevan::editor
