#include "blocks/gprs/gprs_connect_page.h"

#include <memory>
#include <vector>

#include "editor/sheet.h"

namespace ostrevan {

using editor::ControlKind;

CPropertyGprsConnect::CPropertyGprsConnect(GprsConnectParams& params)
    : GprsServerPage(kTemplateId, {300, 120}, values_.server, values_.timeout),
      params_(&params),
      values_(params) {
  AddServerControls("min", 8);
  AddLabeled(kCloseMode, ControlKind::kDropList, "GPRS Close", {84, 90, 100, 60});
}

void CPropertyGprsConnect::OnInit() {
  OpenServer({1, 100});
  SetItems(kCloseMode, {"DisConnect", "Close mobile scene"});
  // A mode without an item shows none and is kept as read.
  Select(kCloseMode, values_.close_mode <= 1 ? static_cast<int>(values_.close_mode) : -1);
}

void CPropertyGprsConnect::OnSelectionChanged(int id) {
  int selection = At(id).selection;
  if (id == kCloseMode && selection >= 0) values_.close_mode = static_cast<uint32_t>(selection);
}

void CPropertyGprsConnect::Store() { StoreServer(); }

void CPropertyGprsConnect::TakeBack() { *params_ = values_; }

bool EditGprsConnect(GprsConnectParams& params, editor::EditorView& view) {
  std::vector<SheetPage> pages;
  pages.push_back({"Params", std::make_unique<CPropertyGprsConnect>(params)});
  return EditInSheet(view, std::move(pages));
}

}  // namespace ostrevan
