// The SMS Output block: sends a short message to up to five phone numbers,
// or dials them. The message is a fixed text, a screen with embedded
// variables, or bytes the PLC takes from its VB memory.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "blocks/messaging/message_content.h"
#include "core/entity.h"

namespace ostrevan {

constexpr size_t kSmsReceivers = 5;

struct SmsOutputParams {
  MessageContent message;
  std::array<std::string, kSmsReceivers> receivers;
  bool confirmation = false;     // wait for a confirmation of a dialled call
  float waiting_seconds = 0.0f;  // "Waiting for confirmation"
  int32_t loops = 0;             // repetitions without confirmation
  bool dial = false;             // dial the numbers instead of sending
};

SmsOutputParams ParseSmsOutputText(std::string_view text);
std::string SmsOutputText(const SmsOutputParams& params);

class CSmsMessageOutputEntity : public CBlockEntity<9, 512, 512> {
 public:
  int SetDefault(char* param) override;
  int Edit(char* param) override;
  int Code(const char* param, uint8_t* record, uint32_t* len) override;
  int Decode(char* param, const uint8_t* record, uint32_t len) override;
};

}  // namespace ostrevan
