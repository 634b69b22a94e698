#include "blocks/mqtt/mqtt_read_entity.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "blocks/mqtt/mqtt_fields.h"
#include "blocks/mqtt/mqtt_read_page.h"
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

constexpr RecordHead kHead{0x84, 2, 2, 0x03};

// Subscribe flags: always 0x05, then the options.
constexpr uint8_t kFlagsBase = 0x05;
constexpr int kQos1Bit = 3;
constexpr int kTlsBit = 5;

// What the PLC is always told for the session values this block keeps in
// its text only.
constexpr uint8_t kCodedTimeout = 3;
constexpr uint8_t kCodedPing = 20;
// Read back, such values are raised to the smallest the editor offers.
constexpr int kSmallestSessionSeconds = 10;

constexpr uint8_t kVbArea = 0xA0;
constexpr size_t kMaxValue = 99;

static_assert(MqttSubscribeCodec::kLongestRecord ==
              MqttSubscribeCodec::kStringsAt + kLongestStringSection);

constexpr std::string_view kKeys[] = {"A:", ",B:", ",C:", ",D:", ",E:", ",F:"};
enum Key { kA, kB, kC, kD, kE, kF };

std::optional<std::string_view> Value(const KeyedText& text, Key key) {
  if (key == kF) return FieldValue(text, kKeys[kF], "", kMaxParamText);
  return FieldValue(text, kKeys[key], kKeys[key + 1], kMaxValue);
}

void ReadFreeText(const KeyedText& text, Key key, std::string& field) {
  if (std::optional<std::string_view> value = Value(text, key)) field = RemoveQuotes(*value);
}

// The numbers of the "A:" field, in their order.
constexpr size_t kNumberFields = 9;
std::array<int*, kNumberFields> NumberFields(MqttSubscribeParams& params) {
  return {&params.interval,     &params.ping_interval, &params.connection_timeout,
          &params.remote_index, &params.buffer_area,   &params.buffer_start,
          &params.char_count,   &params.network,       &params.azure_c2d};
}

}  // namespace

MqttSubscribeParams ParseMqttSubscribeText(std::string_view whole) {
  const KeyedText text(whole);
  MqttSubscribeParams params;
  if (std::optional<std::string_view> numbers = Value(text, kA)) {
    const std::array<int*, kNumberFields> fields = NumberFields(params);
    TextPieces<kNumberFields> items = SplitPieces<kNumberFields>(*numbers, ',');
    for (size_t i = 0; i < items.size(); ++i) *fields[i] = LeadingInt(items[i]);
    params.azure_c2d = AsFlag(params.azure_c2d);
  }
  if (std::optional<std::string_view> options = Value(text, kB)) {
    ScannedInts<3> flags = ScanInts<3>(*options);
    params.qos1 = AsFlag(flags[0]);
    params.fixed_length = AsFlag(flags[1]);
    params.tls = AsFlag(flags[2]);
  }
  ReadFreeText(text, kC, params.client_id);
  ReadFreeText(text, kD, params.user_name);
  ReadFreeText(text, kE, params.password);
  ReadFreeText(text, kF, params.topic);
  return params;
}

bool MqttSubscribeCodec::QuickParse(std::string_view whole, Params& params) {
  CanonicalText text(whole);
  std::array<int32_t, kNumberFields> numbers;
  std::array<int32_t, 3> flags;
  ClientTexts texts;
  if (!QuickClientHead(text, numbers, flags, "EF", texts)) return false;
  const std::string_view topic = text.UpTo({});  // to the end of the text

  const std::array<int*, kNumberFields> fields = NumberFields(params);
  for (size_t i = 0; i < numbers.size(); ++i) *fields[i] = numbers[i];
  params.azure_c2d = AsFlag(params.azure_c2d);
  params.qos1 = AsFlag(flags[0]);
  params.fixed_length = AsFlag(flags[1]);
  params.tls = AsFlag(flags[2]);
  AssignClientTexts(texts, kMaxValue, params);
  AssignUnquoted(params.topic, topic);
  return true;
}

bool MqttSubscribeCodec::QuickParseForDecode(std::string_view whole, Params& params) {
  CanonicalText text(whole);
  // The fourth and fifth numbers: pieces of the first field, which ends at
  // the first ",B:".
  std::array<int32_t, 5> numbers;
  if (!text.Key("A:") || !text.Ints(numbers) || text.Peek() != ',' ||
      FindKey(text.Rest(), ",B:") == kNotFound)
    return false;
  params.remote_index = numbers[3];
  params.buffer_area = numbers[4];
  return true;
}

