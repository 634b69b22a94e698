#include "blocks/messaging/mail_entity.h"

#include <algorithm>
#include <vector>

#include "blocks/messaging/mail_page.h"
#include "blocks/messaging/message_record.h"
#include "core/param_text.h"
#include "core/platform/code_page.h"
#include "core/record_header.h"
#include "core/text_builder.h"
#include "editor/editor_view.h"

namespace ostrevan {

namespace {

constexpr RecordHead kHead{0x46, 1, 1, 0x00};

constexpr size_t kShortSpanMax = 99;
constexpr size_t kLongSpanMax = 1023;
constexpr size_t kReceiverMax = 49;
constexpr size_t kSubjectMax = 99;
constexpr size_t kAttachmentMax = 254;
constexpr uint8_t kSendCommand = 8;
constexpr uint8_t kVbArea = 0xA0;
constexpr uint8_t kAttachmentVersion = 3;
constexpr size_t kLadderMessageBytes = 5;

constexpr uint8_t kParamsBit = 0x02;
constexpr uint8_t kLadderBit = 0x10;

// The mail part and its first bytes.
constexpr size_t kPartAt = 21;
constexpr size_t kModeAt = kPartAt + 2;
constexpr size_t kAttachmentByteAt = kPartAt + 3;
constexpr size_t kMessageAt = kPartAt + 4;

constexpr std::string_view kReceiverKeys[] = {",C:", ",D:", ",E:", ",F:"};

// The length byte of a text that is carried with a terminating NUL: 0 for
// an empty text, else its length and the NUL.
uint8_t CarriedLength(std::string_view text) {
  return text.empty() ? 0 : static_cast<uint8_t>(text.size() + 1);
}

// Attachment names as they go into the record: each cut to its field, and
// those behind the room the announced record length leaves cut or left out.
std::array<std::string, kMailAttachments> CarriedAttachments(const MailParams& params,
                                                              size_t room) {
  std::array<std::string, kMailAttachments> carried;
  for (size_t k = 0; k < kMailAttachments; ++k) {
    std::string_view name = platform::CutMultiByte(params.attachments[k], kAttachmentMax);
    if (name.empty() || room < 2) continue;
    name = platform::CutMultiByte(name, std::min(name.size(), room - 1));
    if (name.empty()) continue;
    carried[k] = std::string(name);
    room -= name.size() + 1;
  }
  return carried;
}

bool HasAttachment(const MailParams& params) {
  return std::any_of(params.attachments.begin(), params.attachments.end(),
                     [](const std::string& name) { return !name.empty(); });
}

void PutAttachments(RecordWriter& out, const MailParams& params) {
  constexpr size_t kListHead = 1 + kMailAttachments;  // count and length bytes
  size_t free = out.capacity() - std::min(out.capacity(), out.position());
  size_t room = free > kListHead ? free - kListHead : 0;
  std::array<std::string, kMailAttachments> names = CarriedAttachments(params, room);
  auto count = std::count_if(names.begin(), names.end(),
                             [](const std::string& name) { return !name.empty(); });
  out.PutU8(static_cast<uint8_t>(count & 0x0F), "attachment count");
  for (size_t k = 0; k < kMailAttachments; ++k) {
    uint8_t length = names[k].size() >= kAttachmentMax ? 255 : CarriedLength(names[k]);
    out.PutU8(length, FieldName("attachment ", static_cast<int>(k + 1), " length"));
  }
  for (size_t k = 0; k < kMailAttachments; ++k) {
    if (names[k].empty()) continue;
    out.PutFixedText(names[k], names[k].size() + 1,
                     FieldName("attachment ", static_cast<int>(k + 1)));
  }
}

}  // namespace

MailParams ParseMailText(std::string_view whole) {
  const KeyedText text(whole);
  MailParams params;
  MessageContent& message = params.message;
  if (auto span = FieldSpan(text, "A:", ",B:")) {
    ScannedInts<6> values = ScanInts<6>(span->substr(0, kShortSpanMax));
    message.text_message = values[0] != 0;
    message.format = static_cast<uint8_t>(values[1]);
    params.reserved_format = static_cast<uint8_t>(values[2]);
    message.fbd_style = values[3] != 0;
    message.vb_start = values[4];
    message.vb_max_count = values[5];
  }
  if (auto span = FieldSpan(text, ",B:", ",C:")) {
    params.subject = RemoveQuotes(span->substr(0, kMessageSpanMax));
  }
  for (size_t k = 0; k < kMailReceivers; ++k) {
    if (auto span = FieldSpan(text, kReceiverKeys[k], kReceiverKeys[k + 1])) {
      params.receivers[k] = RemoveQuotes(span->substr(0, kShortSpanMax));
    }
  }
  if (auto span = FieldSpan(text, ",F:", ",G:")) ReadMessageField(*span, message);
  if (auto span = FieldSpanOrRest(text, ",G:", ",H:")) {
    ReadVariableField(span->substr(0, kLongSpanMax), message);
  }
  if (auto span = FieldSpanOrRest(text, ",H:", ",I:")) {
    std::vector<std::string> names = SplitText(span->substr(0, kLongSpanMax), ',', kMailAttachments);
    std::copy(names.begin(), names.end(), params.attachments.begin());
  }
  return params;
}

std::string MailText(const MailParams& params) {
  const MessageContent& message = params.message;
  TextBuilder text;
  text.Text("A:").Ints(message.text_message, message.format, params.reserved_format,
                       message.fbd_style, message.vb_start, message.vb_max_count, params.channel);
  text.Text(",B:").Text(params.subject);
  for (size_t k = 0; k < kMailReceivers; ++k) text.Text(kReceiverKeys[k]).Text(params.receivers[k]);
  text.Text(",F:");
  PutMessageField(text, message);
  text.Text(",G:");
  PutVariableField(text, message);
  text.Text(",H:");
  for (size_t k = 0; k < kMailAttachments; ++k) {
    if (k > 0) text.Char(',');
    text.Text(params.attachments[k]);
  }
  return text.str();
}

int CMailEntity::SetDefault(char* param) {
  return WriteParamText(param, MailText(MailParams{}), kParamLength);
}

int CMailEntity::Edit(char* param) {
  editor::EditorView* view = editor::ActiveView();
  if (!param || !view) return 0;
  auto params = ParseMailText(ReadParamText(param));
  if (!EditMail(params, *view)) return 0;
  return WriteParamText(param, MailText(params), kParamLength);
}

int CMailEntity::Code(const char* param, uint8_t* record, uint32_t* len) {
  MailParams params = ParseMailText(ReadParamText(param));
  const MessageContent& message = params.message;
  if (!AdmitInstance()) return -2;
  const auto ordinal = static_cast<uint8_t>(type_ordinal());
  RecordWriter out = MakeWriter(record, kCodeLength);
  PutRecordHead(out, kHead, instance_index());
  out.PutU8(ordinal, "n-th EMAIL block");
  out.PutU8(0, "spare");
  PutPinArea(out, kHead);
  PutReservedRun(out);

  out.PutU8(kSendCommand, "command (8 send e-mail)");
  out.PutU8(ordinal, "n-th EMAIL block");
  uint8_t mode = 0;
  if (!message.text_message) mode |= kParamsBit;
  if (!message.fbd_style) mode |= kLadderBit;
  out.PutU8(mode, "mode (0x02 params, 0x10 VB)");
  bool attachments = HasAttachment(params);
  out.PutU8(attachments ? static_cast<uint8_t>(kAttachmentVersion << 4) : 0, "attachments (0x30 = present)");
  if (!message.fbd_style) {
    out.PutU8(kVbArea, "message from VB (0xA0)");
    out.PutU16BE(static_cast<uint16_t>(message.vb_start), "VB start");
    out.PutU16BE(static_cast<uint16_t>(message.vb_max_count), "VB max count");
  } else if (message.text_message) {
    PutTextMessage(out, message);
  } else {
    PutParamsMessage(out, message, MessageOwner::kMail);
  }
  out.PutU8(0, "end of message");

  std::array<std::string_view, kMailReceivers> receivers;
  for (size_t k = 0; k < kMailReceivers; ++k) {
    receivers[k] = platform::CutMultiByte(params.receivers[k], kReceiverMax);
    out.PutU8(CarriedLength(receivers[k]),
              FieldName("receiver ", static_cast<int>(k + 1), " length"));
  }
  for (size_t k = 0; k < kMailReceivers; ++k) {
    if (receivers[k].empty()) continue;
    out.PutFixedText(receivers[k], receivers[k].size() + 1,
                     FieldName("receiver ", static_cast<int>(k + 1)));
  }
  std::string_view subject = platform::CutMultiByte(params.subject, kSubjectMax);
  out.PutU8(CarriedLength(subject), "subject length");
  if (!subject.empty()) out.PutFixedText(subject, subject.size() + 1, "subject");
  out.PutU8(0, "end of addresses");
  if (attachments) PutAttachments(out, params);
  return FinishCode(out, len);
}

int CMailEntity::Decode(char* param, const uint8_t* record, uint32_t len) {
  MailParams params = ParseMailText(ReadParamText(param));
  MessageContent& message = params.message;
  RecordReader in(record, len);
  message.text_message = (in.At(kModeAt) & kParamsBit) == 0;
  params.attachment_version = in.At(kAttachmentByteAt) >> 4;
  message.text.clear();

  // The message's first byte, not the mode's VB bit, tells VB memory from a
  // message in the record.
  size_t at = kMessageAt;
  message.fbd_style = in.At(at) != kVbArea;
  if (!message.fbd_style) {
    message.vb_start = in.U16BE(at + 1);
    message.vb_max_count = in.U16BE(at + 3);
    at += kLadderMessageBytes;
  } else if (message.text_message) {
    ReadTextMessage(in, at, message);
    at += kTextMessageBytes;
  } else {
    ReadParamsMessage(in, at, message, MessageOwner::kMail);
    at += kParamsMessageBytes;
  }
  ++at;  // end of message

  std::array<uint8_t, kMailReceivers> lengths;
  for (uint8_t& length : lengths) length = in.At(at++);
  for (size_t k = 0; k < kMailReceivers; ++k) {
    params.receivers[k] = in.TextSkipping0And255(at, std::min<size_t>(lengths[k], kReceiverMax + 1));
    at += lengths[k];
  }
  uint8_t subject_length = in.At(at++);
  params.subject = in.TextSkipping0And255(at, std::min<size_t>(subject_length, kSubjectMax + 1));
  at += subject_length;
  ++at;  // end of addresses

  if (params.attachment_version >= kAttachmentVersion) {
    ++at;  // the count follows from the lengths
    std::array<uint8_t, kMailAttachments> name_lengths;
    for (uint8_t& length : name_lengths) length = in.At(at++);
    // The record lists the attachments whole: none of the text's stay.
    params.attachments.fill(std::string());
    size_t slot = 0;
    for (uint8_t length : name_lengths) {
      if (length == 0 || length == 255) continue;
      params.attachments[slot++] = in.TextSkipping0And255(at, length);
      at += length;
    }
  }
  return WriteParamText(param, MailText(params), kParamLength);
}

}  // namespace ostrevan
