#include "blocks/gprs/gprs_connect_entity.h"

#include "blocks/gprs/gprs_connect_page.h"
#include "core/param_text.h"
#include "core/record_header.h"
#include "core/text_builder.h"
#include "editor/editor_view.h"

namespace ostrevan {

namespace {

constexpr RecordHead kHead{0x49, 1, 1, 0x00};
constexpr uint8_t kCloseSceneBit = 0x04;
constexpr size_t kModeOffset = 9;
constexpr size_t kTimeoutOffset = 10;
constexpr size_t kPortOffset = 11;
constexpr size_t kAddressOffset = 13;

}  // namespace

GprsConnectParams ParseGprsConnectText(std::string_view text) {
  GprsConnectParams params;
  if (auto span = FieldSpan(text, "A:", "B:")) {
    ScannedInts<5> scanned = ScanInts<5>(*span);
    params.timeout = static_cast<uint8_t>(scanned[0]);
    params.server.system_settings = scanned[1] != 0;
    params.server.by_domain = scanned[2] != 0;
    params.close_mode = static_cast<uint32_t>(scanned[3]);
    params.server.port = static_cast<uint16_t>(scanned[4]);
  }
  if (auto span = FieldSpan(text, "B:", "")) ReadServerAddress(*span, params.server);
  return params;
}

std::string GprsConnectText(const GprsConnectParams& params) {
  const GprsServer& server = params.server;
  TextBuilder text;
  text.Text("A:").Ints(params.timeout, server.system_settings, server.by_domain, params.close_mode,
                       server.port);
  text.Text(",B:");
  PutServerAddress(text, server);
  return text.str();
}

int CGprsConnectEntity::SetDefault(char* param) {
  return WriteParamText(param, GprsConnectText(GprsConnectParams{}), kParamLength);
}

int CGprsConnectEntity::Edit(char* param) {
  editor::EditorView* view = editor::ActiveView();
  if (!param || !view) return 0;
  auto params = ParseGprsConnectText(ReadParamText(param));
  if (!EditGprsConnect(params, *view)) return 0;
  return WriteParamText(param, GprsConnectText(params), kParamLength);
}

int CGprsConnectEntity::Code(const char* param, uint8_t* record, uint32_t* len) {
  GprsConnectParams params = ParseGprsConnectText(ReadParamText(param));
  if (!AdmitInstance()) return -2;
  RecordWriter out = MakeWriter(record, kCodeLength);
  PutRecordHead(out, kHead, instance_index());
  uint8_t mode = ServerModeBits(params.server);
  if (params.close_mode == 1) mode |= kCloseSceneBit;
  out.PutU8(mode, "custom 01|domain 02|close 04");
  out.PutU8(params.timeout, "timeout (min)");
  out.PutU16LE(params.server.port, "server port");
  PutServerAddress(out, params.server);
  PutReservedRun(out);
  PutPinArea(out, kHead);
  return FinishCode(out, len);
}

int CGprsConnectEntity::Decode(char* param, const uint8_t* record, uint32_t len) {
  GprsConnectParams params = ParseGprsConnectText(ReadParamText(param));
  RecordReader in(record, len);
  uint8_t mode = in.At(kModeOffset);
  ApplyServerModeBits(mode, params.server);
  params.close_mode = (mode & kCloseSceneBit) ? 1 : 0;
  params.timeout = in.At(kTimeoutOffset);
  params.server.port = in.U16LE(kPortOffset);
  ReadServerAddress(in, kAddressOffset, params.server);
  return WriteParamText(param, GprsConnectText(params), kParamLength);
}

}  // namespace ostrevan
