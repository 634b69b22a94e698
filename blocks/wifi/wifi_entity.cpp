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

bool WifiCodec::Edit(Params& params) { return editor::EditInActiveView(params, EditWifi); }

void WifiCodec::Write(RecordWriter& out, const Params& params, const BlockPlace& place) {
  PutRecordHead(out, kHead, place.instance_index);
  out.PutU8(params.mode, "WiFi mode");
  PutPinArea(out, kHead);
  PutReservedRun(out);
}

void WifiCodec::Read(RecordReader& in, Params& params) {
  ReadRecordHead(in, kHead);
  params.mode = in.GetU8("WiFi mode");
  SkipPinArea(in, kHead);
  SkipReservedRun(in);
}

}  // namespace ostrevan
