#include "blocks/mqtt/mqtt_connect_page.h"

#include <memory>
#include <string>
#include <vector>

#include "blocks/mqtt/mqtt_page_common.h"
#include "core/param_text.h"
#include "core/text_builder.h"
#include "editor/editor_view.h"
#include "editor/sheet.h"

namespace ostrevan {

using editor::ControlKind;
using editor::LabelId;
using editor::MakeControl;

namespace {

constexpr int kAddressGroup = 1;
constexpr int kCertificateGroup = 2;
constexpr int kSecondsUnit = 30000;  // + the edit's id: its "S" beside it
constexpr editor::Anchors kStayTopRight{{100, 0}, {100, 0}};

struct PathRow {
  int edit;
  int button;
  const char* label;
};
constexpr PathRow kPathRows[] = {
    {CPropertyMqttConnect::kCaFile, CPropertyMqttConnect::kBrowseCaFile, "CA File"},
    {CPropertyMqttConnect::kCertificateFile, CPropertyMqttConnect::kBrowseCertificateFile,
     "Client Certificate File"},
    {CPropertyMqttConnect::kKeyFile, CPropertyMqttConnect::kBrowseKeyFile, "Client key File"},
};

}  // namespace

CPropertyMqttConnect::CPropertyMqttConnect(MqttConnectParams& params)
    : PageModel(kTemplateId, {300, 268}), params_(&params), values_(params) {
  auto labeled = [this](int id, ControlKind kind, const char* label, editor::Rect rect,
                        int label_width, editor::Anchors anchors = editor::kStayTopLeft) {
    Add(MakeControl(LabelId(id), ControlKind::kLabel, label,
                    {rect.x - label_width - 4, rect.y + 2, label_width, 10}));
    return &Add(MakeControl(id, kind, "", rect, anchors));
  };
  auto radio = [this](int id, const char* label, int group, editor::Rect rect) {
    Add(MakeControl(id, ControlKind::kRadio, label, rect)).group = group;
  };
  auto seconds = [&](int id, const char* label, int y) {
    labeled(id, ControlKind::kNumberEdit, label, {96, y, 40, 12}, 84)->spin = true;
    Add(MakeControl(kSecondsUnit + id, ControlKind::kLabel, "S", {140, y + 2, 10, 10}));
  };

  labeled(kNetwork, ControlKind::kDropList, "Network", {56, 8, 70, 40}, 44);
  // The radios of a pair next to each other: the arrow keys keep to one pair.
  radio(kByIp, "IP Address", kAddressGroup, {8, 26, 64, 12});
  radio(kByDomain, "Domain Name", kAddressGroup, {8, 42, 64, 12});
  Add(MakeControl(kIp, ControlKind::kIpAddress, "", {76, 26, 100, 12}));
  labeled(kPort, ControlKind::kNumberEdit, "Port", {226, 26, 50, 12}, 20);
  Add(MakeControl(kDomain, ControlKind::kEdit, "", {76, 42, 200, 12}, editor::kStretchRight));
  seconds(kConnectionTimeout, "Connection timeout:", 60);
  seconds(kPingInterval, "PING interval time:", 76);
  Add(MakeControl(kCleanSession, ControlKind::kCheckBox, "Clean Session", {8, 92, 80, 12}));

  Add(MakeControl(kTls, ControlKind::kCheckBox, "Enable SSL/TLS", {8, 112, 80, 12}));
  labeled(kProtocol, ControlKind::kEdit, "Protocol", {140, 112, 50, 12}, 36)->read_only = true;
  radio(kCaSigned, "CA signed server certificate", kCertificateGroup, {8, 128, 120, 12});
  radio(kSelfSigned, "Self signed certificates", kCertificateGroup, {140, 128, 110, 12});
  int y = 144;
  for (const PathRow& row : kPathRows) {
    labeled(row.edit, ControlKind::kEdit, row.label, {96, y, 160, 12}, 84, editor::kStretchRight);
    Add(MakeControl(row.button, ControlKind::kButton, "...", {260, y, 16, 12}, kStayTopRight));
    y += 16;
  }
  Add(MakeControl(kPemFormatted, ControlKind::kCheckBox, "PEM Formatted", {8, y, 80, 12}));

  labeled(kClientId, ControlKind::kEdit, "Client ID", {56, 214, 140, 12}, 44, editor::kStretchRight);
  Add(MakeControl(kNewClientId, ControlKind::kButton, "Create only one ID", {200, 213, 76, 14},
                  kStayTopRight));
  labeled(kUserName, ControlKind::kEdit, "Name", {56, 232, 140, 12}, 44, editor::kStretchRight);
  labeled(kPassword, ControlKind::kEdit, "Password", {56, 250, 140, 12}, 44, editor::kStretchRight);
}

void CPropertyMqttConnect::OnInit() {
  for (int id : {kClientId, kUserName, kPassword, kDomain}) SetTextLimit(id, kTextLimit);
  SetRange(kPort, {0, 65535});
  SetText(kIp, FormatIpv4(values_.broker_ip));
  Enable(kTls, true);

  std::vector<std::string> networks = mqtt::NetworkItems();
  int selection = mqtt::NetworkSelection(values_.network, networks);
  SetItems(kNetwork, std::move(networks));
  Select(kNetwork, selection);

  SetChecked(kByIp, !values_.by_domain_name);
  SetChecked(kByDomain, values_.by_domain_name != 0);
  const mqtt::CertificateTexts& paths = values_.certificate_paths;
  bool self_signed = !paths[0].empty() || !paths[1].empty();
  SetChecked(kCaSigned, !self_signed);
  SetChecked(kSelfSigned, self_signed);
  SetRange(kConnectionTimeout, {0, 60});
  SetRange(kPingInterval, {0, 255});

  SetText(kDomain, values_.domain_name);
  SetText(kPort, std::to_string(values_.port));
  SetText(kConnectionTimeout, std::to_string(values_.connection_timeout));
  SetText(kPingInterval, std::to_string(values_.ping_interval));
  SetChecked(kCleanSession, values_.clean_session != 0);
  SetChecked(kTls, values_.tls != 0);
  SetText(kProtocol, "TLSV1.2");
  for (size_t i = 0; i < std::size(kPathRows); ++i) SetText(kPathRows[i].edit, paths[i]);
  SetChecked(kPemFormatted, true);
  Enable(kPemFormatted, false);
  SetText(kClientId, values_.client_id);
  SetText(kUserName, values_.user_name);
  SetText(kPassword, values_.password);
  ApplyEnabling();
}

void CPropertyMqttConnect::ApplyEnabling() {
  bool by_ip = At(kByIp).checked;
  Enable(kIp, by_ip);
  Enable(kDomain, !by_ip);
  bool tls = At(kTls).checked;
  Enable(kCaSigned, tls);
  Enable(kSelfSigned, tls);
  bool paths = tls && At(kSelfSigned).checked;
  for (const PathRow& row : kPathRows) {
    Enable(LabelId(row.edit), paths);
    Enable(row.edit, paths);
    Enable(row.button, paths);
  }
}

void CPropertyMqttConnect::OnClicked(int id) {
  switch (id) {
    case kByIp:
    case kByDomain:
    case kTls:
    case kCaSigned:
    case kSelfSigned: ApplyEnabling(); break;
    case kBrowseCaFile: Browse(kCaFile); break;
    case kBrowseCertificateFile: Browse(kCertificateFile); break;
    case kBrowseKeyFile: Browse(kKeyFile); break;
    case kNewClientId: SetText(kClientId, mqtt::NewClientId()); break;
    default: break;
  }
}

void CPropertyMqttConnect::OnSelectionChanged(int id) {
  if (id == kNetwork && At(kNetwork).selection >= 0) values_.network = At(kNetwork).selection;
}

void CPropertyMqttConnect::Browse(int edit_id) {
  if (!view()) return;
  std::optional<std::string> chosen =
      view()->ChooseFileToOpen({kCertificateFilter, At(edit_id).text});
  if (chosen) SetText(edit_id, *chosen);
}

void CPropertyMqttConnect::Store() {
  values_.by_domain_name = At(kByDomain).checked ? 1 : 0;
  ScannedInts<4> parts = ScanInts<4>(At(kIp).text, '.');
  for (size_t i = 0; i < 4; ++i) values_.broker_ip[i] = static_cast<uint8_t>(parts[i]);
  values_.domain_name = At(kDomain).text;
  values_.port = LeadingInt(At(kPort).text);
  values_.connection_timeout = LeadingInt(At(kConnectionTimeout).text);
  values_.ping_interval = LeadingInt(At(kPingInterval).text);
  values_.clean_session = At(kCleanSession).checked ? 1 : 0;
  values_.tls = At(kTls).checked ? 1 : 0;
  // The paths count only for self-signed certificates.
  bool self_signed = At(kSelfSigned).checked;
  for (size_t i = 0; i < std::size(kPathRows); ++i)
    values_.certificate_paths[i] = self_signed ? At(kPathRows[i].edit).text : std::string();
  values_.client_id = At(kClientId).text;
  values_.user_name = At(kUserName).text;
  values_.password = At(kPassword).text;
}

void CPropertyMqttConnect::TakeBack() { *params_ = values_; }

bool EditMqttConnect(MqttConnectParams& params, editor::EditorView& view) {
  std::vector<SheetPage> pages;
  pages.push_back({"Params", std::make_unique<CPropertyMqttConnect>(params)});
  return EditInSheet(view, std::move(pages));
}

}  // namespace ostrevan
