#include "blocks/gprs/gprs_connect_entity.h"

#include <array>

#include "blocks/gprs/gprs_connect_page.h"
#include "core/canonical_text.h"
#include "core/host_text.h"
#include "core/param_text.h"
#include "core/record_raw.h"
#include "core/record_header.h"
#include "core/text_builder.h"
#include "editor/editor_view.h"

namespace ostrevan {

namespace {

constexpr RecordHead kHead{0x49, 1, 1, 0x00};
constexpr uint8_t kCloseSceneBit = 0x04;

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

bool GprsConnectCodec::QuickParse(std::string_view whole, Params& params) {
  CanonicalText text(whole);
  std::array<int32_t, 5> values;
  if (!text.Key("A:") || !text.Ints(values) || !text.Key(",B:")) return false;
  params.timeout = static_cast<uint8_t>(values[0]);
  params.server.system_settings = values[1] != 0;
  params.server.by_domain = values[2] != 0;
  params.close_mode = static_cast<uint32_t>(values[3]);
  params.server.port = static_cast<uint16_t>(values[4]);
  // The address runs to the end whatever it holds: the first "B:" is its key.
  const std::string_view address = text.UpTo("");
  if (!address.empty()) ReadServerAddress(address, params.server);
  return true;
}

template <class Out>
void GprsConnectCodec::Print(Out& text, const Params& params) {
  const GprsServer& server = params.server;
  text.Text("A:").Ints(params.timeout, server.system_settings, server.by_domain, params.close_mode,
                       server.port);
  text.Text(",B:");
  PrintServerAddress(text, server);
}

std::string GprsConnectText(const GprsConnectParams& params) {
  TextBuilder text;
  GprsConnectCodec::Print(text, params);
  return text.str();
}

bool GprsConnectCodec::Edit(Params& params) {
  return editor::EditInActiveView(params, EditGprsConnect);
}

template <class Out>
void GprsConnectCodec::Write(Out& out, const Params& params, const BlockPlace& place) {
  PutRecordHead(out, kHead, place.instance_index);
  uint8_t mode = ServerModeBits(params.server);
  if (params.close_mode == 1) mode |= kCloseSceneBit;
  out.PutU8(mode, "custom 01|domain 02|close 04");
  out.PutU8(params.timeout, "timeout (min)");
  out.PutU16LE(params.server.port, "server port");
  PutServerAddress(out, params.server);
  PutReservedRun(out);
  PutPinArea(out, kHead);
}

template <class In>
void GprsConnectCodec::Read(In& in, Params& params) {
  ReadRecordHead(in, kHead);
  uint8_t mode = in.GetU8("custom 01|domain 02|close 04");
  ApplyServerModeBits(mode, params.server);
  params.close_mode = (mode & kCloseSceneBit) ? 1 : 0;
  params.timeout = in.GetU8("timeout (min)");
  params.server.port = in.GetU16LE("server port");
  ReadServerAddress(in, params.server);
  SkipReservedRun(in);
  SkipPinArea(in, kHead);
}

template void GprsConnectCodec::Print(HostText&, const Params&);
template void GprsConnectCodec::Write(RecordWriter&, const Params&, const BlockPlace&);
template void GprsConnectCodec::Write(RawRecordWriter&, const Params&, const BlockPlace&);
template void GprsConnectCodec::Read(RecordReader&, Params&);
template void GprsConnectCodec::Read(RawRecordReader&, Params&);

}  // namespace ostrevan