bool MqttSubscribeCodec::HoldsRecord(const uint8_t* record, uint32_t length) {
  return HoldsStringSection(record, length, kStringsAt);
}

std::string MqttSubscribeText(const MqttSubscribeParams& params) {
  TextBuilder text;
  MqttSubscribeCodec::Print(text, params);
  return text.str();
}

template <class Out>
void MqttSubscribeCodec::Print(Out& text, const Params& p) {
  text.Text("A:").Ints(p.interval, p.ping_interval, p.connection_timeout, p.remote_index,
                       p.buffer_area, p.buffer_start, p.char_count, p.network, AsFlag(p.azure_c2d));
  text.Text(",B:").Ints(AsFlag(p.qos1), AsFlag(p.fixed_length), AsFlag(p.tls));
  text.Text(",C:").Text(p.client_id).Text(",D:").Text(p.user_name).Text(",E:").Text(p.password);
  text.Text(",F:").Text(p.topic);
}

bool MqttSubscribeCodec::Edit(Params& params) {
  return editor::EditInActiveView(params, EditMqttSubscribe);
}

template <class Out>
void MqttSubscribeCodec::Write(Out& out, const Params& params, const BlockPlace& place) {
  PutRecordHead(out, kHead, place.instance_index);
  out.PutU8(params.fixed_length ? LowByte(params.char_count) : 0, "chars to receive (0: any)");
  out.PutU8(static_cast<uint8_t>(kFlagsBase | AsFlag(params.qos1) << kQos1Bit |
                                 AsFlag(params.tls) << kTlsBit),
            "flags: QoS 1/TLS");
  out.PutU8(params.network ? kLink4G : 0, "network (32 4G)");
  out.PutZeros(7, "reserved");
  out.PutU8(static_cast<uint8_t>(AsFlag(params.azure_c2d)), "Azure C2D");
  out.PutU8(kCodedTimeout, "connection timeout (s)");
  out.PutU8(kCodedPing, "PING interval (s)");
  out.PutU8(LowByte(params.interval), "subscribe interval (s)");
  out.PutU8(kVbArea, "receive buffer area (VB)");
  out.PutU16BE(static_cast<uint16_t>(params.buffer_start), "receive buffer start byte");
  PutReservedRun(out);
  PutPinArea(out, kHead);
  PutClientStrings(out, params);
}

template <class In>
void MqttSubscribeCodec::Read(In& in, Params& params) {
  ReadRecordHead(in, kHead);
  uint8_t char_count = in.GetU8("chars to receive (0: any)");
  params.fixed_length = char_count != 0;
  params.char_count = char_count;
  uint8_t flags = in.GetU8("flags: QoS 1/TLS");
  params.qos1 = Bit(flags, kQos1Bit);
  params.tls = Bit(flags, kTlsBit);
  uint8_t link = in.GetU8("network (32 4G)");
  params.network = link != 0;
  // Without TLS the byte behind the flags also names the remote.
  if (!params.tls) params.remote_index = link;
  in.Skip(7, "reserved");
  params.azure_c2d = (in.GetU8("Azure C2D") & 0x0F) != 0;
  params.connection_timeout =
      std::max<int>(in.GetU8("connection timeout (s)"), kSmallestSessionSeconds);
  params.ping_interval = std::max<int>(in.GetU8("PING interval (s)"), kSmallestSessionSeconds);
  params.interval = in.GetU8("subscribe interval (s)");
  in.GetU8("receive buffer area (VB)");
  params.buffer_start = in.GetU16BE("receive buffer start byte");
  SkipReservedRun(in);
  SkipPinArea(in, kHead);

  ReadClientStrings(in, params);
}

template void MqttSubscribeCodec::Print(TextBuilder&, const Params&);
template void MqttSubscribeCodec::Print(HostText&, const Params&);
template void MqttSubscribeCodec::Write(RecordWriter&, const Params&, const BlockPlace&);
template void MqttSubscribeCodec::Write(RawRecordWriter&, const Params&, const BlockPlace&);
template void MqttSubscribeCodec::Read(RecordReader&, Params&);
template void MqttSubscribeCodec::Read(RawRecordReader&, Params&);

}  // namespace ostrevan
