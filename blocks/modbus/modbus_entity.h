// The Modbus block: one transaction with another Modbus station over a
// serial port or the network.
#pragma once

#include <cstdint>

#include "blocks/modbus/modbus_params.h"
#include "core/entity.h"

namespace ostrevan {

class CModbusEntity : public CBlockEntity<1, 100, 100> {
 public:
  // The host's buffer; the record itself has kRecordLength bytes.
  static constexpr uint32_t kRecordLength = 44;

  int SetDefault(char* param) override;
  int Edit(char* param) override;
  int Code(const char* param, uint8_t* record, uint32_t* len) override;
  int Decode(char* param, const uint8_t* record, uint32_t len) override;
};

}  // namespace ostrevan
