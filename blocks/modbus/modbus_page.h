// The Modbus block's page: the transaction fields, with the link settings
// in a child form that follows the port's kind.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "blocks/modbus/modbus_params.h"
#include "core/ports.h"
#include "editor/page.h"

namespace ostrevan {

namespace editor {
class EditorView;
}

// The port drop-down's state: entries, selection and the bound port code.
using CComboBox232485 = PortList;

class CPropertyModbus : public editor::PageModel {
 public:
  static constexpr int kTemplateId = 4653;
  static constexpr int kPortList = 1183;
  static constexpr int kSlaveAddress = 1182;
  static constexpr int kOrder = 1184;
  static constexpr int kCommand = 1292;
  static constexpr int kSlaveRegister = 1291;
  static constexpr int kDataAddress = 1294;
  static constexpr int kCount = 1185;
  static constexpr int kLinkFrame = 10032;
  static constexpr int kHintMilliseconds = 30000;

  explicit CPropertyModbus(ModbusParams& params);

  bool Validate() override;
  void Store() override;
  void TakeBack() override;

  // The child form in the frame: serial or network settings.
  editor::PageModel* link_page() const;

 protected:
  void OnInit() override;
  void OnSelectionChanged(int id) override;

 private:
  void ExchangeEdits();
  void ApplyCountLimit();
  void ShowHint();
  void CreateLinkPage();

  ModbusParams* params_;
  CComboBox232485 port_list_;
  uint32_t port_;
  uint32_t slave_address_;
  uint8_t function_code_;
  uint32_t count_;
  uint32_t slave_register_;
  uint8_t data_area_;
  uint32_t data_index_;
  bool high_low_;
  std::string data_address_;
};

// The command list: item texts and their function codes, in list order.
struct ModbusCommand {
  int code;
  const char* text;
};
extern const ModbusCommand kModbusCommands[6];

// The largest count a function code allows.
uint32_t MaxModbusCount(int function_code);

// Runs the sheet with the Modbus page; true after OK with `params` taken back.
bool EditModbus(ModbusParams& params, editor::EditorView& view);

}  // namespace ostrevan
