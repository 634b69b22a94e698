// The Connect to MQTT Server block: how the PLC opens and keeps its session
// with one broker (link, address, port, time-outs, client identity and the
// TLS certificates, whose contents travel inside the record).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "blocks/mqtt/certificates.h"
#include "core/codec_entity.h"

namespace ostrevan {

// The block's settings, their texts held as `Text`: std::string for the
// editor and the general way, std::string_view into the host's text for
// the quick way of Code, which then copies no text.
template <class Text>
struct BasicMqttConnectParams {
  Text client_id;
  Text user_name;
  Text password;
  int ping_interval = 30;       // seconds; the record carries the low byte
  int connection_timeout = 10;  // seconds, 10 to 60
  int reserved_a3 = 0;          // kept in the text only
  int clean_session = 1;
  int tls = 0;
  std::array<uint8_t, 4> broker_ip{};
  int port = 1884;
  std::array<Text, mqtt::kCertificateFiles> certificate_paths;  // CA file, certificate, key
  int by_domain_name = 0;  // 0: the broker is given by its IP address
  Text domain_name;
  int reserved_a8 = 0;  // kept in the text only
  int network = 0;      // 0 Ethernet, 1 4G
};
using MqttConnectParams = BasicMqttConnectParams<std::string>;

MqttConnectParams ParseMqttConnectText(std::string_view text);
std::string MqttConnectText(const MqttConnectParams& params);

struct MqttConnectCodec {
  using Params = MqttConnectParams;
  // Everything before the strings; the longest record carries the longest
  // run of strings and three certificates of the most bytes.
  static constexpr size_t kStringsAt = 34;
  static constexpr size_t kLongestRecord =
      kStringsAt + 257 + 8 + mqtt::kCertificateFiles * mqtt::kMaxCertificateBytes;
  static Params Defaults() { return {}; }
  static Params Parse(std::string_view text) { return ParseMqttConnectText(text); }
  using QuickParams = BasicMqttConnectParams<std::string_view>;
  static bool QuickParse(std::string_view text, QuickParams& params);
  // The record lacks only the two numbers kept in the text.
  static bool QuickParseForDecode(std::string_view text, Params& params);
  static bool HoldsRecord(const uint8_t* record, uint32_t length);
  template <class Out>
  static void Print(Out& text, const Params& params);
  static std::string Text(const Params& params) { return MqttConnectText(params); }
  static bool Edit(Params& params);
  template <class Out, class Settings>
  static void Write(Out& out, const Settings& params, const BlockPlace& place);
  template <class In>
  static void Read(In& in, Params& params);
};

class CMqttConnectEntity : public CCodecEntity<MqttConnectCodec, 7, 1024, 10240> {};

}  // namespace ostrevan
