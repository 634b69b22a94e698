// The Publish with MQTT block: the PLC publishes up to twelve runs of its
// operands to one topic over the session of the Connect block.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/codec_entity.h"

namespace ostrevan {

struct PublishItem {
  std::string comment;      // up to 8 characters reach the PLC
  std::string description;  // up to 4 characters reach the PLC
  int area = 176;           // "I"
  int bit = 0;
  int index = 0;
  int count = 0;   // 1 to 16 values; 0 marks a free slot
  int format = 5;  // data type code, BOOL
  int length = 0;  // kept in the text only
};

constexpr size_t kPublishSlots = 16;  // the last four are never used
constexpr size_t kPublishItemsCoded = 12;

struct MqttPublishParams {
  std::string topic;
  std::string client_id;  // kept in the text only
  std::string user_name;  // kept in the text only
  std::string password;   // kept in the text only
  int interval = 30;      // seconds, 0 to 255
  int ping_interval = 30;
  int connection_timeout = 10;
  int remote_index = 0;
  int qos1 = 1;
  int tls = 1;
  int retained = 0;
  std::array<PublishItem, kPublishSlots> items;
  int network = 0;  // 0 Ethernet, 1 4G
};

MqttPublishParams ParseMqttPublishText(std::string_view text);
std::string MqttPublishText(const MqttPublishParams& params);

struct MqttPublishCodec {
  using Params = MqttPublishParams;
  // Everything before the strings, then the longest run of strings.
  static constexpr size_t kStringsAt = 267;
  static constexpr size_t kLongestRecord = kStringsAt + 257;
  static Params Defaults() { return {}; }
  static Params Parse(std::string_view text) { return ParseMqttPublishText(text); }
  static bool QuickParse(std::string_view text, Params& params);
  // The record lacks only the remote index (with TLS).
  static bool QuickParseForDecode(std::string_view text, Params& params);
  static bool HoldsRecord(const uint8_t* record, uint32_t length);
  template <class Out>
  static void Print(Out& text, const Params& params);
  static std::string Text(const Params& params) { return MqttPublishText(params); }
  static bool Edit(Params& params);
  template <class Out>
  static void Write(Out& out, const Params& params, const BlockPlace& place);
  template <class In>
  static void Read(In& in, Params& params);
};

class CMqttWriteEntity : public CCodecEntity<MqttPublishCodec, 6, 1024, 1024> {};

}  // namespace ostrevan
