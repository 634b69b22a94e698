#include "blocks/wifi/wifi_entity.h"

#include "blocks/wifi/wifi_page.h"
#include "core/param_text.h"
#include "core/record_header.h"
#include "editor/editor_view.h"

namespace ostrevan {

namespace {

constexpr RecordHead kHead{0x76, 1, 1, 0x01};

}  // namespace

WifiParams ParseWifiText(std::string_view text) {
  WifiParams params;
  size_t value = FindField(text, "A:");
  if (value != kNotFound) params.mode = static_cast<uint8_t>(LeadingInt(std::string_view(text).substr(value)));
  return params;
}

std::string WifiText(const WifiParams& params) {
  std::string text = "A:";
  AppendDecimal(text, params.mode);
  return text;
}

int CWifiModeEntity::SetDefault(char* param) {
  return WriteParamText(param, WifiText(WifiParams{}), kParamLength);
}

int CWifiModeEntity::Edit(char* param) {
  editor::EditorView* view = editor::ActiveView();
  if (!param || !view) return 0;
  WifiParams params = ParseWifiText(ReadParamText(param));
  if (!EditWifi(params, *view)) return 0;
  return WriteParamText(param, WifiText(params), kParamLength);
}

int CWifiModeEntity::Code(const char* param, uint8_t* record, uint32_t* len) {
  WifiParams params = ParseWifiText(ReadParamText(param));
  if (!AdmitInstance()) return -2;
  RecordWriter out = MakeWriter(record, kCodeLength);
  PutRecordHead(out, kHead, instance_index());
  out.PutU8(params.mode, "WiFi mode");
  PutPinArea(out, kHead);
  PutReservedRun(out);
  return FinishCode(out, len);
}

int CWifiModeEntity::Decode(char* param, const uint8_t* record, uint32_t len) {
  WifiParams params = ParseWifiText(ReadParamText(param));
  params.mode = RecordReader(record, len).At(9);
  return WriteParamText(param, WifiText(params), kParamLength);
}

}  // namespace ostrevan
