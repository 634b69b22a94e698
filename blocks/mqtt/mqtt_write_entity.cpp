#include "blocks/mqtt/mqtt_write_entity.h"

#include <array>
#include <utility>
#include <vector>

#include "blocks/mqtt/mqtt_fields.h"
#include "blocks/mqtt/mqtt_write_page.h"
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

constexpr RecordHead kHead{0x83, 2, 2, 0x02};

// Publish flags: always 0x05, then the options.
constexpr uint8_t kFlagsBase = 0x05;
constexpr int kQos1Bit = 3;
constexpr int kTlsBit = 5;
constexpr int kRetainedBit = 7;

// Inputs and outputs name their byte and bit in the item's operand bytes.
constexpr int kInputArea = 176;
constexpr int kOutputArea = 180;
constexpr int kMaxCount = 16;
constexpr int kMaxBitField = 32;
constexpr uint16_t kNoOperand = 0xFFFF;
constexpr size_t kCommentBytes = 8;
constexpr size_t kDescriptionBytes = 4;

constexpr size_t kMaxValue = 99;

static_assert(MqttPublishCodec::kLongestRecord ==
              MqttPublishCodec::kStringsAt + kLongestStringSection);

bool NamesByteAndBit(int area) { return area == kInputArea || area == kOutputArea; }

// An item key ",<letter><n>:", spelt out only where it must be searched for.
struct ItemKey {
  char letter;
  size_t number;
  size_t size() const { return NumberedKey::Length(number); }
};

std::string_view Spelt(std::string_view key) { return key; }
NumberedKey Spelt(const ItemKey& key) { return NumberedKey(key.letter, key.number); }

// An item value runs from its key to the next key of the group; where that
// key is missing behind it, to the end of the text. `key_at` and `next_at`
// are the keys' first places in the text.
template <class Key>
std::optional<std::string_view> ItemSpan(const KeyedText& text, size_t key_at, const Key& key,
                                         size_t next_at, const Key& next_key) {
  if (key_at == kNotFound) return std::nullopt;
  const size_t begin = key_at + key.size();
  size_t end = next_at;
  if (next_at != kNotFound && next_at < begin) end = text.Find(Spelt(next_key), begin);
  return text.view().substr(begin, end == kNotFound ? std::string_view::npos : end - begin);
}

void ReadItems(const KeyedText& text, MqttPublishParams& params) {
  // Every item key's first place, in one walk per letter; G runs one past
  // the last item for the key that ends the last comment.
  std::array<size_t, kPublishItemsCoded + 1> g_at;
  std::array<size_t, kPublishItemsCoded> h_at, i_at;
  text.FindNumberedKeys('G', g_at.data(), g_at.size());
  text.FindNumberedKeys('H', h_at.data(), h_at.size());
  text.FindNumberedKeys('I', i_at.data(), i_at.size());
  for (size_t slot = 1; slot <= kPublishItemsCoded; ++slot) {
    const ItemKey g{'G', slot}, h{'H', slot}, i{'I', slot}, next_g{'G', slot + 1};
    const size_t at = slot - 1;
    PublishItem& item = params.items[at];
    if (std::optional<std::string_view> numbers = ItemSpan(text, g_at[at], g, h_at[at], h)) {
      ScannedInts<6> values = ScanInts<6>(numbers->substr(0, kMaxValue));
      int* const fields[] = {&item.area,  &item.bit,    &item.index,
                             &item.count, &item.format, &item.length};
      for (size_t v = 0; v < std::size(fields); ++v) *fields[v] = values[v];
    }
    if (std::optional<std::string_view> description = ItemSpan(text, h_at[at], h, i_at[at], i))
      item.description = std::string(description->substr(0, kMaxValue));
    // A comment that runs to the end of the text is taken whole.
    if (std::optional<std::string_view> comment = ItemSpan(text, i_at[at], i, g_at[slot], next_g)) {
      bool to_end = g_at[slot] == kNotFound;
      item.comment = std::string(to_end ? *comment : comment->substr(0, kMaxValue));
    }
  }
}

