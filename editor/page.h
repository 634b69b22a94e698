// A page of the block editor sheet, or a child form inside a page.
//
// Life of a page: constructed bound to the block's parameters (copying what
// it shows into its own members); Create() when its tab is first shown
// (fills the controls); when the sheet's OK is pressed and the page was
// created: its number ranges are checked, then Validate(), then Store();
// TakeBack() writes the members into the parameters. A page that was never
// created keeps what it was loaded with.
//
// Pages talk to each other through the sheet: NotifyPages() hands the
// sheet the page notification (message 0x461), which the sheet posts to
// every created page's OnPageNotify.
#pragma once

#include <cstdint>

#include "editor/form.h"

namespace ostrevan {
class CPropertyBasic;
}

namespace ostrevan::editor {

class PageModel : public FormModel {
 public:
  using FormModel::FormModel;

  bool created() const { return created_; }
  // Creates the page's window: fills the controls once.
  void Create();

  // False refuses the sheet's OK (the page tells the user why).
  virtual bool Validate() { return true; }
  // Controls into members.
  virtual void Store() {}
  // Members into the bound parameters.
  virtual void TakeBack() {}

  // The sheet that shows the page (set when the sheet adds it), or null.
  void AttachSheet(CPropertyBasic* sheet) { sheet_ = sheet; }
  CPropertyBasic* sheet() const { return sheet_; }
  // The sheet relays a notification: OnPageNotify runs and its changes
  // are reported to the view.
  void DeliverPageNotify(uintptr_t wparam, intptr_t lparam);

 protected:
  virtual void OnInit() {}
  // The notification that the sheet relays to every created page.
  virtual void OnPageNotify(uintptr_t wparam, intptr_t lparam) { (void)wparam; (void)lparam; }
  // Sends the sheet the page notification with these arguments; every
  // created page (this one too) gets it later through OnPageNotify.
  void NotifyPages(uintptr_t wparam, intptr_t lparam);

 private:
  bool created_ = false;
  CPropertyBasic* sheet_ = nullptr;
};

}  // namespace ostrevan::editor
