// The GPRS Data Send block's page: the time-out, the server, and the
// Modbus write: command, remote register, count, local data and slave.
#pragma once

#include <cstdint>

#include "blocks/gprs/gprs_data_send_entity.h"
#include "blocks/gprs/gprs_server_page.h"

namespace ostrevan {

namespace editor {
class EditorView;
}

class CPropertyGprsDataSend : public GprsServerPage {
 public:
  static constexpr int kTemplateId = 4764;
  static constexpr int kCommand = 1292;
  static constexpr int kRegisterAddress = 1291;
  static constexpr int kCount = 1185;
  static constexpr int kDataAddress = 1294;
  static constexpr int kSlaveAddress = 1182;
  static constexpr int kOrder = 1184;
  static constexpr int kHintMilliseconds = 30000;

  explicit CPropertyGprsDataSend(GprsDataSendParams& params);

  bool Validate() override;
  void Store() override;
  void TakeBack() override;

 protected:
  void OnInit() override;
  void OnSelectionChanged(int id) override;
  void OnTextChanged(int id) override;
  void OnPrivateMessage(uintptr_t wparam) override;

 private:
  void ApplyCountLimit();
  void ShowHint();
  void ParseDataAddress();

  GprsDataSendParams* params_;
  GprsDataSendParams values_;
};

// Runs the sheet with the GPRS Data Send page; true after OK with `params`
// taken back.
bool EditGprsDataSend(GprsDataSendParams& params, editor::EditorView& view);

}  // namespace ostrevan
