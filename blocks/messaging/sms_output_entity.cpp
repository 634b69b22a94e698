#include "blocks/messaging/sms_output_entity.h"

#include <cstdio>

#include "blocks/messaging/message_record.h"
#include "blocks/messaging/sms_output_page.h"
#include "core/param_text.h"
#include "core/record_header.h"
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

// Where the message part starts, and its pieces.
constexpr size_t kPartAt = 24;
constexpr size_t kModeAt = kPartAt + 2;
constexpr size_t kWaitingAt = kPartAt + 4;
constexpr size_t kLoopsAt = kPartAt + 5;
constexpr size_t kSourceAt = kPartAt + 6;
constexpr size_t kReceiversAt = kPartAt + 16;
constexpr size_t kMessageAt = kReceiversAt + kSmsReceivers * kNumberSlot;

// Receivers 1..5 stand between these keys.
constexpr std::string_view kReceiverKeys[] = {",B:", ",C:", ",D:", ",E:", ",F:", ",G:"};

uint8_t ModeBits(const SmsOutputParams& params) {
  uint8_t bits = params.confirmation ? 0x01 : 0x00;
  if (!params.message.text_message) bits |= 0x02;
  bits |= static_cast<uint8_t>((params.message.format & 0x03) << 2);
  return bits;
}

int32_t WholeSeconds(float seconds) { return static_cast<int32_t>(seconds); }

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
      params.receivers[k] = RemoveQuotes(span->substr(0, kFieldSpanMax));
    }
  }
  if (auto span = FieldSpan(text, ",G:", ",H:")) ReadMessageField(*span, message);
  if (auto span = FieldSpan(text, ",H:", {})) ReadVariableField(*span, message);
  return params;
}

std::string SmsOutputText(const SmsOutputParams& params) {
  const MessageContent& message = params.message;
  int64_t waiting = static_cast<int64_t>(WholeSeconds(params.waiting_seconds)) * 100;
  TextBuilder text;
  text.Text("A:").Ints(message.text_message, message.format, message.fbd_style, message.vb_start,
                       message.vb_max_count, params.confirmation, waiting, params.loops,
                       params.dial);
  for (size_t k = 0; k < kSmsReceivers; ++k) text.Text(kReceiverKeys[k]).Text(params.receivers[k]);
  text.Text(",G:");
  PutMessageField(text, message);
  text.Text(",H:");
  PutVariableField(text, message);
  return text.str();
}

int CSmsMessageOutputEntity::SetDefault(char* param) {
  return WriteParamText(param, SmsOutputText(SmsOutputParams{}), kParamLength);
}

int CSmsMessageOutputEntity::Edit(char* param) {
  editor::EditorView* view = editor::ActiveView();
  if (!param || !view) return 0;
  auto params = ParseSmsOutputText(ReadParamText(param));
  if (!EditSmsOutput(params, *view)) return 0;
  return WriteParamText(param, SmsOutputText(params), kParamLength);
}

int CSmsMessageOutputEntity::Code(const char* param, uint8_t* record, uint32_t* len) {
  SmsOutputParams params = ParseSmsOutputText(ReadParamText(param));
  const MessageContent& message = params.message;
  if (!AdmitInstance()) return -2;
  const auto ordinal = static_cast<uint8_t>(type_ordinal());
  RecordWriter out = MakeWriter(record, kCodeLength);
  PutRecordHead(out, kHead, instance_index());
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
  if (ladder) return FinishCode(out, len);

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
  return FinishCode(out, len);
}

int CSmsMessageOutputEntity::Decode(char* param, const uint8_t* record, uint32_t len) {
  SmsOutputParams params = ParseSmsOutputText(ReadParamText(param));
  MessageContent& message = params.message;
  RecordReader in(record, len);
  params.dial = in.At(kPartAt) == kDialCommand;
  uint8_t mode = in.At(kModeAt);
  params.confirmation = (mode & 0x01) != 0;
  message.format = static_cast<uint8_t>(mode >> 2 & 0x03);
  message.text_message = (mode & 0x02) == 0;
  params.waiting_seconds = in.At(kWaitingAt);
  params.loops = in.At(kLoopsAt);
  message.fbd_style = in.At(kSourceAt) != kVbArea;
  if (!message.fbd_style) {
    message.vb_start = in.U16BE(kSourceAt + 1);
    message.vb_max_count = in.U16BE(kSourceAt + 3);
  }
  for (size_t k = 0; k < kSmsReceivers; ++k) {
    params.receivers[k] = in.TextSkipping0And255(kReceiversAt + k * kNumberSlot, kNumberSlot);
  }
  message.text.clear();
  if (message.fbd_style) {
    if (message.text_message) {
      ReadTextMessage(in, kMessageAt, message);
    } else {
      ReadParamsMessage(in, kMessageAt, message, MessageOwner::kSmsOutput);
    }
  }
  return WriteParamText(param, SmsOutputText(params), kParamLength);
}

}  // namespace ostrevan
