#include "blocks/messaging/mail_entity.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "blocks/messaging/mail_page.h"
#include "blocks/messaging/message_record.h"
#include "core/canonical_text.h"
#include "core/host_text.h"
#include "core/param_text.h"
#include "core/platform/code_page.h"
#include "core/record_header.h"
#include "core/record_raw.h"
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

constexpr size_t kMailPart = 21;       // where the record's mail part starts
constexpr size_t kVbMessageBytes = 5;  // area byte and two words
constexpr uint8_t kParamsBit = 0x02;
constexpr uint8_t kLadderBit = 0x10;

constexpr std::string_view kReceiverKeys[] = {",C:", ",D:", ",E:", ",F:"};
// The keys searched for in the whole text, in the printer's order.
constexpr std::string_view kKeys[] = {",B:", ",C:", ",D:", ",E:", ",F:", ",G:", ",H:"};

// The length byte of a text that is carried with a terminating NUL: 0 for
// an empty text, else its length and the NUL.
uint8_t CarriedLength(std::string_view text) {
  return text.empty() ? 0 : static_cast<uint8_t>(text.size() + 1);
}

// Attachment names as they go into the record: each cut to its field, and
// those behind the room the announced record length leaves cut or left out.
std::array<std::string_view, kMailAttachments> CarriedAttachments(const MailParams& params,
                                                                   size_t room) {
  std::array<std::string_view, kMailAttachments> carried;
  for (size_t k = 0; k < kMailAttachments; ++k) {
    if (params.attachments[k].empty() || room < 2) continue;
    std::string_view name = platform::CutMultiByte(params.attachments[k], kAttachmentMax);
    name = platform::CutMultiByte(name, std::min(name.size(), room - 1));
    if (name.empty()) continue;
    carried[k] = name;
    room -= name.size() + 1;
  }
  return carried;
}

bool HasAttachment(const MailParams& params) {
  return std::any_of(params.attachments.begin(), params.attachments.end(),
                     [](const std::string& name) { return !name.empty(); });
}

size_t CapacityOf(const RecordWriter& out) { return out.capacity(); }
// The raw cursor writes only into the host's whole buffer.
size_t CapacityOf(const RawRecordWriter&) { return kMailRecordCapacity; }