template <class Out>
void PutItem(Out& out, const PublishItem& item, size_t slot) {
  const int number = static_cast<int>(slot);
  const bool used = item.count > 0;
  out.PutU8(0, FieldName("item ", number, " (unused)"));
  out.PutU8(used ? LowByte(item.area) : 0, FieldName("item ", number, " area code"));
  // Inputs and outputs: byte, then bit; other areas: the index.
  uint16_t operand = kNoOperand;
  if (used && NamesByteAndBit(item.area)) {
    if (item.index >= 0 && item.bit >= 0)
      operand = static_cast<uint16_t>(LowByte(item.index) << 8 | LowByte(item.bit));
  } else if (used && item.index >= 0) {
    operand = static_cast<uint16_t>(item.index);
  }
  out.PutU16BE(operand, FieldName("item ", number, " operand"));
  out.PutU8(0, FieldName("item ", number, " (unused)"));
  out.PutU8(item.count >= 1 && item.count <= kMaxCount ? LowByte(item.count) : 0,
            FieldName("item ", number, " count"));
  out.PutU8(LowByte(item.format), FieldName("item ", number, " data type code"));
  out.PutFixedText(item.comment, kCommentBytes, FieldName("item ", number, " comment"));
  out.PutFixedText(item.description, kDescriptionBytes, FieldName("item ", number, " description"));
}

template <class In>
PublishItem ReadItem(In& in, size_t slot) {
  const int number = static_cast<int>(slot);
  PublishItem item;
  item.length = in.GetU8(FieldName("item ", number, " (unused)")) >> 4;
  item.area = in.GetU8(FieldName("item ", number, " area code"));
  const uint16_t operand = in.GetU16BE(FieldName("item ", number, " operand"));
  if (operand == kNoOperand) {
    item.index = 0;
  } else if (NamesByteAndBit(item.area)) {
    item.index = operand >> 8;
    if ((operand & 0xFF) <= kMaxBitField) item.bit = operand & 0xFF;
  } else {
    item.index = operand;
  }
  in.GetU8(FieldName("item ", number, " (unused)"));
  item.count = in.GetU8(FieldName("item ", number, " count"));
  item.format = in.GetU8(FieldName("item ", number, " data type code"));
  const FieldName comment("item ", number, " comment");
  const FieldName description("item ", number, " description");
  if (item.count < 1 || item.count > kMaxCount) {
    // A free slot, which the text leaves out: its texts are not read.
    in.SkipText(kCommentBytes, comment);
    in.SkipText(kDescriptionBytes, description);
    item.count = 0;
    item.area = kInputArea;
    return item;
  }
  item.comment = in.GetTextOfBytes1To127(kCommentBytes, comment);
  item.description = in.GetTextOfBytes1To127(kDescriptionBytes, description);
  return item;
}

// An item key ",<letter><n>:" as the grammar finds it: n written without
// leading zeros, from 1 to the last coded item.
bool QuickItemKey(CanonicalText& text, const char (&key)[3], int32_t& number) {
  if (!text.Key(key) || text.Peek() < '1' || text.Peek() > '9') return false;
  return text.Int(number) && number <= static_cast<int32_t>(kPublishItemsCoded) &&
         text.Char(':');
}

// The numbers of the "A:" field, in their order.
constexpr size_t kNumberFields = 5;
std::array<int*, kNumberFields> NumberFields(MqttPublishParams& params) {
  return {&params.interval, &params.ping_interval, &params.connection_timeout,
          &params.remote_index, &params.network};
}

}  // namespace

