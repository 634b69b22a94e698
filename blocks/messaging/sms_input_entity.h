// The SMS Input block: stores a received short message in the PLC's VB
// memory, optionally only from the listed phone numbers.
#pragma once

#include <array>
#include <cstddef>
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
  static constexpr size_t kLongestRecord = 128;
  static Params Parse(std::string_view text) { return ParseSmsInputText(text); }
  static bool QuickParse(std::string_view text, Params& params);
  // The record carries everything the text holds.
  static bool QuickParseForDecode(std::string_view, Params&) { return true; }
  template <class Out>
  static void Print(Out& text, const Params& params);
  static std::string Text(const Params& params) { return SmsInputText(params); }
  static bool Edit(Params& params);
  template <class Out>
  static void Write(Out& out, const Params& params, const BlockPlace& place);
  template <class In>
  static void Read(In& in, Params& params);
};

class CSmsMessageInputEntity : public CCodecEntity<SmsInputCodec, 8, 255, 155> {};

}  // namespace ostrevan
