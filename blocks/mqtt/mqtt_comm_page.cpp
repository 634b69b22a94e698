#include "blocks/mqtt/mqtt_comm_page.h"

#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "blocks/mqtt/mqtt_page_common.h"
#include "core/param_text.h"

namespace ostrevan {

using editor::ControlKind;
using editor::LabelId;
using editor::MakeControl;

namespace {

constexpr int kQosGroup = 1;
constexpr int kRemoteCount = 8;

// The fields the page shows for either block, from the block's parameters
// to the page's values or back.
template <class From, class To>
void CopyCommonFields(const From& from, To& to) {
  to.network = from.network;
  to.qos1 = from.qos1;
  to.interval = from.interval;
  to.remote_index = from.remote_index;
  to.ping_interval = from.ping_interval;
  to.connection_timeout = from.connection_timeout;
  to.tls = from.tls;
  to.topic = from.topic;
  to.client_id = from.client_id;
  to.user_name = from.user_name;
  to.password = from.password;
}

}  // namespace

template <class Params>
CPropertyMqttComm::Values CPropertyMqttComm::ValuesOf(const Params& p) {
  Values v;
  CopyCommonFields(p, v);
  if constexpr (std::is_same_v<Params, MqttPublishParams>) v.retained = p.retained;
  if constexpr (std::is_same_v<Params, MqttSubscribeParams>) v.azure_c2d = p.azure_c2d;
  return v;
}

template <class Params>
void CPropertyMqttComm::Put(const Values& v, Params& p) {
  CopyCommonFields(v, p);
  if constexpr (std::is_same_v<Params, MqttPublishParams>) p.retained = v.retained;
  if constexpr (std::is_same_v<Params, MqttSubscribeParams>) p.azure_c2d = v.azure_c2d;
}

CPropertyMqttComm::CPropertyMqttComm(MqttSubscribeParams& params)
    : CPropertyMqttComm(ValuesOf(params), false) {
  subscribe_ = &params;
}

CPropertyMqttComm::CPropertyMqttComm(MqttPublishParams& params)
    : CPropertyMqttComm(ValuesOf(params), true) {
  publish_ = &params;
}

CPropertyMqttComm::CPropertyMqttComm(Values values, bool publish)
    : PageModel(kTemplateId, {280, 100}), for_publish_(publish), values_(std::move(values)) {
  AddControls();
}

void CPropertyMqttComm::AddControls() {
  auto labeled = [this](int id, ControlKind kind, const char* label, editor::Rect rect,
                        int label_width) -> editor::Control& {
    Add(MakeControl(LabelId(id), ControlKind::kLabel, label,
                    {rect.x - label_width - 4, rect.y + 2, label_width, 10}));
    return Add(MakeControl(id, kind, "", rect));
  };
  labeled(kNetwork, ControlKind::kDropList, "Network", {64, 8, 70, 40}, 52);
  Add(MakeControl(LabelId(kQos1), ControlKind::kLabel, "QoS Level", {8, 28, 52, 10}));
  Add(MakeControl(kQos1, ControlKind::kRadio, "QoS1", {64, 26, 36, 12})).group = kQosGroup;
  Add(MakeControl(kQos0, ControlKind::kRadio, "QoS0", {104, 26, 36, 12})).group = kQosGroup;
  Add(MakeControl(kRetained, ControlKind::kCheckBox, "Retained", {150, 26, 60, 12}));
  Add(MakeControl(kUseInterval, ControlKind::kCheckBox, "", {8, 44, 100, 12}));
  Add(MakeControl(kInterval, ControlKind::kNumberEdit, "", {112, 44, 40, 12})).spin = true;
  Add(MakeControl(kIntervalUnit, ControlKind::kLabel, "S", {156, 46, 10, 10}));
  Add(MakeControl(LabelId(kTopic), ControlKind::kLabel, "", {8, 64, 64, 10}));
  Add(MakeControl(kTopic, ControlKind::kEdit, "", {76, 62, 196, 12}, editor::kStretchRight));
  Add(MakeControl(kAzureC2d, ControlKind::kCheckBox, "Azure C2D", {8, 80, 80, 12}));

  // The session fields, never shown: they keep their values in the text.
  const editor::Rect out_of_sight{0, 0, 1, 1};
  labeled(kRemote, ControlKind::kDropList, "Remote", out_of_sight, 0);
  labeled(kClientId, ControlKind::kEdit, "Client ID", out_of_sight, 0);
  Add(MakeControl(kNewClientId, ControlKind::kButton, "Create only one ID", out_of_sight));
  labeled(kUserName, ControlKind::kEdit, "Name", out_of_sight, 0);
  labeled(kPassword, ControlKind::kEdit, "Password", out_of_sight, 0);
  Add(MakeControl(kHidePassword, ControlKind::kCheckBox, "Hide", out_of_sight));
  labeled(kPingInterval, ControlKind::kEdit, "PING interval time:", out_of_sight, 0);
  labeled(kConnectionTimeout, ControlKind::kEdit, "Connection timeout:", out_of_sight, 0);
  Add(MakeControl(kTls, ControlKind::kCheckBox, "Enable SSL/TLS", out_of_sight));
}

void CPropertyMqttComm::OnInit() {
  for (int id : {kClientId, kUserName, kPassword, kTopic}) SetTextLimit(id, kTextLimit);
  SetChecked(kUseInterval, values_.interval > 0);

  const char* block = for_publish_ ? "Publish" : "Subscribe";
  SetLabel(kUseInterval, std::string(block) + " interval time");
  SetLabel(LabelId(kTopic), std::string(block) + " topic");
  ShowControl(kAzureC2d, !for_publish_);
  Enable(kAzureC2d, !for_publish_);
  ShowControl(kRetained, for_publish_);
  Enable(kRetained, for_publish_);

  std::vector<std::string> networks = mqtt::NetworkItems();
  int network = mqtt::NetworkSelection(values_.network, networks);
  SetItems(kNetwork, std::move(networks));
  Select(kNetwork, network);
  std::vector<std::string> remotes;
  for (int i = 1; i <= kRemoteCount; ++i) remotes.push_back(std::to_string(i));
  SetItems(kRemote, std::move(remotes));
  bool remote_listed = values_.remote_index >= 0 && values_.remote_index < kRemoteCount;
  Select(kRemote, remote_listed ? values_.remote_index : -1);

  SetRange(kInterval, {0, 255});
  SetChecked(kQos1, values_.qos1 != 0);
  SetChecked(kQos0, values_.qos1 == 0);
  SetChecked(kRetained, values_.retained != 0);
  SetChecked(kAzureC2d, values_.azure_c2d != 0);
  SetText(kInterval, std::to_string(values_.interval));
  SetText(kTopic, values_.topic);
  SetText(kClientId, values_.client_id);
  SetText(kUserName, values_.user_name);
  SetText(kPassword, values_.password);
  SetText(kPingInterval, std::to_string(values_.ping_interval));
  SetText(kConnectionTimeout, std::to_string(values_.connection_timeout));
  SetChecked(kTls, values_.tls != 0);
  for (int id : {kRemote, kClientId, kNewClientId, kUserName, kPassword, kHidePassword,
                 kPingInterval, kConnectionTimeout, kTls}) {
    ShowControl(id, false);
    if (Find(LabelId(id))) ShowControl(LabelId(id), false);
  }
  ApplyEnabling();
}

void CPropertyMqttComm::ApplyEnabling() {
  bool interval = At(kUseInterval).checked;
  Enable(kInterval, interval);
  Enable(kIntervalUnit, interval);
  Enable(LabelId(kTopic), interval);
}

void CPropertyMqttComm::OnClicked(int id) {
  switch (id) {
    case kQos1:
    case kQos0: values_.qos1 = At(kQos1).checked ? 1 : 0; break;
    case kUseInterval:
      if (!At(kUseInterval).checked) {
        values_.interval = 0;
        SetText(kInterval, "0");
      }
      ApplyEnabling();
      break;
    case kNewClientId: SetText(kClientId, mqtt::NewClientId()); break;
    default: break;
  }
}

void CPropertyMqttComm::OnSelectionChanged(int id) {
  if (id == kNetwork && At(kNetwork).selection >= 0) values_.network = At(kNetwork).selection;
}

void CPropertyMqttComm::Store() {
  values_.qos1 = At(kQos1).checked ? 1 : 0;
  values_.retained = At(kRetained).checked ? 1 : 0;
  values_.azure_c2d = At(kAzureC2d).checked ? 1 : 0;
  values_.interval = At(kUseInterval).checked ? LeadingInt(At(kInterval).text) : 0;
  values_.topic = At(kTopic).text;
  if (At(kRemote).selection >= 0) values_.remote_index = At(kRemote).selection;
  values_.client_id = At(kClientId).text;
  values_.user_name = At(kUserName).text;
  values_.password = At(kPassword).text;
  values_.ping_interval = LeadingInt(At(kPingInterval).text);
  values_.connection_timeout = LeadingInt(At(kConnectionTimeout).text);
  values_.tls = At(kTls).checked ? 1 : 0;
}

void CPropertyMqttComm::TakeBack() {
  if (subscribe_) Put(values_, *subscribe_);
  if (publish_) Put(values_, *publish_);
}

}  // namespace ostrevan