MqttPublishParams ParseMqttPublishText(std::string_view whole) {
  const KeyedText text(whole);
  MqttPublishParams params;
  if (std::optional<std::string_view> numbers = FieldValue(text, "A:", ",B:", kMaxValue)) {
    const std::array<int*, kNumberFields> fields = NumberFields(params);
    TextPieces<kNumberFields> items = SplitPieces<kNumberFields>(*numbers, ',');
    for (size_t i = 0; i < items.size(); ++i) *fields[i] = LeadingInt(items[i]);
  }
  if (std::optional<std::string_view> options = FieldValue(text, ",B:", ",C:", kMaxValue)) {
    ScannedInts<3> flags = ScanInts<3>(*options);
    params.qos1 = AsFlag(flags[0]);
    params.retained = AsFlag(flags[1]);
    params.tls = AsFlag(flags[2]);
  }
  if (std::optional<std::string_view> id = FieldValue(text, ",C:", ",D:", kMaxValue))
    params.client_id = RemoveQuotes(*id);
  if (std::optional<std::string_view> user = FieldValue(text, ",D:", ",E:", kMaxValue))
    params.user_name = RemoveQuotes(*user);
  if (std::optional<std::string_view> password = FieldValue(text, ",E:", ",F:", kMaxValue))
    params.password = RemoveQuotes(*password);
  // The topic runs to the first item, or to the end of the text.
  if (std::optional<std::string_view> topic =
          ItemSpan<std::string_view>(text, text.Find(",F:"), ",F:", text.Find(",G"), ",G"))
    params.topic = RemoveQuotes(*topic);
  ReadItems(text, params);
  return params;
}

bool MqttPublishCodec::QuickParse(std::string_view whole, Params& params) {
  CanonicalText text(whole);
  std::array<int32_t, kNumberFields> numbers;
  std::array<int32_t, 3> flags;
  ClientTexts texts;
  if (!QuickClientHead(text, numbers, flags, "EFGHI", texts)) return false;
  // The topic ends at the first ",G" whatever follows.
  bool holds_comma;
  const std::string_view topic = text.UpToKey(",G", holds_comma);
  if (holds_comma && MayHoldKey(topic, "HI")) return false;

  const std::array<int*, kNumberFields> fields = NumberFields(params);
  for (size_t i = 0; i < numbers.size(); ++i) *fields[i] = numbers[i];
  params.qos1 = AsFlag(flags[0]);
  params.retained = AsFlag(flags[1]);
  params.tls = AsFlag(flags[2]);
  AssignClientTexts(texts, kMaxValue, params);
  AssignUnquoted(params.topic, topic);

  // Items in rising order. A comment runs to the key of the next item
  // number, cut like any value; without that key, to the end of the text,
  // whatever items follow.
  const char* const end = whole.data() + whole.size();
  PublishItem* open = nullptr;  // the item whose comment is still to be cut
  std::string_view comment;
  int32_t last = 0;
  while (!text.AtEnd()) {
    int32_t slot, same_slot;
    std::array<int32_t, 6> values;
    if (!QuickItemKey(text, ",G", slot) || slot <= last || !text.Ints(values) ||
        !QuickItemKey(text, ",H", same_slot) || same_slot != slot)
      return false;
    const std::string_view description = text.UpToKey(",I", holds_comma);
    if ((holds_comma && MayHoldKey(description, "GH")) || !QuickItemKey(text, ",I", same_slot) ||
        same_slot != slot)
      return false;
    if (open) {
      const std::string_view rest(comment.data(), static_cast<size_t>(end - comment.data()));
      open->comment.assign(slot == last + 1 ? comment.substr(0, kMaxValue) : rest);
    }
    comment = text.UpToKey(",G", holds_comma);
    if (holds_comma && MayHoldKey(comment, "HI")) return false;
    PublishItem& item = params.items[static_cast<size_t>(slot) - 1];
    item.area = values[0];
    item.bit = values[1];
    item.index = values[2];
    item.count = values[3];
    item.format = values[4];
    item.length = values[5];
    item.description.assign(description.substr(0, kMaxValue));
    open = &item;
    last = slot;
  }
  if (open) open->comment.assign(comment);  // the last runs to the end
  return true;
}

bool MqttPublishCodec::QuickParseForDecode(std::string_view whole, Params& params) {
  CanonicalText text(whole);
  std::array<int32_t, 5> numbers;
  if (!text.Key("A:") || !text.Ints(numbers) || !text.Key(",B:")) return false;
  params.remote_index = numbers[3];
  return true;
}

bool MqttPublishCodec::HoldsRecord(const uint8_t* record, uint32_t length) {
  return HoldsStringSection(record, length, kStringsAt);
}

