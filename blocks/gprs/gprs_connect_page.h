// The GPRS Connect block's page: the time-out, the server and how the
// connection is closed.
#pragma once

#include "blocks/gprs/gprs_connect_entity.h"
#include "blocks/gprs/gprs_server_page.h"

namespace ostrevan {

namespace editor {
class EditorView;
}

class CPropertyGprsConnect : public GprsServerPage {
 public:
  static constexpr int kTemplateId = 4763;
  static constexpr int kCloseMode = 1183;

  explicit CPropertyGprsConnect(GprsConnectParams& params);

  void Store() override;
  void TakeBack() override;

 protected:
  void OnInit() override;
  void OnSelectionChanged(int id) override;

 private:
  GprsConnectParams* params_;
  GprsConnectParams values_;
};

// Runs the sheet with the GPRS Connect page; true after OK with `params`
// taken back.
bool EditGprsConnect(GprsConnectParams& params, editor::EditorView& view);

}  // namespace ostrevan
