// The EMAIL block: sends an e-mail with a subject, a message and up to eight
// attachment files to up to three addresses. The message is given as for
// the SMS Output block.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "blocks/messaging/message_content.h"
#include "core/entity.h"

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

class CMailEntity : public CBlockEntity<10, 512, 512> {
 public:
  int SetDefault(char* param) override;
  int Edit(char* param) override;
  int Code(const char* param, uint8_t* record, uint32_t* len) override;
  int Decode(char* param, const uint8_t* record, uint32_t len) override;
};

}  // namespace ostrevan
