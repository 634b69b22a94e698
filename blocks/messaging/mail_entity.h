// The EMAIL block: sends an e-mail with a subject, a message and up to eight
// attachment files to up to three addresses. The message is given as for
// the SMS Output block.
#pragma once

#include <array>
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

struct MailCodec {
  using Params = MailParams;
  static Params Defaults() { return {}; }
  static Params Parse(std::string_view text) { return ParseMailText(text); }
  static std::string Text(const Params& params) { return MailText(params); }
  static bool Edit(Params& params);
  static void Write(RecordWriter& out, const Params& params, const BlockPlace& place);
  static void Read(RecordReader& in, Params& params);
};

class CMailEntity : public CCodecEntity<MailCodec, 10, 512, 512> {};

}  // namespace ostrevan
