#include "blocks/gprs/gprs_server.h"

#include "core/host_text.h"
#include "core/param_text.h"
#include "core/record_raw.h"
#include "core/text_builder.h"

namespace ostrevan {

namespace {

constexpr uint8_t kCustomizeBit = 0x01;
constexpr size_t kIpFieldWidth = 6;  // four parts and two zero bytes

}  // namespace

void ReadServerAddress(std::string_view span, GprsServer& server) {
  if (server.by_domain) {
    server.domain_name = RemoveQuotes(span).substr(0, kDomainNameWidth);
    return;
  }
  ScannedInts<4> parts = ScanInts<4>(span, '.');
  for (size_t i = 0; i < server.ip.size(); ++i) server.ip[i] = static_cast<uint8_t>(parts[i]);
}

template <class Out>
void PrintServerAddress(Out& text, const GprsServer& server) {
  if (server.by_domain) {
    text.Text(server.domain_name);
  } else {
    PutIpv4(text, server.ip);
  }
}

uint8_t ServerModeBits(const GprsServer& server) {
  return static_cast<uint8_t>((server.system_settings ? 0 : kCustomizeBit) |
                              (server.by_domain ? kDomainNameBit : 0));
}

void ApplyServerModeBits(uint8_t bits, GprsServer& server) {
  server.system_settings = (bits & kCustomizeBit) == 0;
  server.by_domain = (bits & kDomainNameBit) != 0;
}

template <class Out>
void PutServerAddress(Out& out, const GprsServer& server) {
  if (server.by_domain) {
    out.PutFixedText(server.domain_name, kDomainNameWidth, "server domain name");
    return;
  }
  out.PutBytes(server.ip.data(), server.ip.size(), "server IP");
  out.PutZeros(kIpFieldWidth - server.ip.size(), "(after IP)");
}

template <class In>
void ReadServerAddress(In& in, GprsServer& server) {
  server.domain_name.clear();
  server.ip = {0, 0, 0, 0};
  if (server.by_domain) {
    server.domain_name = in.GetTextOfBytes1To127(kDomainNameWidth, "server domain name");
    return;
  }
  in.GetBytes(server.ip.data(), server.ip.size(), "server IP");
  in.Skip(kIpFieldWidth - server.ip.size(), "(after IP)");
}

template void PrintServerAddress(TextBuilder&, const GprsServer&);
template void PrintServerAddress(HostText&, const GprsServer&);
template void PutServerAddress(RecordWriter&, const GprsServer&);
template void PutServerAddress(RawRecordWriter&, const GprsServer&);
template void ReadServerAddress(RecordReader&, GprsServer&);
template void ReadServerAddress(RawRecordReader&, GprsServer&);

}  // namespace ostrevan
