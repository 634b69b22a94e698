#include "blocks/modbus/modbus_link_pages.h"

#include <string>
#include <vector>

#include "core/param_text.h"
#include "core/text_builder.h"

namespace ostrevan {

using editor::ControlKind;
using editor::LabelId;
using editor::MakeControl;

namespace {

constexpr editor::Size kChildSize{280, 100};

// Label and control side by side in rows of 16 units.
// The "S" beside the time-out edit.
constexpr int kTimeoutUnit = 30000 + 1187;

void AddRow(std::vector<editor::Control>& out, int id, const char* label, ControlKind kind,
            int row) {
  int y = 8 + row * 16;
  out.push_back(MakeControl(LabelId(id), ControlKind::kLabel, label, {8, y + 2, 70, 10}));
  out.push_back(MakeControl(id, kind, "", {82, y, 120, kind == ControlKind::kDropList ? 80 : 12},
                            editor::kStretchRight));
}

int IndexOfText(const std::vector<std::string>& items, const std::string& text) {
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i] == text) return static_cast<int>(i);
  }
  return -1;
}

std::string StopBitsText(uint8_t code) {
  return code == 1 || code == 2 ? Format("%d", code) : std::string("1.5");
}

uint8_t StopBitsOfText(const std::string& text) {
  if (text == "2") return 2;
  if (text == "1.5") return 0;
  return 1;
}

}  // namespace

std::vector<std::string> ProtocolItems() { return {"Modbus(RTU)", "Modbus(TCP)", "Modbus(ASCII)"}; }

int ProtocolItem(uint8_t protocol) {
  switch (protocol) {
    case 1: return 0;
    case 2: return 1;
    case 0: return 2;
    default: return -1;
  }
}

uint8_t ProtocolOfItem(int item) { return item == 0 ? 1 : item == 1 ? 2 : 0; }

CPropertyModbusRs232::CPropertyModbusRs232(ModbusParams& params)
    : PageModel(kTemplateId, kChildSize),
      params_(&params),
      protocol_(params.protocol),
      baud_rate_(params.baud_rate),
      data_bits_(params.data_bits),
      stop_bits_(params.stop_bits),
      parity_(params.parity),
      timeout_(params.timeout) {
  std::vector<editor::Control> controls;
  AddRow(controls, kProtocol, "Protocol", ControlKind::kDropList, 0);
  AddRow(controls, kBaudRate, "Bps", ControlKind::kDropList, 1);
  AddRow(controls, kDataBits, "Databits", ControlKind::kDropList, 2);
  AddRow(controls, kStopBits, "Stopbits", ControlKind::kDropList, 3);
  AddRow(controls, kParity, "Paritybit  ", ControlKind::kDropList, 4);
  AddRow(controls, kTimeout, "TimeOut", ControlKind::kNumberEdit, 5);
  controls.push_back(MakeControl(kTimeoutUnit, ControlKind::kLabel, "S",
                                 {206, 90, 12, 10}, {{100, 0}, {100, 0}}));
  for (editor::Control& control : controls) Add(std::move(control));
  Mutable(kDataBits).items = {"5", "6", "7", "8"};  // the template's list
}

void CPropertyModbusRs232::OnInit() {
  SetItems(kBaudRate, {"1200", "2400", "4800", "9600", "14400", "19200"});
  SetItems(kProtocol, ProtocolItems());
  SetItems(kStopBits, {"1", "1.5", "2"});
  SetItems(kParity, {"None", "Odd", "Even", "Mark", "Space"});
  Select(kBaudRate, IndexOfText(At(kBaudRate).items, Format("%d", static_cast<int>(baud_rate_))));
  Select(kDataBits, IndexOfText(At(kDataBits).items, Format("%d", data_bits_)));
  Select(kStopBits, IndexOfText(At(kStopBits).items, StopBitsText(stop_bits_)));
  Select(kParity, parity_ <= 4 ? parity_ : -1);
  Select(kProtocol, ProtocolItem(protocol_));
  SetText(kTimeout, Format("%d", timeout_));
}

void CPropertyModbusRs232::OnSelectionChanged(int id) {
  const editor::Control& control = At(id);
  if (control.selection < 0) return;
  std::string text = control.SelectedText();
  switch (id) {
    case kBaudRate: baud_rate_ = static_cast<uint32_t>(LeadingInt(text)); break;
    case kDataBits: data_bits_ = static_cast<uint8_t>(LeadingInt(text)); break;
    case kStopBits: stop_bits_ = StopBitsOfText(text); break;
    case kParity: parity_ = static_cast<uint8_t>(control.selection); break;
    case kProtocol: protocol_ = ProtocolOfItem(control.selection); break;
    default: break;
  }
}

