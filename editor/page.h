// A page of the block editor sheet, or a child form inside a page.
//
// Life of a page: constructed bound to the block's parameters (copying what
// it shows into its own members); Create() when its tab is first shown
// (fills the controls); Validate() and Store() when the sheet's OK is
// pressed and the page was created; TakeBack() writes the members into the
// parameters. A page that was never created keeps what it was loaded with.
#pragma once

#include <cstdint>

#include "editor/form.h"

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
  // The notification that the sheet relays to every created page.
  virtual void OnPageNotify(uintptr_t wparam, intptr_t lparam) { (void)wparam; (void)lparam; }

 protected:
  virtual void OnInit() {}

 private:
  bool created_ = false;
};

}  // namespace ostrevan::editor
