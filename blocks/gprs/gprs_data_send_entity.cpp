#include "blocks/gprs/gprs_data_send_entity.h"

#include <array>

#include "blocks/gprs/gprs_data_send_page.h"
#include "core/canonical_text.h"
#include "core/data_index.h"
#include "core/host_text.h"
#include "core/param_text.h"
#include "core/record_header.h"
#include "core/record_raw.h"
#include "core/text_builder.h"
#include "editor/editor_view.h"

namespace ostrevan {

namespace {

constexpr RecordHead kHead{0x48, 2, 1, 0x01};

}  // namespace

GprsDataSendParams ParseGprsDataSendText(std::string_view whole) {
  GprsDataSendParams params;
  const KeyedText text(whole);
  GprsServer& server = params.server;
  if (auto span = FieldSpan(text, "A:", ",B:")) {
    ScannedInts<3> scanned = ScanInts<3>(*span);
    server.system_settings = scanned[0] != 0;
    server.by_domain = scanned[1] != 0;
    params.timeout = static_cast<uint8_t>(scanned[2]);
  }
  // With the PLC's own settings the text carries no server.
  if (!server.system_settings) {
    if (auto span = FieldSpan(text, ",B:", ",C:")) server.port = static_cast<uint16_t>(LeadingInt(*span));
    if (auto span = FieldSpan(text, ",C:", ",D:")) ReadServerAddress(*span, server);
  }
  if (auto span = FieldSpan(text, ",D:", ",E:")) {
    ScannedInts<4> scanned = ScanInts<4>(*span);
    params.slave_address = static_cast<uint32_t>(scanned[0]);
    params.spare = static_cast<uint8_t>(scanned[1]);
    params.command = static_cast<uint8_t>(scanned[2]);
    params.high_low = scanned[3] != 0;
  }
  if (auto span = FieldSpan(text, ",E:", "")) {
    ScannedInts<5> scanned = ScanInts<5>(*span);
    params.register_address = static_cast<uint32_t>(scanned[0]);
    params.data_area = static_cast<uint8_t>(scanned[1]);
    params.data_index = static_cast<uint16_t>(scanned[2]);
    params.count_byte = static_cast<uint8_t>(scanned[3]);
    params.count = static_cast<uint32_t>(scanned[4]);
  }
  return params;
}

bool GprsDataSendCodec::QuickParseForDecode(std::string_view text, Params& params) {
  // The usual text ends with the two lists, plain numbers from the first
  // ",D:" on: one walk reads both. The general way finds the same spans
  // when no ",E:" stands before that ",D:" (the lists hold no key).
  const size_t remote_at = FindKey(text, ",D:");
  if (remote_at != kNotFound) {
    CanonicalText lists(text, remote_at);
    std::array<int32_t, 4> remote;
    std::array<int32_t, 5> local;
    if (lists.Key(",D:") && lists.Ints(remote) && lists.Key(",E:") && lists.Ints(local) &&
        lists.AtEnd() && FindKey(text.substr(0, remote_at), ",E:") == kNotFound) {
      params.spare = static_cast<uint8_t>(remote[1]);
      params.count_byte = static_cast<uint8_t>(local[3]);
      return true;
    }
  }
  // Any other text: a scan's first values do not depend on the ones behind them.
  if (auto span = FieldSpan(text, ",D:", ",E:"))
    params.spare = static_cast<uint8_t>(ScanPlainInts<2>(*span)[1]);
  if (auto span = FieldSpan(text, ",E:", ""))
    params.count_byte = static_cast<uint8_t>(ScanPlainInts<4>(*span)[3]);
  return true;
}

bool GprsDataSendCodec::QuickParse(std::string_view whole, Params& params) {
  CanonicalText text(whole);
  GprsServer& server = params.server;
  std::array<int32_t, 3> head;
  if (!text.Key("A:") || !text.Ints(head)) return false;
  server.system_settings = head[0] != 0;
  server.by_domain = head[1] != 0;
  params.timeout = static_cast<uint8_t>(head[2]);
  if (server.system_settings) {
    if (!text.Key(",B:0,C:")) return false;
  } else {
    int32_t port = 0;
    if (!text.Key(",B:") || !text.Int(port) || !text.Key(",C:")) return false;
    server.port = static_cast<uint16_t>(port);
    if (!server.by_domain) {
      std::array<int32_t, 4> ip;
      if (!text.Ints(ip, '.')) return false;
      for (size_t i = 0; i < ip.size(); ++i) server.ip[i] = static_cast<uint8_t>(ip[i]);
    } else {
      // The name runs to the first ",D:"; a later key inside it would be
      // found there by the general grammar.
      const std::string_view address = text.UpTo(",D:");
      if (HoldsAnyKey(address, {",E:"})) return false;
      if (!address.empty()) ReadServerAddress(address, server);
    }
  }
  std::array<int32_t, 4> remote;
  std::array<int32_t, 5> local;
  if (!text.Key(",D:") || !text.Ints(remote) || !text.Key(",E:") || !text.Ints(local) ||
      !text.AtEnd())
    return false;
  params.slave_address = static_cast<uint32_t>(remote[0]);
  params.spare = static_cast<uint8_t>(remote[1]);
  params.command = static_cast<uint8_t>(remote[2]);
  params.high_low = remote[3] != 0;
  params.register_address = static_cast<uint32_t>(local[0]);
  params.data_area = static_cast<uint8_t>(local[1]);
  params.data_index = static_cast<uint16_t>(local[2]);
  params.count_byte = static_cast<uint8_t>(local[3]);
  params.count = static_cast<uint32_t>(local[4]);
  return true;
}

std::string GprsDataSendText(const GprsDataSendParams& params) {
  TextBuilder text;
  GprsDataSendCodec::Print(text, params);
  return text.str();
}

template <class Out>
void GprsDataSendCodec::Print(Out& text, const Params& params) {
  const GprsServer& server = params.server;
  text.Text("A:").Ints(server.system_settings, server.by_domain, params.timeout);
  if (server.system_settings) {
    text.Text(",B:0,C:");
  } else {
    text.Text(",B:").Int(server.port).Text(",C:");
    PrintServerAddress(text, server);
  }
  text.Text(",D:").Ints(params.slave_address, params.spare, params.command, params.high_low);
  text.Text(",E:").Ints(params.register_address, params.data_area, params.data_index,
                        params.count_byte, params.count);
}

bool GprsDataSendCodec::Edit(Params& params) {
  return editor::EditInActiveView(params, EditGprsDataSend);
}

template <class Out>
void GprsDataSendCodec::Write(Out& out, const Params& params, const BlockPlace& place) {
  PutRecordHead(out, kHead, place.instance_index);
  out.PutU8(1, "(always 1)");
  out.PutU8(ServerModeBits(params.server), "custom 01|domain 02");
  out.PutU8(params.timeout, "timeout (s)");
  out.PutU16LE(params.server.port, "server port");
  PutServerAddress(out, params.server);
  out.PutU8(params.command, "Modbus function");
  out.PutU16BE(static_cast<uint16_t>(params.register_address), "register address");
  out.PutU8(static_cast<uint8_t>(params.count), "count");
  out.PutU8(params.data_area, "data area");
  out.PutU8(DataIndexLowByte(params.data_index), "data index (low)");
  out.PutU8(static_cast<uint8_t>(params.slave_address), "slave address");
  out.PutU8(DataIndexHighAndOrder(params.data_index, params.high_low),
            "index hi<<2 | low-high 01");
  PutReservedRun(out);
  PutPinArea(out, kHead);
}

template <class In>
void GprsDataSendCodec::Read(In& in, Params& params) {
  ReadRecordHead(in, kHead);
  in.GetU8("(always 1)");
  ApplyServerModeBits(in.GetU8("custom 01|domain 02"), params.server);
  params.timeout = in.GetU8("timeout (s)");
  params.server.port = in.GetU16LE("server port");
  ReadServerAddress(in, params.server);
  params.command = in.GetU8("Modbus function");
  params.register_address = in.GetU16BE("register address");
  params.count = in.GetU8("count");
  params.data_area = in.GetU8("data area");
  uint8_t index_low = in.GetU8("data index (low)");
  params.slave_address = in.GetU8("slave address");
  uint8_t index_high_and_order = in.GetU8("index hi<<2 | low-high 01");
  params.data_index = DataIndexFromBytes(index_low, index_high_and_order);
  params.high_low = (index_high_and_order & 0x01) == 0;
  SkipReservedRun(in);
  SkipPinArea(in, kHead);
}

template void GprsDataSendCodec::Print(TextBuilder&, const Params&);
template void GprsDataSendCodec::Print(HostText&, const Params&);
template void GprsDataSendCodec::Write(RecordWriter&, const Params&, const BlockPlace&);
template void GprsDataSendCodec::Write(RawRecordWriter&, const Params&, const BlockPlace&);
template void GprsDataSendCodec::Read(RecordReader&, Params&);
template void GprsDataSendCodec::Read(RawRecordReader&, Params&);

}  // namespace ostrevan
