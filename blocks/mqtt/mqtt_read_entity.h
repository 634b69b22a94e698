// The Subscribe with MQTT block: the PLC subscribes to one topic over the
// session of the Connect block and stores what arrives in its VB memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/codec_entity.h"

namespace ostrevan {

struct MqttSubscribeParams {
  std::string topic;
  std::string client_id;  // the following values are kept in the text only
  std::string user_name;
  std::string password;
  int interval = 30;  // seconds, 0 to 255
  int ping_interval = 30;
  int connection_timeout = 10;
  int remote_index = 0;
  int qos1 = 1;           // 1: QoS 1, 0: QoS 0
  int buffer_area = 160;  // VB
  int buffer_start = 0;   // first VB byte of the receive buffer
  int fixed_length = 0;   // 1: "Chars to Receive", 0: "As Received"
  int char_count = 0;     // 1 to 250 with a fixed length
  int tls = 1;
  int network = 0;  // 0 Ethernet, 1 4G
  int azure_c2d = 0;
};

MqttSubscribeParams ParseMqttSubscribeText(std::string_view text);
std::string MqttSubscribeText(const MqttSubscribeParams& params);

struct MqttSubscribeCodec {
  using Params = MqttSubscribeParams;
  // Everything before the strings, then the longest run of strings.
  static constexpr size_t kStringsAt = 42;
  static constexpr size_t kLongestRecord = kStringsAt + 257;
  static Params Defaults() { return {}; }
  static Params Parse(std::string_view text) { return ParseMqttSubscribeText(text); }
  static bool QuickParse(std::string_view text, Params& params);
  // The record lacks the buffer's area and the remote index (with TLS).
  static bool QuickParseForDecode(std::string_view text, Params& params);
  static bool HoldsRecord(const uint8_t* record, uint32_t length);
  template <class Out>
  static void Print(Out& text, const Params& params);
  static std::string Text(const Params& params) { return MqttSubscribeText(params); }
  static bool Edit(Params& params);
  template <class Out>
  static void Write(Out& out, const Params& params, const BlockPlace& place);
  template <class In>
  static void Read(In& in, Params& params);
};

class CMqttReadEntity : public CCodecEntity<MqttSubscribeCodec, 5, 440, 300> {};

}  // namespace ostrevan