std::string MqttPublishText(const MqttPublishParams& params) {
  TextBuilder text;
  MqttPublishCodec::Print(text, params);
  return text.str();
}

template <class Out>
void MqttPublishCodec::Print(Out& text, const Params& p) {
  text.Text("A:").Ints(p.interval, p.ping_interval, p.connection_timeout, p.remote_index,
                       p.network);
  text.Text(",B:").Ints(AsFlag(p.qos1), AsFlag(p.retained), AsFlag(p.tls));
  text.Text(",C:").Text(p.client_id).Text(",D:").Text(p.user_name).Text(",E:").Text(p.password);
  text.Text(",F:").Text(p.topic);
  for (size_t slot = 1; slot <= kPublishItemsCoded; ++slot) {
    const PublishItem& item = p.items[slot - 1];
    if (item.count <= 0) continue;
    const int32_t number = static_cast<int32_t>(slot);
    text.Text(",G").Int(number).Char(':');
    text.Ints(item.area, item.bit, item.index, item.count, item.format, item.length);
    text.Text(",H").Int(number).Char(':').Text(item.description);
    text.Text(",I").Int(number).Char(':').Text(item.comment);
  }
}

bool MqttPublishCodec::Edit(Params& params) {
  return editor::EditInActiveView(params, EditMqttPublish);
}

template <class Out>
void MqttPublishCodec::Write(Out& out, const Params& params, const BlockPlace& place) {
  PutRecordHead(out, kHead, place.instance_index);
  out.PutU8(LinkByte(params.network), "network (11 Ethernet, 32 4G)");
  out.PutU8(
      static_cast<uint8_t>(kFlagsBase | AsFlag(params.qos1) << kQos1Bit |
                           AsFlag(params.tls) << kTlsBit | AsFlag(params.retained) << kRetainedBit),
      "flags: QoS 1/TLS/retained");
  out.PutU8(params.tls ? 0 : LowByte(params.remote_index), "remote index (without TLS)");
  out.PutZeros(8, "reserved");
  out.PutU8(CodedConnectionTimeout(params.connection_timeout), "connection timeout (s)");
  out.PutU8(LowByte(params.ping_interval), "PING interval (s)");
  out.PutU8(LowByte(params.interval), "publish interval (s)");
  for (size_t slot = 1; slot <= kPublishItemsCoded; ++slot)
    PutItem(out, params.items[slot - 1], slot);
  PutReservedRun(out);
  PutPinArea(out, kHead);
  PutClientStrings(out, params);
}

template <class In>
void MqttPublishCodec::Read(In& in, Params& params) {
  ReadRecordHead(in, kHead);
  params.network = NetworkOfLinkByte(in.GetU8("network (11 Ethernet, 32 4G)"));
  uint8_t flags = in.GetU8("flags: QoS 1/TLS/retained");
  params.qos1 = Bit(flags, kQos1Bit);
  params.tls = Bit(flags, kTlsBit);
  params.retained = Bit(flags, kRetainedBit);
  uint8_t remote = in.GetU8("remote index (without TLS)");
  if (!params.tls) params.remote_index = remote;
  in.Skip(8, "reserved");
  params.connection_timeout = in.GetU8("connection timeout (s)");
  params.ping_interval = in.GetU8("PING interval (s)");
  params.interval = in.GetU8("publish interval (s)");
  for (size_t slot = 1; slot <= kPublishItemsCoded; ++slot)
    params.items[slot - 1] = ReadItem(in, slot);
  SkipReservedRun(in);
  SkipPinArea(in, kHead);

  ReadClientStrings(in, params);
}

template void MqttPublishCodec::Print(TextBuilder&, const Params&);
template void MqttPublishCodec::Print(HostText&, const Params&);
template void MqttPublishCodec::Write(RecordWriter&, const Params&, const BlockPlace&);
template void MqttPublishCodec::Write(RawRecordWriter&, const Params&, const BlockPlace&);
template void MqttPublishCodec::Read(RecordReader&, Params&);
template void MqttPublishCodec::Read(RawRecordReader&, Params&);

}  // namespace ostrevan
