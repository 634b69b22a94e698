// The Connect to MQTT Server block's page: network, broker address and
// port, time-outs, session, TLS with its certificate files, and the client
// identity.
#pragma once

#include "blocks/mqtt/mqtt_connect_entity.h"
#include "editor/page.h"

namespace ostrevan {

namespace editor {
class EditorView;
}

class CPropertyMqttConnect : public editor::PageModel {
 public:
  static constexpr int kTemplateId = 4779;
  static constexpr int kNetwork = 2101;
  static constexpr int kByIp = 2102;
  static constexpr int kByDomain = 2103;
  static constexpr int kIp = 2104;
  static constexpr int kDomain = 2105;
  static constexpr int kPort = 2106;
  static constexpr int kConnectionTimeout = 2107;
  static constexpr int kPingInterval = 2108;
  static constexpr int kCleanSession = 2109;
  static constexpr int kTls = 2110;
  static constexpr int kProtocol = 2111;
  static constexpr int kCaSigned = 2112;
  static constexpr int kSelfSigned = 2113;
  static constexpr int kCaFile = 2114;  // the three paths, then their "..." buttons
  static constexpr int kCertificateFile = 2115;
  static constexpr int kKeyFile = 2116;
  static constexpr int kBrowseCaFile = 2117;
  static constexpr int kBrowseCertificateFile = 2118;
  static constexpr int kBrowseKeyFile = 2119;
  static constexpr int kPemFormatted = 2120;
  static constexpr int kClientId = 2121;
  static constexpr int kNewClientId = 2122;
  static constexpr int kUserName = 2123;
  static constexpr int kPassword = 2124;
  static constexpr int kTextLimit = 250;

  static constexpr const char* kCertificateFilter =
      "CA certificate files(*.pem)|*.pem|All file(*.*)|*.*||";

  explicit CPropertyMqttConnect(MqttConnectParams& params);

  void Store() override;
  void TakeBack() override;

 protected:
  void OnInit() override;
  void OnClicked(int id) override;
  void OnSelectionChanged(int id) override;

 private:
  void ApplyEnabling();
  void Browse(int edit_id);

  MqttConnectParams* params_;
  MqttConnectParams values_;
};

// Runs the sheet with the Connect page; true after OK with `params` taken back.
bool EditMqttConnect(MqttConnectParams& params, editor::EditorView& view);

}  // namespace ostrevan
