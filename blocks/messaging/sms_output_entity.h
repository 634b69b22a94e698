// The SMS Output block: sends a short message to up to five phone numbers,
// or dials them. The message is a fixed text, a screen with embedded
// variables, or bytes the PLC takes from its VB memory.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "blocks/messaging/message_content.h"
#include "core/codec_entity.h"

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

struct SmsOutputCodec {
  using Params = SmsOutputParams;
  static Params Defaults() { return {}; }
  // A Params Message; Ladder Style takes 140 bytes, a Text Message 283.
  static constexpr size_t kLongestRecord = 310;
  static constexpr size_t kShortRecord = 283;
  static bool IsLongRecord(const uint8_t* record);
  static Params Parse(std::string_view text) { return ParseSmsOutputText(text); }
  static bool QuickParse(std::string_view text, Params& params);
  // The record carries all but the VB area, the screen and its variables,
  // and of a Text Message all but the VB area.
  static bool QuickParseForDecode(std::string_view text, Params& params, const uint8_t* record,
                                  uint32_t length);
  template <class Out>
  static void Print(Out& text, const Params& params);
  static std::string Text(const Params& params) { return SmsOutputText(params); }
  static bool Edit(Params& params);
  template <class Out>
  static void Write(Out& out, const Params& params, const BlockPlace& place);
  template <class In>
  static void Read(In& in, Params& params);
};

class CSmsMessageOutputEntity : public CCodecEntity<SmsOutputCodec, 9, 512, 512> {};

}  // namespace ostrevan
