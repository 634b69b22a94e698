// The block editor sheet as a window: a resizable modal window with a tab
// per page, the pages' windows created when their tab is first shown, OK
// and Cancel, and a size grip. Its minimum size is the width its buttons
// need and its initial height.
#pragma once

#include <memory>
#include <vector>

#include "editor/sheet.h"
#include "widgets/dialog_window.h"
#include "widgets/resizable_frame.h"

namespace ostrevan::widgets {

class FormWindow;

// The tab control's id, as in the system's own property sheets.
constexpr int kSheetTabId = 0x3020;

class SheetWindow : public DialogWindow {
 public:
  SheetWindow(Win32View& view, CPropertyBasic& sheet);
  ~SheetWindow() override;

  editor::DialogResult Run(HWND owner);

 protected:
  INT_PTR OnMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void OnInit();
  void ShowActivePage();
  void Layout();
  RECT PageArea() const;
  void CloseIfEnded();

  CPropertyBasic& sheet_;
  std::vector<std::unique_ptr<FormWindow>> pages_;  // null until first shown
  HWND tab_ = nullptr;
  ResizableFrame frame_;
};

}  // namespace ostrevan::widgets
