// The Modbus block: one transaction with another Modbus station over a
// serial port or the network.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "blocks/modbus/modbus_params.h"
#include "core/codec_entity.h"

namespace ostrevan {

struct ModbusCodec {
  using Params = ModbusParams;
  static Params Defaults() { return {}; }
  static constexpr size_t kLongestRecord = 44;
  static Params Parse(std::string_view text) { return ParseModbusText(text); }
  static bool QuickParse(std::string_view text, Params& params) {
    return QuickParseModbusText(text, params);
  }
  static bool QuickParseForDecode(std::string_view text, Params& params) {
    ReadModbusTextForDecode(text, params);
    return true;
  }
  template <class Out>
  static void Print(Out& text, const Params& params) {
    PrintModbusText(text, params);
  }
  static std::string Text(const Params& params) { return ModbusText(params); }
  static bool Edit(Params& params);
  template <class Out>
  static void Write(Out& out, const Params& params, const BlockPlace& place);
  template <class In>
  static void Read(In& in, Params& params);
};

class CModbusEntity : public CCodecEntity<ModbusCodec, 1, 100, 100> {
 public:
  // The host's buffer; the record itself has kRecordLength bytes.
  static constexpr uint32_t kRecordLength = 44;
};

}  // namespace ostrevan
