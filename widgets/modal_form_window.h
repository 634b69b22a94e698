// A dialog model shown modally: a resizable window with the model's
// caption, closed when the model ends it. Closing the window or pressing
// Escape counts as clicking Cancel.
#pragma once

#include "editor/dialog.h"
#include "widgets/form_window.h"
#include "widgets/resizable_frame.h"

namespace ostrevan::widgets {

class ModalFormWindow : public FormWindow {
 public:
  ModalFormWindow(Win32View& view, editor::DialogModel& dialog);

  editor::DialogResult Run(HWND owner);

 protected:
  INT_PTR OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void AfterInput() override;

 private:
  editor::DialogModel& dialog_;
  ResizableFrame frame_;
};

}  // namespace ostrevan::widgets