template <class Out>
void PutAttachments(Out& out, const MailParams& params) {
  constexpr size_t kListHead = 1 + kMailAttachments;  // count and length bytes
  const size_t capacity = CapacityOf(out);
  size_t free = capacity - std::min(capacity, out.position());
  size_t room = free > kListHead ? free - kListHead : 0;
  const std::array<std::string_view, kMailAttachments> names = CarriedAttachments(params, room);
  auto count = std::count_if(names.begin(), names.end(),
                             [](std::string_view name) { return !name.empty(); });
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

template <class In>
void ReadAttachments(In& in, MailParams& params) {
  in.GetU8("attachment count");  // the count follows from the lengths
  std::array<uint8_t, kMailAttachments> lengths;
  for (size_t k = 0; k < kMailAttachments; ++k) {
    lengths[k] = in.GetU8(FieldName("attachment ", static_cast<int>(k + 1), " length"));
  }
  // The record lists the attachments whole: none of the text's stay.
  for (std::string& name : params.attachments) name.clear();
  size_t slot = 0;
  for (size_t k = 0; k < kMailAttachments; ++k) {
    if (lengths[k] == 0 || lengths[k] == 255) continue;
    params.attachments[slot++] =
        in.GetTextSkipping0And255(lengths[k], FieldName("attachment ", static_cast<int>(k + 1)));
  }
}

// Reads a text carried with its NUL in a field of `length` bytes, of which
// at most `max` are looked at; nothing when the length is 0.
template <class In>
std::string ReadCarriedText(In& in, uint8_t length, size_t max, const FieldName& name) {
  if (length == 0) return {};
  size_t width = std::min<size_t>(length, max);
  std::string text = in.GetTextSkipping0And255(width, name);
  in.Skip(length - width);
  return text;
}

// A free text must not hold a key behind the next one (from the `from`-th
// on): the general grammar's search would find that key inside it.
bool HoldsLaterKey(std::string_view value, size_t from) {
  if (value.find(',') == std::string_view::npos) return false;
  for (size_t i = from; i < std::size(kKeys); ++i) {
    if (value.find(kKeys[i]) != std::string_view::npos) return true;
  }
  return false;
}

// The first six numbers of the "A:" field (a seventh, the channel, is never read).
template <class Values>
void AssignHead(MailParams& params, const Values& values) {
  MessageContent& message = params.message;
  message.text_message = values[0] != 0;
  message.format = static_cast<uint8_t>(values[1]);
  params.reserved_format = static_cast<uint8_t>(values[2]);
  message.fbd_style = values[3] != 0;
  message.vb_start = values[4];
  message.vb_max_count = values[5];
}

// The "A:" field of a text of the printer's shape.
bool QuickReadHead(CanonicalText& text, MailParams& params) {
  std::array<int32_t, 7> values;  // the last, the channel, is never read
  if (!text.Key("A:") || !text.Ints(values)) return false;
  AssignHead(params, values);
  return true;
}

// One pass over a text of the printer's shape. `carried` false skips what
// the record carries in full (subject, receivers, message text), for Decode.
bool QuickRead(std::string_view whole, MailParams& params, bool carried) {
  CanonicalText text(whole);
  if (!QuickReadHead(text, params)) return false;
  MessageContent& message = params.message;
  // The subject, then the receivers.
  for (size_t k = 0; k <= kMailReceivers; ++k) {
    if (!text.Key(kKeys[k])) return false;
    const std::string_view value = text.UpTo(kKeys[k + 1]);
    if (value.empty()) continue;
    if (HoldsLaterKey(value, k + 2)) return false;
    if (!carried) continue;
    if (k == 0)
      AssignUnquoted(params.subject, value.substr(0, kMessageSpanMax));
    else
      AssignUnquoted(params.receivers[k - 1], value.substr(0, kShortSpanMax));
  }
  if (!text.Key(",F:")) return false;
  const std::string_view field = text.UpTo(",G:");
  if (HoldsLaterKey(field, std::size(kKeys) - 1) || !text.Key(",G:")) return false;
  if (!field.empty() && (carried || !message.text_message)) ReadMessageField(field, message);
  // A Text Message never reads its variable field.
  if (message.text_message)
    text.UpTo(",H:");
  else if (!QuickReadVariableGroups(text, message.ucs2(), message.screen))
    return false;
  if (!text.Key(",H:")) return false;
  // The names between commas, each cut to its span; the attachments are
  // still empty, so an empty name needs no store.
  const std::string_view list = text.UpTo(",I:");
  size_t slot = 0;
  size_t begin = 0;
  for (size_t i = 0; i <= list.size() && slot < kMailAttachments; ++i) {
    if (i < list.size() && list[i] != ',') continue;
    const size_t length = std::min(i - begin, kShortSpanMax);
    if (length) params.attachments[slot].assign(list.data() + begin, length);
    ++slot;
    begin = i + 1;
  }
  return true;
}

}  // namespace

bool MailCodec::QuickParse(std::string_view text, Params& params) {
  return QuickRead(text, params, true);
}

bool MailCodec::QuickParseForDecode(std::string_view whole, Params& params,
                                    const uint8_t* record, uint32_t length) {
  // Read takes the bytes as RecordReader gives them: 0 past the record.
  const auto byte = [record, length](size_t at) -> uint8_t {
    return record && at < length ? record[at] : 0;
  };
  const bool text_message = (byte(kMailPart + 2) & kParamsBit) == 0;
  const bool attachments = byte(kMailPart + 3) >> 4 >= kAttachmentVersion;
  if (!text_message || !attachments) return QuickRead(whole, params, false);
  CanonicalText text(whole);
  return QuickReadHead(text, params) && text.Key(kKeys[0]);
}

bool MailCodec::HoldsRecord(const uint8_t* record, uint32_t length) {
  // The mail part's four head bytes, the message and its end byte.
  size_t at = kMailPart + 4;
  if (length <= at) return false;
  if (record[at] == kVbArea)
    at += kVbMessageBytes;
  else if (record[kMailPart + 2] & kParamsBit)
    at += kParamsMessageBytes;
  else
    at += kTextMessageBytes;
  at += 1;
  // The receivers and the subject as long as their length bytes say, and
  // the end byte.
  if (length < at + kMailReceivers) return false;
  size_t receivers = 0;
  for (size_t k = 0; k < kMailReceivers; ++k) receivers += record[at + k];
  at += kMailReceivers + receivers;
  if (length <= at) return false;
  at += 1 + record[at] + 1;
  if ((record[kMailPart + 3] >> 4) < kAttachmentVersion) return at <= length;
  // The count byte, the length bytes and the names they give.
  if (length < at + 1 + kMailAttachments) return false;
  size_t names = 0;
  for (size_t k = 0; k < kMailAttachments; ++k) {
    const uint8_t name = record[at + 1 + k];
    if (name != 0 && name != 255) names += name;
  }
  return at + 1 + kMailAttachments + names <= length;
}

