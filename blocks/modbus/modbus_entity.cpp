#include "blocks/modbus/modbus_entity.h"

#include "blocks/modbus/modbus_page.h"
#include "core/param_text.h"
#include "core/ports.h"
#include "core/record_header.h"
#include "editor/editor_view.h"

namespace ostrevan {

namespace {

constexpr RecordHead kHead{0x81, 2, 1, 0x00};

uint8_t LinkFlags(const ModbusParams& params) {
  uint8_t flags = 0x01;
  if (!params.tcp) flags |= 0x02;
  if (!params.server) flags |= 0x04;
  return flags;
}

void PutLink(RecordWriter& out, const ModbusParams& params) {
  if (IsNetworkPort(static_cast<int32_t>(params.port))) {
    if (params.server) {
      out.PutU16BE(static_cast<uint16_t>(params.target_port), "target port");
    } else {
      out.PutU8(static_cast<uint8_t>(params.remote_index), "remote index");
      out.PutU8(0, "remote index pad");
    }
    out.PutBytes(params.target_ip.data(), 4, "target IP");
  } else {
    out.PutU16BE(static_cast<uint16_t>(params.baud_rate), "baud rate");
    out.PutU8(params.data_bits, "data bits");
    out.PutU8(params.stop_bits, "stop bits code");
    out.PutU8(params.parity, "parity code");
    out.PutZeros(1, "unused");
  }
}

}  // namespace

int CModbusEntity::SetDefault(char* param) {
  return WriteParamText(param, ModbusText(ModbusParams{}), kParamLength);
}

int CModbusEntity::Edit(char* param) {
  editor::EditorView* view = editor::ActiveView();
  if (!param || !view) return 0;
  ModbusParams params = ParseModbusText(ReadParamText(param));
  if (!EditModbus(params, *view)) return 0;
  return WriteParamText(param, ModbusText(params), kParamLength);
}

int CModbusEntity::Code(const char* param, uint8_t* record, uint32_t* len) {
  ModbusParams params = ParseModbusText(ReadParamText(param));
  if (!AdmitInstance()) return -2;
  RecordWriter out = MakeWriter(record, kCodeLength);
  PutRecordHead(out, kHead, instance_index());
  out.PutU8(static_cast<uint8_t>(params.port), "port");
  out.PutU8(LinkFlags(params), "link flags");
  PutLink(out, params);
  out.PutZeros(4, "reserved");
  out.PutU8(params.timeout, "timeout");
  out.PutU8(static_cast<uint8_t>(params.slave_address), "slave address");
  out.PutU8(params.protocol, "protocol");
  out.PutU8(params.function_code, "function code");
  out.PutU16BE(static_cast<uint16_t>(params.slave_register), "slave register");
  out.PutU8(static_cast<uint8_t>(params.count), "count");
  out.PutU8(params.data_area, "data area");
  out.PutU8(static_cast<uint8_t>(params.data_index & 0xFF), "data index low");
  // Low bit: "Low High" order; bits 2..7: data index bits 8..13.
  uint8_t order_and_index = static_cast<uint8_t>((params.high_low ? 0 : 1) |
                                                 ((params.data_index >> 8) & 0x3F) << 2);
  out.PutU8(order_and_index, "order and data index high");
  PutReservedRun(out);
  PutPinArea(out, kHead);
  return FinishCode(out, len);
}

int CModbusEntity::Decode(char* param, const uint8_t* record, uint32_t len) {
  ModbusParams params = ParseModbusText(ReadParamText(param));
  // Bytes past the host's length read as 0, never from beyond its buffer.
  RecordReader in(record, len);
  params.port = in.At(11);
  params.tcp = (in.At(12) & 0x02) == 0;
  params.server = (in.At(12) & 0x04) == 0;
  if (IsNetworkPort(static_cast<int32_t>(params.port))) {
    if (params.server) {
      params.target_port = in.U16BE(13);
    } else {
      params.remote_index = in.At(13);
    }
    for (size_t i = 0; i < 4; ++i) params.target_ip[i] = in.At(15 + i);
  } else {
    params.baud_rate = in.U16BE(13);
    params.data_bits = in.At(15);
    params.stop_bits = in.At(16);
    params.parity = in.At(17);
  }
  params.timeout = in.At(23);
  params.slave_address = in.At(24);
  params.protocol = in.At(25);
  params.function_code = in.At(26);
  params.slave_register = in.U16BE(27);
  params.count = in.At(29);
  params.data_area = in.At(30);
  params.data_index = static_cast<uint32_t>(in.At(32) >> 2) << 8 | in.At(31);
  params.high_low = (in.At(32) & 0x03) == 0;
  return WriteParamText(param, ModbusText(params), kParamLength);
}

}  // namespace ostrevan
