#include "blocks/messaging/sms_output_entity.h"

#include <array>
#include <iterator>

#include "blocks/messaging/message_record.h"
#include "blocks/messaging/sms_output_page.h"
#include "core/canonical_text.h"
#include "core/host_text.h"
#include "core/param_text.h"
#include "core/record_header.h"
#include "core/record_raw.h"
#include "core/text_builder.h"
#include "editor/editor_view.h"

namespace ostrevan {

namespace {

constexpr RecordHead kHead{0x45, 2, 1, 0x01};

constexpr size_t kFieldSpanMax = 99;
constexpr size_t kNumberSlot = 20;
constexpr uint8_t kSendCommand = 2;
constexpr uint8_t kDialCommand = 5;
constexpr uint8_t kVbArea = 0xA0;

// Receivers 1..5 stand between these keys; the message and its variables
// follow.
constexpr std::string_view kReceiverKeys[] = {",B:", ",C:", ",D:", ",E:", ",F:", ",G:", ",H:"};

constexpr size_t kModeOffset = 26;
constexpr size_t kMessageAreaOffset = 30;

uint8_t ModeBits(const SmsOutputParams& params) {
  uint8_t bits = params.confirmation ? 0x01 : 0x00;
  if (!params.message.text_message) bits |= 0x02;
  bits |= static_cast<uint8_t>((params.message.format & 0x03) << 2);
  return bits;
}

int32_t WholeSeconds(float seconds) { return static_cast<int32_t>(seconds); }

// A receiver must not hold a key behind the next one (from the `from`-th
// on): the general grammar's search would find that key inside it.
bool HoldsLaterKey(std::string_view value, size_t from) {
  if (value.find(',') == std::string_view::npos) return false;
  for (size_t i = from; i < std::size(kReceiverKeys); ++i) {
    if (value.find(kReceiverKeys[i]) != std::string_view::npos) return true;
  }
  return false;
}

// The "A:" field of a text of the printer's shape.
bool QuickReadHead(CanonicalText& text, SmsOutputParams& params) {
  std::array<int32_t, 9> values;
  if (!text.Key("A:") || !text.Ints(values)) return false;
  MessageContent& message = params.message;
  message.text_message = values[0] != 0;
  message.format = static_cast<uint8_t>(values[1]);
  message.fbd_style = values[2] != 0;
  message.vb_start = values[3];
  message.vb_max_count = values[4];
  params.confirmation = values[5] != 0;
  params.waiting_seconds = static_cast<float>(values[6] * 0.01);
  params.loops = values[7];
  params.dial = values[8] != 0;
  return true;
}

// One pass over a text of the printer's shape. `carried` false skips what
// the record carries in full (the receivers, the message text), for Decode.
bool QuickRead(std::string_view whole, SmsOutputParams& params, bool carried) {
  CanonicalText text(whole);
  if (!QuickReadHead(text, params)) return false;
  MessageContent& message = params.message;
  for (size_t k = 0; k < kSmsReceivers; ++k) {
    if (!text.Key(kReceiverKeys[k])) return false;
    const std::string_view number = text.UpTo(kReceiverKeys[k + 1]);
    if (number.empty()) continue;
    if (HoldsLaterKey(number, k + 2)) return false;
    if (carried) AssignUnquoted(params.receivers[k], number.substr(0, kFieldSpanMax));
  }
  if (!text.Key(",G:")) return false;
  const std::string_view field = text.UpTo(",H:");
  if (!text.Key(",H:")) return false;
  if (!field.empty() && (carried || !message.text_message)) ReadMessageField(field, message);
  // A Text Message never reads its variable field.
  if (message.text_message) return true;
  return QuickReadVariableGroups(text, message.ucs2(), message.screen) && text.AtEnd();
}

}  // namespace

SmsOutputParams ParseSmsOutputText(std::string_view whole) {
  const KeyedText text(whole);
  SmsOutputParams params;
  MessageContent& message = params.message;
  if (auto span = FieldSpan(text, "A:", ",B:")) {
    TextPieces<9> values = SplitPieces<9>(span->substr(0, kFieldSpanMax), ',');
    // Values missing at the end keep their defaults.
    auto value = [&values](size_t i, int32_t fallback) {
      return i < values.size() ? LeadingInt(values[i]) : fallback;
    };
    message.text_message = value(0, message.text_message) != 0;
    message.format = static_cast<uint8_t>(value(1, message.format));
    message.fbd_style = value(2, message.fbd_style) != 0;
    message.vb_start = value(3, message.vb_start);
    message.vb_max_count = value(4, message.vb_max_count);
    params.confirmation = value(5, params.confirmation) != 0;
    if (values.size() > 6) params.waiting_seconds = static_cast<float>(LeadingInt(values[6]) * 0.01);
    params.loops = value(7, params.loops);
    params.dial = value(8, params.dial) != 0;
  }
  for (size_t k = 0; k < kSmsReceivers; ++k) {
    if (auto span = FieldSpan(text, kReceiverKeys[k], kReceiverKeys[k + 1])) {
      AssignUnquoted(params.receivers[k], span->substr(0, kFieldSpanMax));
    }
  }
  if (auto span = FieldSpan(text, ",G:", ",H:")) ReadMessageField(*span, message);
  if (auto span = FieldSpan(text, ",H:", {})) ReadVariableField(*span, message);
  return params;
}

bool SmsOutputCodec::QuickParse(std::string_view text, Params& params) {
  return QuickRead(text, params, true);
}

bool SmsOutputCodec::QuickParseForDecode(std::string_view whole, Params& params,
                                         const uint8_t* record, uint32_t length) {
  // Read takes the mode as RecordReader gives it: 0 past the record.
  const bool text_message = !record || length <= kModeOffset || (record[kModeOffset] & 0x02) == 0;
  if (!text_message) return QuickRead(whole, params, false);
  CanonicalText text(whole);
  return QuickReadHead(text, params) && text.Key(kReceiverKeys[0]);
}

bool SmsOutputCodec::IsLongRecord(const uint8_t* record) {
  const bool params_message = (record[kModeOffset] & 0x02) != 0;
  return params_message && record[kMessageAreaOffset] != kVbArea;
}

std::string SmsOutputText(const SmsOutputParams& params) {
  TextBuilder text;
  SmsOutputCodec::Print(text, params);
  return text.str();
}

template <class Out>
void SmsOutputCodec::Print(Out& text, const Params& params) {
  const MessageContent& message = params.message;
  int64_t waiting = static_cast<int64_t>(WholeSeconds(params.waiting_seconds)) * 100;
  text.Text("A:").Ints(message.text_message, message.format, message.fbd_style, message.vb_start,
                       message.vb_max_count, params.confirmation, waiting, params.loops,
                       params.dial);
  for (size_t k = 0; k < kSmsReceivers; ++k) text.Text(kReceiverKeys[k]).Text(params.receivers[k]);
  text.Text(",G:");
  PutMessageField(text, message);
  text.Text(",H:");
  PutVariableField(text, message);
}

bool SmsOutputCodec::Edit(Params& params) { return editor::EditInActiveView(params, EditSmsOutput); }

template <class Out>
void SmsOutputCodec::Write(Out& out, const Params& params, const BlockPlace& place) {
  const MessageContent& message = params.message;
  const auto ordinal = static_cast<uint8_t>(place.type_ordinal);
  PutRecordHead(out, kHead, place.instance_index);
  out.PutU8(ordinal, "n-th SMS Output block");
  out.PutU8(0, "spare");
  PutReservedRun(out);
  PutPinArea(out, kHead);

  out.PutU8(params.dial ? kDialCommand : kSendCommand, "command (2 send, 5 dial)");
  out.PutU8(ordinal, "n-th SMS Output block");
  out.PutU8(ModeBits(params), "mode (confirm/params/format)");
  out.PutU8(kScreenColumns, "row width");
  uint8_t waiting = static_cast<uint8_t>(WholeSeconds(params.waiting_seconds));
  out.PutU8(params.confirmation ? waiting : 0, "waiting for confirmation (s)");
  out.PutU8(params.confirmation ? static_cast<uint8_t>(params.loops) : 0, "repetitions");
  bool ladder = !message.fbd_style;
  out.PutU8(ladder ? kVbArea : 0, "message from VB (0xA0)");
  out.PutU16BE(ladder ? static_cast<uint16_t>(message.vb_start) : 0, "VB start");
  out.PutU16BE(ladder ? static_cast<uint16_t>(message.vb_max_count) : 0, "VB max count");
  out.PutZeros(5, "spare");
  for (size_t k = 0; k < kSmsReceivers; ++k) {
    PutNumberSlot(out, params.receivers[k], kNumberSlot,
                  FieldName("receiver ", static_cast<int>(k + 1)));
  }
  if (ladder) return;

  if (message.text_message) {
    PutTextMessage(out, message);
    out.PutZeros(2, "end of message");
  } else {
    PutParamsMessage(out, message, MessageOwner::kSmsOutput);
    out.PutZeros(2, "end of message");
    for (int i = 0; i < kVariableSlots; ++i) {
      out.PutU8(message.screen.slots[i].kind, FieldName("variable ", i + 1, " kind"));
    }
  }
}

template <class In>
void SmsOutputCodec::Read(In& in, Params& params) {
  MessageContent& message = params.message;
  ReadRecordHead(in, kHead);
  in.GetU8("n-th SMS Output block");
  in.GetU8("spare");
  SkipReservedRun(in);
  SkipPinArea(in, kHead);

  params.dial = in.GetU8("command (2 send, 5 dial)") == kDialCommand;
  in.GetU8("n-th SMS Output block");
  uint8_t mode = in.GetU8("mode (confirm/params/format)");
  params.confirmation = (mode & 0x01) != 0;
  message.format = static_cast<uint8_t>(mode >> 2 & 0x03);
  message.text_message = (mode & 0x02) == 0;
  in.GetU8("row width");
  params.waiting_seconds = in.GetU8("waiting for confirmation (s)");
  params.loops = in.GetU8("repetitions");
  message.fbd_style = in.GetU8("message from VB (0xA0)") != kVbArea;
  uint16_t vb_start = in.GetU16BE("VB start");
  uint16_t vb_max_count = in.GetU16BE("VB max count");
  if (!message.fbd_style) {
    message.vb_start = vb_start;
    message.vb_max_count = vb_max_count;
  }
  in.Skip(5, "spare");
  for (size_t k = 0; k < kSmsReceivers; ++k) {
    params.receivers[k] = in.GetTextSkipping0And255(
        kNumberSlot, FieldName("receiver ", static_cast<int>(k + 1)));
  }
  message.text.clear();
  if (!message.fbd_style) return;

  if (message.text_message) {
    ReadTextMessage(in, message);
    in.Skip(2, "end of message");
  } else {
    VariableCodes codes = ReadParamsMessage(in, message);
    in.Skip(2, "end of message");
    uint8_t kinds[kVariableSlots];
    for (int i = 0; i < kVariableSlots; ++i) {
      kinds[i] = in.GetU8(FieldName("variable ", i + 1, " kind"));
    }
    ApplyVariableCodes(codes, kinds, message, MessageOwner::kSmsOutput);
  }
}

template void SmsOutputCodec::Print(TextBuilder&, const Params&);
template void SmsOutputCodec::Print(HostText&, const Params&);
template void SmsOutputCodec::Write(RecordWriter&, const Params&, const BlockPlace&);
template void SmsOutputCodec::Write(RawRecordWriter&, const Params&, const BlockPlace&);
template void SmsOutputCodec::Read(RecordReader&, Params&);
template void SmsOutputCodec::Read(RawRecordReader&, Params&);

}  // namespace ostrevan
