// The EMAIL block: sends an e-mail with a subject, a message and up to eight
// attachment files to up to three addresses. The message is given as for
// the SMS Output block.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "blocks/messaging/message_content.h"
#include "core/codec_entity.h"

namespace ostrevan {

constexpr size_t kMailReceivers = 3;
constexpr size_t kMailAttachments = 8;

struct MailParams {
  MessageContent message;
  uint8_t reserved_format = 0;  // kept in the text, never coded
  std::array<std::string, kMailReceivers> receivers;
  std::string subject;
  int32_t channel = 0;          // 0 GSM, 1 Ethernet; never read from the text
  std::array<std::string, kMailAttachments> attachments;
  int32_t attachment_version = 0;  // of the record last decoded
};

MailParams ParseMailText(std::string_view text);
std::string MailText(const MailParams& params);

// The host's record buffer: the attachments take what room it leaves.
constexpr size_t kMailRecordCapacity = 512;

struct MailCodec {
  using Params = MailParams;
  static Params Defaults() { return {}; }
  static constexpr size_t kLongestRecord = kMailRecordCapacity;  // written
  // The lengths in a record may ask Read to walk further than that.
  static bool HoldsRecord(const uint8_t* record, uint32_t length);
  static Params Parse(std::string_view text) { return ParseMailText(text); }
  static bool QuickParse(std::string_view text, Params& params);
  // The record carries all but the format, the VB area, the screen and its
  // variables, and the attachments of an older record; a Text Message with
  // attachments all but the first two.
  static bool QuickParseForDecode(std::string_view text, Params& params, const uint8_t* record,
                                  uint32_t length);
  template <class Out>
  static void Print(Out& text, const Params& params);
  static std::string Text(const Params& params) { return MailText(params); }
  static bool Edit(Params& params);
  template <class Out>
  static void Write(Out& out, const Params& params, const BlockPlace& place);
  template <class In>
  static void Read(In& in, Params& params);
};

class CMailEntity : public CCodecEntity<MailCodec, 10, 512, kMailRecordCapacity> {};

}  // namespace ostrevan
