// The SMS Input block: stores a received short message in the PLC's VB
// memory, optionally only from the listed phone numbers.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/codec_entity.h"

namespace ostrevan {

struct SmsInputParams {
  bool telephone_identification = false;  // accept only the listed numbers
  std::array<std::string, 5> receivers;
  int32_t vb_start = 0;
  int32_t vb_max_count = 8;
};

SmsInputParams ParseSmsInputText(std::string_view text);
std::string SmsInputText(const SmsInputParams& params);

struct SmsInputCodec {
  using Params = SmsInputParams;
  static Params Defaults() { return {}; }
  static Params Parse(std::string_view text) { return ParseSmsInputText(text); }
  static std::string Text(const Params& params) { return SmsInputText(params); }
  static bool Edit(Params& params);
  static void Write(RecordWriter& out, const Params& params, const BlockPlace& place);
  static void Read(RecordReader& in, Params& params);
};

class CSmsMessageInputEntity : public CCodecEntity<SmsInputCodec, 8, 255, 155> {};

}  // namespace ostrevan
