#include "blocks/wifi/wifi_page.h"

#include "editor/sheet.h"

namespace ostrevan {

using editor::ControlKind;
using editor::MakeControl;

CPropertyWifiMode::CPropertyWifiMode(WifiParams& params)
    : PageModel(kTemplateId, {200, 80}), params_(&params), mode_(params.mode) {
  Add(MakeControl(editor::LabelId(kModeList), ControlKind::kLabel, "WIFI Mode", {12, 14, 60, 10}));
  Add(MakeControl(kModeList, ControlKind::kDropList, "", {76, 12, 100, 60}, editor::kStretchRight));
}

void CPropertyWifiMode::OnInit() {
  SetItems(kModeList, {"AP", "STA"});
  // A mode without an entry shows no selection and is kept as it is.
  Select(kModeList, mode_ <= 1 ? mode_ : -1);
}

void CPropertyWifiMode::OnSelectionChanged(int id) {
  if (id != kModeList) return;
  int selection = At(kModeList).selection;
  if (selection == 0 || selection == 1) mode_ = static_cast<uint8_t>(selection);
}

void CPropertyWifiMode::TakeBack() { params_->mode = mode_; }

bool EditWifi(WifiParams& params, editor::EditorView& view) {
  std::vector<SheetPage> pages;
  pages.push_back({"Params", std::make_unique<CPropertyWifiMode>(params)});
  return EditInSheet(view, std::move(pages));
}

}  // namespace ostrevan
