#include "blocks/gprs/gprs_data_send_entity.h"

#include "blocks/gprs/gprs_data_send_page.h"
#include "core/data_index.h"
#include "core/param_text.h"
#include "core/record_header.h"
#include "core/text_builder.h"
#include "editor/editor_view.h"

namespace ostrevan {

namespace {

constexpr RecordHead kHead{0x48, 2, 1, 0x01};
constexpr size_t kModeOffset = 12;
constexpr size_t kTimeoutOffset = 13;
constexpr size_t kPortOffset = 14;
constexpr size_t kAddressOffset = 16;

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

std::string GprsDataSendText(const GprsDataSendParams& params) {
  const GprsServer& server = params.server;
  TextBuilder text;
  text.Text("A:").Ints(server.system_settings, server.by_domain, params.timeout);
  if (server.system_settings) {
    text.Text(",B:0,C:");
  } else {
    text.Text(",B:").Int(server.port).Text(",C:");
    PutServerAddress(text, server);
  }
  text.Text(",D:").Ints(params.slave_address, params.spare, params.command, params.high_low);
  text.Text(",E:").Ints(params.register_address, params.data_area, params.data_index,
                        params.count_byte, params.count);
  return text.str();
}

int CGprsDataSendEntity::SetDefault(char* param) {
  return WriteParamText(param, GprsDataSendText(GprsDataSendParams{}), kParamLength);
}

int CGprsDataSendEntity::Edit(char* param) {
  editor::EditorView* view = editor::ActiveView();
  if (!param || !view) return 0;
  auto params = ParseGprsDataSendText(ReadParamText(param));
  if (!EditGprsDataSend(params, *view)) return 0;
  return WriteParamText(param, GprsDataSendText(params), kParamLength);
}

int CGprsDataSendEntity::Code(const char* param, uint8_t* record, uint32_t* len) {
  GprsDataSendParams params = ParseGprsDataSendText(ReadParamText(param));
  if (!AdmitInstance()) return -2;
  RecordWriter out = MakeWriter(record, kCodeLength);
  PutRecordHead(out, kHead, instance_index());
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
  return FinishCode(out, len);
}

int CGprsDataSendEntity::Decode(char* param, const uint8_t* record, uint32_t len) {
  GprsDataSendParams params = ParseGprsDataSendText(ReadParamText(param));
  RecordReader in(record, len);
  ApplyServerModeBits(in.At(kModeOffset), params.server);
  params.timeout = in.At(kTimeoutOffset);
  params.server.port = in.U16LE(kPortOffset);
  ReadServerAddress(in, kAddressOffset, params.server);
  size_t p = EndOfServerAddress(kAddressOffset, params.server);
  params.command = in.At(p);
  params.register_address = in.U16BE(p + 1);
  params.count = in.At(p + 3);
  params.data_area = in.At(p + 4);
  params.data_index = DataIndexFromBytes(in.At(p + 5), in.At(p + 7));
  params.slave_address = in.At(p + 6);
  params.high_low = (in.At(p + 7) & 0x01) == 0;
  return WriteParamText(param, GprsDataSendText(params), kParamLength);
}

}  // namespace ostrevan
