// The "Comm" page of the Subscribe and Publish blocks: network, QoS, the
// interval, the topic, and "Retained" or "Azure C2D" by block. It also
// carries the session fields that the Connect block now owns, hidden, so
// that their values pass through the text unchanged.
#pragma once

#include <string>

#include "blocks/mqtt/mqtt_read_entity.h"
#include "blocks/mqtt/mqtt_write_entity.h"
#include "editor/page.h"

namespace ostrevan {

class CPropertyMqttComm : public editor::PageModel {
 public:
  static constexpr int kTemplateId = 4648;
  static constexpr int kNetwork = 2201;
  static constexpr int kQos1 = 2202;
  static constexpr int kQos0 = 2203;
  static constexpr int kRetained = 2204;
  static constexpr int kUseInterval = 2205;
  static constexpr int kInterval = 2206;
  static constexpr int kIntervalUnit = 2207;
  static constexpr int kTopic = 2208;
  static constexpr int kAzureC2d = 2209;
  // Always hidden.
  static constexpr int kRemote = 2210;
  static constexpr int kClientId = 2211;
  static constexpr int kNewClientId = 2212;
  static constexpr int kUserName = 2213;
  static constexpr int kPassword = 2214;
  static constexpr int kHidePassword = 2215;
  static constexpr int kPingInterval = 2216;
  static constexpr int kConnectionTimeout = 2217;
  static constexpr int kTls = 2218;
  static constexpr int kTextLimit = 250;

  explicit CPropertyMqttComm(MqttSubscribeParams& params);
  explicit CPropertyMqttComm(MqttPublishParams& params);

  void Store() override;
  void TakeBack() override;

 protected:
  void OnInit() override;
  void OnClicked(int id) override;
  void OnSelectionChanged(int id) override;

 private:
  // The fields both records have, and the two only one of them has.
  struct Values {
    int network = 0;
    int qos1 = 1;
    int retained = 0;
    int azure_c2d = 0;
    int interval = 0;
    int remote_index = 0;
    int ping_interval = 0;
    int connection_timeout = 0;
    int tls = 0;
    std::string topic, client_id, user_name, password;
  };
  template <class Params>
  static Values ValuesOf(const Params& params);
  template <class Params>
  static void Put(const Values& values, Params& params);

  CPropertyMqttComm(Values values, bool publish);
  void AddControls();
  void ApplyEnabling();

  MqttSubscribeParams* subscribe_ = nullptr;
  MqttPublishParams* publish_ = nullptr;
  bool for_publish_;
  Values values_;
};

}  // namespace ostrevan
