// The Modbus block: one transaction with another Modbus station over a
// serial port or the network.
#pragma once

#include <cstdint>

#include "blocks/modbus/modbus_params.h"
#include "core/codec_entity.h"

namespace ostrevan {

struct ModbusCodec {
  using Params = ModbusParams;
  static Params Defaults() { return {}; }
  static Params Parse(std::string_view text) { return ParseModbusText(text); }
  static std::string Text(const Params& params) { return ModbusText(params); }
  static bool Edit(Params& params);
  static void Write(RecordWriter& out, const Params& params, const BlockPlace& place);
  static void Read(RecordReader& in, Params& params);
};

class CModbusEntity : public CCodecEntity<ModbusCodec, 1, 100, 100> {
 public:
  // The host's buffer; the record itself has kRecordLength bytes.
  static constexpr uint32_t kRecordLength = 44;
};

}  // namespace ostrevan
