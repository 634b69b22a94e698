// The WIFI block's page: the mode as "AP" or "STA".
#pragma once

#include <memory>

#include "blocks/wifi/wifi_entity.h"
#include "editor/page.h"

namespace ostrevan {

class CPropertyWifiMode : public editor::PageModel {
 public:
  static constexpr int kTemplateId = 4790;
  static constexpr int kModeList = 1401;

  explicit CPropertyWifiMode(WifiParams& params);

  void TakeBack() override;

 protected:
  void OnInit() override;
  void OnSelectionChanged(int id) override;

 private:
  WifiParams* params_;
  uint8_t mode_;
};

// Runs the sheet with the WIFI page; true after OK with `params` taken back.
bool EditWifi(WifiParams& params, editor::EditorView& view);

}  // namespace ostrevan
