// The window of one form model (a sheet page, a modal dialog or a child
// form inside a frame): builds a real control per model control, with the
// model's id, keeps them in step with the model, turns the user's input
// into the model's User* calls, and lays the controls out by their anchors
// when the window is resized.
#pragma once

#include "widgets/win32.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "editor/form.h"
#include "widgets/dialog_window.h"

namespace ostrevan::widgets {

class GridWindow;
class ScreenWindow;

class FormWindow : public DialogWindow {
 public:
  FormWindow(Win32View& view, editor::FormModel& form);
  ~FormWindow() override;

  editor::FormModel& form() const { return form_; }

  // A child dialog of `parent` that fills `placement` (pixels of the parent).
  void CreateInside(HWND parent, const RECT& placement);
  void MoveTo(const RECT& placement);

  // The model changed these controls.
  void Refresh(const std::vector<int>& ids);
  // The keyboard focus to a control; an edit's text is selected.
  void FocusControl(int id);

  // The template's size in pixels: the smallest the form lays out for.
  SIZE base_size() const { return base_size_; }

 protected:
  INT_PTR OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  // Builds the controls; the window exists, the model is filled.
  void BuildControls();
  // Runs after every piece of user input the model has handled.
  virtual void AfterInput() {}

 private:
  // `starts_group`: WS_GROUP, where the arrow keys stop.
  void CreateControl(const editor::Control& control, bool starts_group);
  void Apply(const editor::Control& control);
  void ApplyChild(int frame_id);
  void ApplyTooltip(const editor::Control& control);
  void Layout();
  RECT LaidOut(int id) const;
  void OnCommand(int id, int code, HWND control);
  HWND ControlWindow(int id) const;

  editor::FormModel& form_;
  std::map<int, HWND> windows_;
  std::map<int, HWND> spins_;
  std::map<int, RECT> base_rects_;  // pixels, at the template's size
  std::map<int, std::vector<std::string>> shown_items_;
  std::map<int, std::unique_ptr<FormWindow>> children_;  // by frame id
  std::map<int, std::unique_ptr<GridWindow>> grids_;
  std::map<int, std::unique_ptr<ScreenWindow>> screens_;
  HWND tooltip_ = nullptr;
  SIZE base_size_{};
  bool applying_ = false;  // the model's own changes raise no events
};

}  // namespace ostrevan::widgets
