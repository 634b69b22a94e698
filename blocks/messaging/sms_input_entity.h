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

class CSmsMessageInputEntity : public CFbdEntity {
 public:
  static constexpr int kType = 8;
  static constexpr uint32_t kParamLength = 255;
  static constexpr uint32_t kCodeLength = 155;

  int GetType() const override { return kType; }
  int IsType(int type) const override { return type == kType; }
  int GetParamLength(uint32_t* len) const override { return ReportLength(len, kParamLength); }
  int GetCodeLength(uint32_t* len) const override { return ReportLength(len, kCodeLength); }
  int SetDefault(char* param) override;
  int Code(const char* param, uint8_t* record, uint32_t* len) override;
  int Decode(char* param, const uint8_t* record, uint32_t len) override;
};

}  // namespace ostrevan
