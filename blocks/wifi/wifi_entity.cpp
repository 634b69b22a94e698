#include "blocks/wifi/wifi_entity.h"

#include "blocks/wifi/wifi_page.h"
#include "core/canonical_text.h"
#include "core/param_text.h"
#include "core/record_raw.h"
#include "core/text_builder.h"
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

bool WifiCodec::QuickParse(std::string_view text, Params& params) {
  CanonicalText in(text);
  int32_t mode = 0;
  if (!in.Key("A:") || !in.Int(mode) || !in.AtEnd()) return false;
  params.mode = static_cast<uint8_t>(mode);
  return true;
}

std::string WifiText(const WifiParams& params) {
  TextBuilder text;
  WifiCodec::Print(text, params);
  return text.str();
}

bool WifiCodec::Edit(Params& params) { return editor::EditInActiveView(params, EditWifi); }

template <class Out>
void WifiCodec::Write(Out& out, const Params& params, const BlockPlace& place) {
  PutRecordHead(out, kHead, place.instance_index);
  out.PutU8(params.mode, "WiFi mode");
  PutPinArea(out, kHead);
  PutReservedRun(out);
}

template <class In>
void WifiCodec::Read(In& in, Params& params) {
  ReadRecordHead(in, kHead);
  params.mode = in.GetU8("WiFi mode");
  SkipPinArea(in, kHead);
  SkipReservedRun(in);
}

template void WifiCodec::Write(RecordWriter&, const Params&, const BlockPlace&);
template void WifiCodec::Write(RawRecordWriter&, const Params&, const BlockPlace&);
template void WifiCodec::Read(RecordReader&, Params&);
template void WifiCodec::Read(RawRecordReader&, Params&);

}  // namespace ostrevan
