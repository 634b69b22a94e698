#include "editor/page.h"

namespace ostrevan::editor {

void PageModel::Create() {
  if (created_) return;
  created_ = true;
  OnInit();
  ReportChanges();
}

}  // namespace ostrevan::editor
