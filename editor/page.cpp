#include "editor/page.h"

#include "editor/sheet.h"

namespace ostrevan::editor {

void PageModel::Create() {
  if (created_) return;
  created_ = true;
  OnInit();
  ReportChanges();
}

void PageModel::DeliverPageNotify(uintptr_t wparam, intptr_t lparam) {
  OnPageNotify(wparam, lparam);
  ReportChanges();
}

void PageModel::NotifyPages(uintptr_t wparam, intptr_t lparam) {
  if (sheet_) sheet_->OnMessage(kPageNotifyMessage, wparam, lparam);
}

}  // namespace ostrevan::editor
