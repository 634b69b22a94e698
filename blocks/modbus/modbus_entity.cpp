#include "blocks/modbus/modbus_entity.h"

#include "blocks/modbus/modbus_page.h"
#include "core/param_text.h"
#include "core/ports.h"
#include "core/record_header.h"
#include "core/record_raw.h"
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

template <class Out>
void PutLink(Out& out, const ModbusParams& params) {
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

template <class In>
void ReadLink(In& in, ModbusParams& params) {
  if (IsNetworkPort(static_cast<int32_t>(params.port))) {
    if (params.server) {
      params.target_port = in.GetU16BE("target port");
    } else {
      params.remote_index = in.GetU8("remote index");
      in.GetU8("remote index pad");
    }
    in.GetBytes(params.target_ip.data(), 4, "target IP");
  } else {
    params.baud_rate = in.GetU16BE("baud rate");
    params.data_bits = in.GetU8("data bits");
    params.stop_bits = in.GetU8("stop bits code");
    params.parity = in.GetU8("parity code");
    in.Skip(1, "unused");
  }
}

}  // namespace

bool ModbusCodec::Edit(Params& params) { return editor::EditInActiveView(params, EditModbus); }

template <class Out>
void ModbusCodec::Write(Out& out, const Params& params, const BlockPlace& place) {
  PutRecordHead(out, kHead, place.instance_index);
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
}

template <class In>
void ModbusCodec::Read(In& in, Params& params) {
  ReadRecordHead(in, kHead);
  params.port = in.GetU8("port");
  uint8_t flags = in.GetU8("link flags");
  params.tcp = (flags & 0x02) == 0;
  params.server = (flags & 0x04) == 0;
  ReadLink(in, params);
  in.Skip(4, "reserved");
  params.timeout = in.GetU8("timeout");
  params.slave_address = in.GetU8("slave address");
  params.protocol = in.GetU8("protocol");
  params.function_code = in.GetU8("function code");
  params.slave_register = in.GetU16BE("slave register");
  params.count = in.GetU8("count");
  params.data_area = in.GetU8("data area");
  uint8_t index_low = in.GetU8("data index low");
  uint8_t order_and_index = in.GetU8("order and data index high");
  params.data_index = static_cast<uint32_t>(order_and_index >> 2) << 8 | index_low;
  params.high_low = (order_and_index & 0x03) == 0;
  SkipReservedRun(in);
  SkipPinArea(in, kHead);
}

template void ModbusCodec::Write(RecordWriter&, const Params&, const BlockPlace&);
template void ModbusCodec::Write(RawRecordWriter&, const Params&, const BlockPlace&);
template void ModbusCodec::Read(RecordReader&, Params&);
template void ModbusCodec::Read(RawRecordReader&, Params&);

}  // namespace ostrevan
