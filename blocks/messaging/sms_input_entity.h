// The SMS Input block: stores a received short message in the PLC's VB
// memory, optionally only from the listed phone numbers.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/entity.h"

namespace ostrevan {

struct SmsInputParams {
  bool telephone_identification = false;  // accept only the listed numbers
  std::array<std::string, 5> receivers;
  int32_t vb_start = 0;
  int32_t vb_max_count = 8;
};

SmsInputParams ParseSmsInputText(std::string_view text);
std::string SmsInputText(const SmsInputParams& params);

class CSmsMessageInputEntity : public CBlockEntity<8, 255, 155> {
 public:
  int SetDefault(char* param) override;
  int Edit(char* param) override;
  int Code(const char* param, uint8_t* record, uint32_t* len) override;
  int Decode(char* param, const uint8_t* record, uint32_t len) override;
};

}  // namespace ostrevan
