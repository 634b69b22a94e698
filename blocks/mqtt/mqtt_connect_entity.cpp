#include "blocks/mqtt/mqtt_connect_entity.h"

#include <algorithm>
#include <array>

#include "blocks/mqtt/mqtt_connect_page.h"
#include "blocks/mqtt/mqtt_fields.h"
#include "blocks/mqtt/string_section.h"
#include "core/canonical_text.h"
#include "core/host_text.h"
#include "core/param_text.h"
#include "core/record_header.h"
#include "core/record_raw.h"
#include "core/text_builder.h"
#include "editor/editor_view.h"

namespace ostrevan {

namespace {

using namespace mqtt;

constexpr RecordHead kHead{0x8B, 1, 2, 0x01};

// Bits of the connection flags byte.
constexpr int kByIpBit = 0;
constexpr int kAlwaysSetBit = 2;
constexpr int kTlsBit = 5;
constexpr int kCleanSessionBit = 7;

// Field values are at most this long; A is shorter.
constexpr size_t kMaxValue = 259;
constexpr size_t kMaxNumbers = 99;

static_assert(MqttConnectCodec::kLongestRecord ==
              MqttConnectCodec::kStringsAt + kLongestStringSection + 8 +
                  kCertificateFiles * kMaxCertificateBytes);

constexpr std::string_view kKeys[] = {"A:", ",B:", ",C:", ",D:", ",E:", ",F:", ",G:", ",H:", ",I:"};
enum Key { kA, kB, kC, kD, kE, kF, kG, kH, kI };

std::optional<std::string_view> Value(const KeyedText& text, Key key,
                                      size_t max_length = kMaxValue) {
  const std::string_view next = key == kI ? std::string_view() : kKeys[key + 1];
  return FieldValue(text, kKeys[key], next, max_length);
}

// A value cut to kMaxValue characters, as the general way cuts it.
std::string_view Cut(std::string_view value) {
  return {value.data(), std::min(value.size(), kMaxValue)};
}

void ReadFreeText(const KeyedText& text, Key key, std::string& field) {
  if (std::optional<std::string_view> value = Value(text, key)) field = RemoveQuotes(*value);
}

void ReadNumbers(const KeyedText& text, MqttConnectParams& params) {
  std::optional<std::string_view> value = Value(text, kA, kMaxNumbers);
  if (!value) return;
  int* const fields[] = {&params.ping_interval,  &params.connection_timeout, &params.reserved_a3,
                         &params.port,           &params.clean_session,      &params.tls,
                         &params.by_domain_name, &params.reserved_a8,        &params.network};
  TextPieces<std::size(fields)> items = SplitPieces<std::size(fields)>(*value, ',');
  for (size_t i = 0; i < items.size(); ++i) *fields[i] = LeadingInt(items[i]);
  for (int* flag :
       {&params.clean_session, &params.tls, &params.by_domain_name, &params.reserved_a8})
    *flag = AsFlag(*flag);
}

template <class Settings>
void AssignNumbers(const std::array<int32_t, 9>& numbers, Settings& params) {
  params.ping_interval = numbers[0];
  params.connection_timeout = numbers[1];
  params.reserved_a3 = numbers[2];
  params.port = numbers[3];
  params.clean_session = AsFlag(numbers[4]);
  params.tls = AsFlag(numbers[5]);
  params.by_domain_name = AsFlag(numbers[6]);
  params.reserved_a8 = AsFlag(numbers[7]);
  params.network = numbers[8];
}

}  // namespace

MqttConnectParams ParseMqttConnectText(std::string_view whole) {
  const KeyedText text(whole);
  MqttConnectParams params;
  ReadNumbers(text, params);
  ReadFreeText(text, kB, params.client_id);
  ReadFreeText(text, kC, params.user_name);
  ReadFreeText(text, kD, params.password);
  if (std::optional<std::string_view> ip = Value(text, kE)) {
    ScannedInts<4> parts = ScanInts<4>(*ip, '.');
    for (size_t i = 0; i < 4; ++i) params.broker_ip[i] = LowByte(parts[i]);
  }
  ReadFreeText(text, kF, params.certificate_paths[0]);
  ReadFreeText(text, kG, params.certificate_paths[1]);
  if (FindField(text, kKeys[kI]) != kNotFound) {
    ReadFreeText(text, kH, params.certificate_paths[2]);
    ReadFreeText(text, kI, params.domain_name);
  } else {
    // Without its last field the text names no domain: the broker is
    // reached by its IP address, and the key path runs to the end.
    if (std::optional<std::string_view> key = FieldValue(text, kKeys[kH], "", kMaxValue))
      params.certificate_paths[2] = RemoveQuotes(*key);
    params.by_domain_name = 0;
    params.domain_name.clear();
  }
  return params;
}

bool MqttConnectCodec::QuickParse(std::string_view whole, QuickParams& params) {
  CanonicalText text(whole);
  std::array<int32_t, 9> numbers;
  std::array<int32_t, 4> ip;
  if (!text.Key("A:") || !text.Ints(numbers) || !text.Key(",B:")) return false;
  // Each free text runs to its own key and must not hold a later one.
  std::string_view names[3], paths[3];
  if (!QuickFreeText(text, ",C:", "DEFGHI", names[0]) ||
      !QuickFreeText(text, ",D:", "EFGHI", names[1]) ||
      !QuickFreeText(text, ",E:", "FGHI", names[2]) || !text.Ints(ip, '.') ||
      !text.Key(",F:") || !QuickFreeText(text, ",G:", "HI", paths[0]) ||
      !QuickFreeText(text, ",H:", "I", paths[1]) || !QuickFreeText(text, ",I:", "", paths[2]))
    return false;
  const std::string_view domain = text.UpTo({});

  // The texts are taken as they stand: one with a quote to remove goes the
  // general way.
  const std::string_view texts[] = {names[0], names[1], names[2], paths[0],
                                    paths[1], paths[2], domain};
  for (std::string_view value : texts) {
    if (value.find('"') != std::string_view::npos) return false;
  }

  AssignNumbers(numbers, params);
  params.client_id = Cut(names[0]);
  params.user_name = Cut(names[1]);
  params.password = Cut(names[2]);
  for (size_t i = 0; i < ip.size(); ++i) params.broker_ip[i] = LowByte(ip[i]);
  for (size_t k = 0; k < kCertificateFiles; ++k)
    params.certificate_paths[k] = Cut(paths[k]);
  params.domain_name = Cut(domain);
  return true;
}

bool MqttConnectCodec::QuickParseForDecode(std::string_view whole, Params& params) {
  CanonicalText text(whole);
  std::array<int32_t, 9> numbers;
  if (!text.Key("A:") || !text.Ints(numbers) || !text.Key(",B:")) return false;
  params.reserved_a3 = numbers[2];
  params.reserved_a8 = AsFlag(numbers[7]);
  return true;
}

bool MqttConnectCodec::HoldsRecord(const uint8_t* record, uint32_t length) {
  constexpr size_t kFlagsAt = 12;
  if (length < kStringsAt + kStringSlots) return false;
  const size_t strings = Bit(record[kFlagsAt], kByIpBit) ? 3 : 4;
  const size_t certificates_at = kStringsAt + StringSectionLength(record + kStringsAt, strings);
  return certificates_at + 2 * kCertificateFiles <= length &&
         certificates_at + CertificateSectionLength(record + certificates_at) <= length;
}

std::string MqttConnectText(const MqttConnectParams& params) {
  TextBuilder text;
  MqttConnectCodec::Print(text, params);
  return text.str();
}

template <class Out>
void MqttConnectCodec::Print(Out& text, const Params& p) {
  text.Text("A:").Ints(p.ping_interval, p.connection_timeout, p.reserved_a3, p.port,
                       AsFlag(p.clean_session), AsFlag(p.tls), AsFlag(p.by_domain_name),
                       AsFlag(p.reserved_a8), p.network);
  text.Texts(",B:", p.client_id, ",C:", p.user_name, ",D:", p.password, ",E:");
  PutIpv4(text, p.broker_ip);
  text.Texts(",F:", p.certificate_paths[0], ",G:", p.certificate_paths[1], ",H:",
             p.certificate_paths[2], ",I:");
  if (p.by_domain_name) text.Text(p.domain_name);
}

bool MqttConnectCodec::Edit(Params& params) {
  return editor::EditInActiveView(params, EditMqttConnect);
}

template <class Out, class Settings>
void MqttConnectCodec::Write(Out& out, const Settings& params, const BlockPlace& place) {
  const bool by_ip = !params.by_domain_name;

  PutRecordHead(out, kHead, place.instance_index);
  out.PutU8(LinkByte(params.network), "network (11 Ethernet, 32 4G)");
  out.PutU8(
      static_cast<uint8_t>(by_ip << kByIpBit | 1 << kAlwaysSetBit | AsFlag(params.tls) << kTlsBit |
                           AsFlag(params.clean_session) << kCleanSessionBit),
      "flags: by IP/TLS/clean");
  out.PutU16BE(static_cast<uint16_t>(params.port), "broker port");
  if (by_ip)
    out.PutBytes(params.broker_ip.data(), params.broker_ip.size(), "broker IP address");
  else
    out.PutZeros(4, "broker IP (by domain name)");
  out.PutZeros(2, "reserved");
  out.PutU8(CodedConnectionTimeout(params.connection_timeout), "connection timeout (s)");
  out.PutU8(LowByte(params.ping_interval), "PING interval (s)");
  PutReservedRun(out);
  PutPinArea(out, kHead);

  const SectionString strings[] = {{params.client_id, "client ID"},
                                   {params.user_name, "user name"},
                                   {params.password, "password"},
                                   {params.domain_name, "broker domain name"}};
  PutStringSection(out, strings, by_ip ? 3 : 4);
  PutCertificateSection(out, params.tls != 0, params.certificate_paths);
}

template <class In>
void MqttConnectCodec::Read(In& in, Params& params) {
  ReadRecordHead(in, kHead);
  params.network = NetworkOfLinkByte(in.GetU8("network (11 Ethernet, 32 4G)"));
  uint8_t flags = in.GetU8("flags: by IP/TLS/clean");
  params.by_domain_name = !Bit(flags, kByIpBit);
  params.tls = Bit(flags, kTlsBit);
  params.clean_session = Bit(flags, kCleanSessionBit);
  params.port = in.GetU16BE("broker port");
  if (params.by_domain_name) {
    in.Skip(4, "broker IP (by domain name)");
    params.broker_ip = {0, 0, 0, 0};
  } else {
    in.GetBytes(params.broker_ip.data(), params.broker_ip.size(), "broker IP address");
  }
  in.Skip(2, "reserved");
  params.connection_timeout = in.GetU8("connection timeout (s)");
  params.ping_interval = in.GetU8("PING interval (s)");
  SkipReservedRun(in);
  SkipPinArea(in, kHead);

  const SectionTarget strings[] = {{&params.client_id, "client ID"},
                                   {&params.user_name, "user name"},
                                   {&params.password, "password"},
                                   {&params.domain_name, "broker domain name"}};
  ReadStringSection(in, strings, params.by_domain_name ? 4 : 3);
  if (!params.by_domain_name) params.domain_name.clear();

  // Without TLS the section is there, but what it holds is not used.
  CertificateTexts contents = ReadCertificateSection(in, params.tls != 0);
  for (std::string& path : params.certificate_paths) path.clear();
  for (size_t k = 0; params.tls && k < kCertificateFiles; ++k) {
    if (!contents[k].empty()) params.certificate_paths[k] = WriteCertificateFile(contents[k], k);
  }
}

template void MqttConnectCodec::Print(TextBuilder&, const Params&);
template void MqttConnectCodec::Print(HostText&, const Params&);
template void MqttConnectCodec::Write(RecordWriter&, const Params&, const BlockPlace&);
template void MqttConnectCodec::Write(RawRecordWriter&, const Params&, const BlockPlace&);
template void MqttConnectCodec::Write(RecordWriter&, const QuickParams&, const BlockPlace&);
template void MqttConnectCodec::Write(RawRecordWriter&, const QuickParams&, const BlockPlace&);
template void MqttConnectCodec::Read(RecordReader&, Params&);
template void MqttConnectCodec::Read(RawRecordReader&, Params&);

}  // namespace ostrevan
