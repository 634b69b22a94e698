// The editor's dialog models, free of any window toolkit.
//
// A form (a sheet page, a modal dialog, or a child form inside a page) is a
// list of controls plus the rules that tie them to a block's parameters.
// The view builds real controls from the list (the control ids are the real
// ones), feeds user input back through the User* calls, and updates its
// controls when the model reports changes through EditorView::Refresh. The
// model never waits on the view except for what is modal by nature:
// message boxes, nested dialogs and file choosers, which it asks the view
// for through EditorView. Tests drive the same calls from a scripted view.
//
// Input protocol: a User* call first puts the user's change into the
// control (text, selection, check state, focused cell), then runs the
// form's handler, then reports every control the handler changed. Changes
// that the model makes itself never raise events, so a handler that puts
// text back into the edit it handles needs no re-entrancy guard.
//
// Every property of a control may change while the form is shown (texts,
// labels, items, selection, check state, enabling, visibility, text limit,
// number range, tooltip): the setters below mark it, and the view carries
// it to the real control.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/control.h"
#include "editor/message_box.h"

namespace ostrevan::editor {

class EditorView;

class FormModel {
 public:
  FormModel(int template_id, Size size);
  virtual ~FormModel();
  FormModel(const FormModel&) = delete;
  FormModel& operator=(const FormModel&) = delete;

  int template_id() const { return template_id_; }
  // The template's size; the form never gets smaller than this.
  Size size() const { return size_; }
  const std::vector<Control>& controls() const { return controls_; }
  const Control* Find(int id) const;
  // The control of `id`; throws std::out_of_range for an unknown id.
  const Control& At(int id) const;

  // The form shown inside the rectangle of frame control `frame_id`, or null.
  FormModel* ChildIn(int frame_id) const;

  // The view that shows this form (and its children); may be null.
  void Attach(EditorView* view);
  EditorView* view() const { return view_; }

  // The view's side: user input.
  void UserSelects(int id, int index);
  void UserTypes(int id, const std::string& text);
  // Buttons; a check box toggles, a radio becomes the checked one of its group.
  void UserClicks(int id);
  // Grids: the cell that takes the focus (row and column -1: none).
  void UserFocusesCell(int id, int row, int column);
  void UserDoubleClicks(int id);
  // Screens: keys, characters, the mouse and the in-place edit box.
  void UserScreenInput(int id, const ScreenInput& input);

  // The sheet's OK: checks every number edit that has a range (in control
  // order, then the child forms). At the first one outside its range, or
  // not an integer, it shows the standard range message, puts the focus
  // on the edit and answers false.
  bool CheckNumberRanges();
  // The same check without a word to the user.
  bool NumbersInRange();

 protected:
  Control& Add(Control control);
  Control& Mutable(int id);

  virtual void OnSelectionChanged(int id) { (void)id; }
  virtual void OnTextChanged(int id) { (void)id; }
  virtual void OnClicked(int id) { (void)id; }
  virtual void OnDoubleClicked(int id) { (void)id; }
  virtual void OnScreenInput(int id, const ScreenInput& input) { (void)id; (void)input; }
  // Runs before OnClicked; true when the click is fully handled.
  virtual bool PreClick(int id) { (void)id; return false; }
  // A message the form posted itself with PostPrivate, now handled.
  virtual void OnPrivateMessage(uintptr_t wparam) { (void)wparam; }

  // The model's side: every change is reported to the view.
  void SetText(int id, std::string text);
  // Edits: the caret (no selection) behind the last character, as after
  // the page rewrote what the user typed.
  void MoveCaretToEnd(int id);
  void SetLabel(int id, std::string label);
  // Edits: at most `limit` characters from now on (0: no limit). A longer
  // text already there stays, as the real control keeps it.
  void SetTextLimit(int id, int limit);
  // Number edits: the range the sheet's OK checks (and a spin offers).
  void SetRange(int id, NumberRange range);
  void SetItems(int id, std::vector<std::string> items);
  void Select(int id, int index);
  void SetChecked(int id, bool checked);
  void Enable(int id, bool enabled);
  void ShowControl(int id, bool visible);
  void SetTooltip(int id, std::string text, int milliseconds);
  Grid& MutableGrid(int id);
  ScreenSurface& MutableScreen(int id);
  // Replaces the form shown in frame `frame_id` (null removes it); the
  // frame's id is reported as changed.
  void SetChild(int frame_id, std::unique_ptr<FormModel> child);

  // Modal services of the view; without a view a message box answers
  // Cancel (or No) and nothing else happens.
  MessageAnswer ShowMessage(const MessageBox& box);
  // Runs `task` after the current event, as a posted message would.
  void Post(std::function<void()> task);
  // Posts the form a private message: OnPrivateMessage(wparam) runs after
  // the current event, and what it changes is reported. Without a view
  // nothing is delivered.
  void PostPrivate(uintptr_t wparam);
  // Puts the keyboard focus on the control (an edit's text is selected).
  void Focus(int id);

  // Tells the view about the controls changed since the last report.
  void ReportChanges();

 private:
  void MarkChanged(int id);
  // The form (this or a child) holding the first number edit outside its
  // range, and that edit's id; null when all are in range.
  FormModel* FirstOutOfRange(int& id);

  int template_id_;
  Size size_;
  std::vector<Control> controls_;
  struct ChildSlot {
    int frame_id;
    std::unique_ptr<FormModel> form;
  };
  std::vector<ChildSlot> children_;
  EditorView* view_ = nullptr;
  std::vector<int> changed_;
};

}  // namespace ostrevan::editor
