// The Connect to MQTT Server block: how the PLC opens and keeps its session
// with one broker (link, address, port, time-outs, client identity and the
// TLS certificates, whose contents travel inside the record).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "blocks/mqtt/certificates.h"
#include "core/codec_entity.h"

namespace ostrevan {

struct MqttConnectParams {
  std::string client_id;
  std::string user_name;
  std::string password;
  int ping_interval = 30;       // seconds; the record carries the low byte
  int connection_timeout = 10;  // seconds, 10 to 60
  int reserved_a3 = 0;          // kept in the text only
  int clean_session = 1;
  int tls = 0;
  std::array<uint8_t, 4> broker_ip{};
  int port = 1884;
  mqtt::CertificateTexts certificate_paths;  // CA file, client certificate, client key
  int by_domain_name = 0;                    // 0: the broker is given by its IP address
  std::string domain_name;
  int reserved_a8 = 0;  // kept in the text only
  int network = 0;      // 0 Ethernet, 1 4G
};

MqttConnectParams ParseMqttConnectText(std::string_view text);
std::string MqttConnectText(const MqttConnectParams& params);

struct MqttConnectCodec {
  using Params = MqttConnectParams;
  static Params Defaults() { return {}; }
  static Params Parse(std::string_view text) { return ParseMqttConnectText(text); }
  static std::string Text(const Params& params) { return MqttConnectText(params); }
  static bool Edit(Params& params);
  static void Write(RecordWriter& out, const Params& params, const BlockPlace& place);
  static void Read(RecordReader& in, Params& params);
};

class CMqttConnectEntity : public CCodecEntity<MqttConnectCodec, 7, 1024, 10240> {};

}  // namespace ostrevan
