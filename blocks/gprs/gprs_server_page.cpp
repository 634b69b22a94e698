#include "blocks/gprs/gprs_server_page.h"

#include <string>

#include "core/param_text.h"
#include "core/text_builder.h"

namespace ostrevan {

using editor::ControlKind;
using editor::LabelId;
using editor::MakeControl;

GprsServerPage::GprsServerPage(int template_id, editor::Size size, GprsServer& server,
                               uint8_t& timeout)
    : PageModel(template_id, size), server_(&server), timeout_(&timeout) {}

void GprsServerPage::AddLabeled(int id, ControlKind kind, const char* label, editor::Rect rect,
                                int label_width) {
  Add(MakeControl(LabelId(id), ControlKind::kLabel, label,
                  {rect.x - label_width - 4, rect.y + 2, label_width, 10}));
  Add(MakeControl(id, kind, "", rect));
}

void GprsServerPage::AddServerControls(const char* unit, int top) {
  AddLabeled(kTimeout, ControlKind::kNumberEdit, "Timeout", {84, top, 50, 12});
  Add(MakeControl(kTimeoutUnit, ControlKind::kLabel, unit, {138, top + 2, 20, 10}));
  struct Radio {
    int id;
    const char* label;
    int group;
    editor::Rect rect;
  };
  const Radio radios[] = {
      {kPlcSystem, "PLC system", 1, {16, top + 20, 70, 12}},
      {kCustomize, "Customize", 1, {96, top + 20, 70, 12}},
      {kByIp, "IP Address", 2, {16, top + 38, 70, 12}},
      {kByDomain, "Domain Name", 2, {16, top + 56, 70, 12}},
  };
  for (const Radio& r : radios) {
    editor::Control radio = MakeControl(r.id, ControlKind::kRadio, r.label, r.rect);
    radio.group = r.group;
    Add(radio);
  }
  Add(MakeControl(kIp, ControlKind::kIpAddress, "", {96, top + 38, 100, 12}));
  Add(MakeControl(kDomain, ControlKind::kEdit, "", {96, top + 56, 150, 12}, editor::kStretchRight));
  AddLabeled(kPort, ControlKind::kNumberEdit, "Port:", {230, top + 38, 50, 12}, 24);
}

void GprsServerPage::OpenServer(editor::NumberRange timeout_range) {
  SetText(kTimeout, std::to_string(*timeout_));
  SetRange(kTimeout, timeout_range);
  SetText(kIp, FormatIpv4(server_->ip));
  // The port is exchanged as a signed 16-bit number.
  SetText(kPort, std::to_string(static_cast<int16_t>(server_->port)));
  SetRange(kPort, {-32768, 32767});
  SetText(kDomain, server_->domain_name);
  SetTextLimit(kDomain, kDomainLimit);
  ApplyEnabling();
}

void GprsServerPage::OnClicked(int id) {
  if (id != kPlcSystem && id != kCustomize && id != kByIp && id != kByDomain) return;
  server_->system_settings = At(kPlcSystem).checked;
  server_->by_domain = At(kByDomain).checked;
  ApplyEnabling();
}

void GprsServerPage::ApplyEnabling() {
  SetChecked(kPlcSystem, server_->system_settings);
  SetChecked(kCustomize, !server_->system_settings);
  SetChecked(kByIp, !server_->by_domain);
  SetChecked(kByDomain, server_->by_domain);
  bool custom = !server_->system_settings;
  Enable(kByIp, custom);
  Enable(kByDomain, custom);
  Enable(kPort, custom);
  Enable(LabelId(kPort), custom);
  Enable(kIp, custom && !server_->by_domain);
  Enable(kDomain, custom && server_->by_domain);
}

void GprsServerPage::StoreServer() {
  *timeout_ = static_cast<uint8_t>(LeadingInt(At(kTimeout).text));
  // The address control's text, split at the dots, one byte a part.
  ScannedInts<4> parts = ScanInts<4>(At(kIp).text, '.');
  for (size_t i = 0; i < 4; ++i) server_->ip[i] = static_cast<uint8_t>(parts[i]);
  server_->port = static_cast<uint16_t>(LeadingInt(At(kPort).text));
  server_->domain_name = At(kDomain).text;
}

}  // namespace ostrevan