MailParams ParseMailText(std::string_view whole) {
  const KeyedText text(whole);
  MailParams params;
  MessageContent& message = params.message;
  if (auto span = FieldSpan(text, "A:", ",B:")) {
    AssignHead(params, ScanInts<6>(span->substr(0, kShortSpanMax)));
  }
  if (auto span = FieldSpan(text, ",B:", ",C:")) {
    AssignUnquoted(params.subject, span->substr(0, kMessageSpanMax));
  }
  for (size_t k = 0; k < kMailReceivers; ++k) {
    if (auto span = FieldSpan(text, kReceiverKeys[k], kReceiverKeys[k + 1])) {
      AssignUnquoted(params.receivers[k], span->substr(0, kShortSpanMax));
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
  TextBuilder text;
  MailCodec::Print(text, params);
  return text.str();
}

template <class Out>
void MailCodec::Print(Out& text, const Params& params) {
  const MessageContent& message = params.message;
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
}

bool MailCodec::Edit(Params& params) { return editor::EditInActiveView(params, EditMail); }

template <class Out>
void MailCodec::Write(Out& out, const Params& params, const BlockPlace& place) {
  const MessageContent& message = params.message;
  const auto ordinal = static_cast<uint8_t>(place.type_ordinal);
  PutRecordHead(out, kHead, place.instance_index);
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
}

template <class In>
void MailCodec::Read(In& in, Params& params) {
  MessageContent& message = params.message;
  ReadRecordHead(in, kHead);
  in.GetU8("n-th EMAIL block");
  in.GetU8("spare");
  SkipPinArea(in, kHead);
  SkipReservedRun(in);

  in.GetU8("command (8 send e-mail)");
  in.GetU8("n-th EMAIL block");
  message.text_message = (in.GetU8("mode (0x02 params, 0x10 VB)") & kParamsBit) == 0;
  params.attachment_version = in.GetU8("attachments (0x30 = present)") >> 4;
  message.text.clear();

  // The message's first byte, not the mode's VB bit, tells VB memory from a
  // message in the record.
  message.fbd_style = in.PeekU8() != kVbArea;
  if (!message.fbd_style) {
    in.GetU8("message from VB (0xA0)");
    message.vb_start = in.GetU16BE("VB start");
    message.vb_max_count = in.GetU16BE("VB max count");
  } else if (message.text_message) {
    ReadTextMessage(in, message);
  } else {
    ApplyVariableCodes(ReadParamsMessage(in, message), nullptr, message, MessageOwner::kMail);
  }
  in.GetU8("end of message");

  std::array<uint8_t, kMailReceivers> lengths;
  for (size_t k = 0; k < kMailReceivers; ++k) {
    lengths[k] = in.GetU8(FieldName("receiver ", static_cast<int>(k + 1), " length"));
  }
  for (size_t k = 0; k < kMailReceivers; ++k) {
    params.receivers[k] = ReadCarriedText(in, lengths[k], kReceiverMax + 1,
                                          FieldName("receiver ", static_cast<int>(k + 1)));
  }
  uint8_t subject_length = in.GetU8("subject length");
  params.subject = ReadCarriedText(in, subject_length, kSubjectMax + 1, "subject");
  in.GetU8("end of addresses");
  if (params.attachment_version >= kAttachmentVersion) ReadAttachments(in, params);
}

template void MailCodec::Print(TextBuilder&, const Params&);
template void MailCodec::Print(HostText&, const Params&);
template void MailCodec::Write(RecordWriter&, const Params&, const BlockPlace&);
template void MailCodec::Write(RawRecordWriter&, const Params&, const BlockPlace&);
template void MailCodec::Read(RecordReader&, Params&);
template void MailCodec::Read(RawRecordReader&, Params&);

}  // namespace ostrevan