void CPropertyModbusRs232::Store() { timeout_ = static_cast<uint8_t>(LeadingInt(At(kTimeout).text)); }

void CPropertyModbusRs232::TakeBack() {
  params_->protocol = protocol_;
  params_->baud_rate = baud_rate_;
  params_->data_bits = data_bits_;
  params_->stop_bits = stop_bits_;
  params_->parity = parity_;
  params_->timeout = timeout_;
}

CPropertyModbusNet::CPropertyModbusNet(ModbusParams& params)
    : PageModel(kTemplateId, kChildSize),
      params_(&params),
      protocol_(params.protocol),
      timeout_(params.timeout),
      target_port_(params.target_port),
      remote_index_(params.remote_index),
      tcp_(params.tcp),
      server_(params.server),
      target_ip_(params.target_ip) {
  std::vector<editor::Control> controls;
  AddRow(controls, kLocalCpu, "Local CPU", ControlKind::kDropList, 0);
  AddRow(controls, kTransport, "TCP/UDP", ControlKind::kDropList, 1);
  AddRow(controls, kRemote, "Remote", ControlKind::kDropList, 2);
  AddRow(controls, kTargetIp, "Target IP", ControlKind::kIpAddress, 3);
  AddRow(controls, kTargetPort, "Target Port", ControlKind::kNumberEdit, 4);
  AddRow(controls, kProtocol, "Protocol", ControlKind::kDropList, 5);
  AddRow(controls, kTimeout, "TimeOut", ControlKind::kNumberEdit, 6);
  controls.push_back(MakeControl(kTimeoutUnit, ControlKind::kLabel, "S",
                                 {206, 106, 12, 10}, {{100, 0}, {100, 0}}));
  for (editor::Control& control : controls) Add(std::move(control));
}

void CPropertyModbusNet::OnInit() {
  SetText(kTargetIp, FormatIpv4(target_ip_));
  SetItems(kRemote, {"1", "2", "3", "4", "5", "6", "7", "8"});
  Select(kRemote, IndexOfText(At(kRemote).items, Format("%d", static_cast<int>(remote_index_) + 1)));
  SetItems(kLocalCpu, {"Client", "Server"});
  Select(kLocalCpu, server_ ? 1 : 0);
  SetItems(kTransport, {"TCP", "UDP"});
  Select(kTransport, tcp_ ? 0 : 1);
  SetItems(kProtocol, ProtocolItems());
  Select(kProtocol, ProtocolItem(protocol_));
  SetText(kTargetPort, Format("%d", static_cast<int>(target_port_)));
  SetText(kTimeout, Format("%d", timeout_));
  ApplyEnabling();
}

void CPropertyModbusNet::OnSelectionChanged(int id) {
  const editor::Control& control = At(id);
  if (control.selection < 0) return;
  switch (id) {
    case kLocalCpu: server_ = control.selection == 1; break;
    case kTransport: tcp_ = control.selection == 0; break;
    case kRemote: remote_index_ = static_cast<uint32_t>(LeadingInt(control.SelectedText()) - 1); break;
    case kProtocol: protocol_ = ProtocolOfItem(control.selection); break;
    default: return;
  }
  if (id == kLocalCpu || id == kTransport) ApplyEnabling();
}

void CPropertyModbusNet::ApplyEnabling() {
  auto enable_with_label = [this](int id, bool enabled) {
    Enable(id, enabled);
    Enable(LabelId(id), enabled);
  };
  enable_with_label(kRemote, !server_);
  enable_with_label(kTargetIp, server_);
  enable_with_label(kTargetPort, server_ && !tcp_);
}

void CPropertyModbusNet::Store() {
  auto parts = ScanInts<4>(At(kTargetIp).text, '.');
  for (size_t i = 0; i < 4; ++i) target_ip_[i] = static_cast<uint8_t>(parts[i]);
  timeout_ = static_cast<uint8_t>(LeadingInt(At(kTimeout).text));
  target_port_ = static_cast<uint32_t>(LeadingInt(At(kTargetPort).text));
}

void CPropertyModbusNet::TakeBack() {
  params_->protocol = protocol_;
  params_->timeout = timeout_;
  params_->target_port = target_port_;
  params_->remote_index = remote_index_;
  params_->tcp = tcp_;
  params_->server = server_;
  params_->target_ip = target_ip_;
}

}  // namespace ostrevan
