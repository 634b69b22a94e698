// The link settings of the Modbus page: a child form for a serial port and
// one for a network port, each bound to the block's parameters and shown
// inside the page's frame.
#pragma once

#include <cstdint>

#include "blocks/modbus/modbus_params.h"
#include "editor/page.h"

namespace ostrevan {

class CPropertyModbusRs232 : public editor::PageModel {
 public:
  static constexpr int kTemplateId = 4781;
  static constexpr int kProtocol = 1181;
  static constexpr int kBaudRate = 1005;
  static constexpr int kDataBits = 1190;
  static constexpr int kStopBits = 1191;
  static constexpr int kParity = 1192;
  static constexpr int kTimeout = 1187;

  explicit CPropertyModbusRs232(ModbusParams& params);
  void Store() override;
  void TakeBack() override;

 protected:
  void OnInit() override;
  void OnSelectionChanged(int id) override;

 private:
  ModbusParams* params_;
  uint8_t protocol_;
  uint32_t baud_rate_;
  uint8_t data_bits_;
  uint8_t stop_bits_;
  uint8_t parity_;
  uint8_t timeout_;
};

class CPropertyModbusNet : public editor::PageModel {
 public:
  static constexpr int kTemplateId = 4782;
  static constexpr int kLocalCpu = 1191;
  static constexpr int kTransport = 1244;
  static constexpr int kRemote = 1005;
  static constexpr int kTargetIp = 1156;
  static constexpr int kTargetPort = 1182;
  static constexpr int kProtocol = 1181;
  static constexpr int kTimeout = 1187;

  explicit CPropertyModbusNet(ModbusParams& params);
  void Store() override;
  void TakeBack() override;

 protected:
  void OnInit() override;
  void OnSelectionChanged(int id) override;

 private:
  void ApplyEnabling();

  ModbusParams* params_;
  uint8_t protocol_;
  uint8_t timeout_;
  uint32_t target_port_;
  uint32_t remote_index_;
  bool tcp_;
  bool server_;
  std::array<uint8_t, 4> target_ip_;
};

// The protocol list shared by both: item text to protocol code and back.
std::vector<std::string> ProtocolItems();
int ProtocolItem(uint8_t protocol);            // -1 for a code without an item
uint8_t ProtocolOfItem(int item);

}  // namespace ostrevan
