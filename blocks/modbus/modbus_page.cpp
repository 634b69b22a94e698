#include "blocks/modbus/modbus_page.h"

#include <algorithm>
#include <vector>

#include "blocks/modbus/modbus_link_pages.h"
#include "core/app.h"
#include "core/operand.h"
#include "core/param_text.h"
#include "editor/sheet.h"

namespace ostrevan {

using editor::ControlKind;
using editor::LabelId;
using editor::MakeControl;

const ModbusCommand kModbusCommands[6] = {
    {1, "01 Read Coils(0x)"},
    {2, "02 Read Discrete Input(1x)"},
    {3, "03 Read Holding Registers(4x)"},
    {4, "04 Read Input Registers(3x)"},
    {15, "15 Write Multiple Coils"},
    {16, "16 Write Multiple Registers"},
};

uint32_t MaxModbusCount(int function_code) {
  switch (function_code) {
    case 1:
    case 2: return 256;
    case 3:
    case 4: return 50;
    case 15: return 32;
    case 16: return 64;
    default: return 2;
  }
}

namespace {

int CommandItem(int function_code) {
  for (int i = 0; i < 6; ++i) {
    if (kModbusCommands[i].code == function_code) return i;
  }
  return -1;
}

// Bit commands show the operand as "%s%d.%d", register commands as "%s%d".
std::string DataAddressText(int function_code, int area, uint32_t index) {
  std::string letters = AreaName(area);
  int value = static_cast<int>(index);
  if (IsBitFunction(function_code)) return Format("%s%d.%d", letters.c_str(), value / 8, value % 8);
  return Format("%s%d", letters.c_str(), value);
}

}  // namespace

CPropertyModbus::CPropertyModbus(ModbusParams& params)
    : PageModel(kTemplateId, {300, 220}),
      params_(&params),
      port_(params.port),
      slave_address_(params.slave_address),
      function_code_(params.function_code),
      count_(params.count),
      slave_register_(params.slave_register),
      data_area_(params.data_area),
      data_index_(params.data_index),
      high_low_(params.high_low) {
  struct Row {
    int id;
    const char* label;
    ControlKind kind;
    editor::Rect rect;
  };
  const Row rows[] = {
      {kPortList, "Comm Type", ControlKind::kDropList, {80, 8, 130, 100}},
      {kSlaveAddress, "Slave Address", ControlKind::kNumberEdit, {80, 26, 60, 12}},
      {kOrder, "Data Register Index", ControlKind::kDropList, {220, 26, 70, 60}},
      {kCommand, "Command", ControlKind::kDropList, {80, 44, 130, 100}},
      {kSlaveRegister, "Slave register addr:", ControlKind::kNumberEdit, {80, 62, 60, 12}},
      {kDataAddress, "Save data addr:", ControlKind::kEdit, {80, 80, 60, 12}},
      {kCount, "Count", ControlKind::kNumberEdit, {220, 80, 40, 12}},
  };
  for (const Row& row : rows) {
    int label_x = row.rect.x < 200 ? 8 : 150;
    Add(MakeControl(LabelId(row.id), ControlKind::kLabel, row.label,
                    {label_x, row.rect.y + 2, 68, 10}));
    Add(MakeControl(row.id, row.kind, "", row.rect));
  }
  Add(MakeControl(kLinkFrame, ControlKind::kFrame, "", {8, 100, 284, 112}, editor::kStretchBoth));
}

void CPropertyModbus::OnInit() {
  port_list_.Init(static_cast<int>(port_));
  SetItems(kPortList, port_list_.entries());
  Select(kPortList, port_list_.selection());

  std::vector<std::string> commands;
  for (const ModbusCommand& command : kModbusCommands) commands.push_back(command.text);
  SetItems(kCommand, commands);
  Select(kCommand, CommandItem(function_code_));
  SetItems(kOrder, {"High Low", "Low High"});
  Select(kOrder, high_low_ ? 0 : 1);

  SetText(kSlaveAddress, Format("%d", static_cast<int>(slave_address_)));
  SetText(kSlaveRegister, Format("%d", static_cast<int>(slave_register_)));
  ApplyCountLimit();
  data_address_ = DataAddressText(function_code_, data_area_, data_index_);
  SetText(kDataAddress, data_address_);

  ShowControl(kLinkFrame, false);
  CreateLinkPage();
  ShowHint();
}

void CPropertyModbus::OnSelectionChanged(int id) {
  int selection = At(id).selection;
  switch (id) {
    case kPortList:
      port_ = static_cast<uint32_t>(port_list_.OnSelectionChanged(selection));
      // The new child shows the parameters as loaded: what was typed into
      // the old one is dropped with it.
      CreateLinkPage();
      break;
    case kCommand:
      if (selection >= 0) function_code_ = static_cast<uint8_t>(kModbusCommands[selection].code);
      ShowHint();
      count_ = static_cast<uint32_t>(LeadingInt(At(kCount).text));
      ApplyCountLimit();
      break;
    case kOrder: high_low_ = selection == 0; break;
    default: break;
  }
}

editor::PageModel* CPropertyModbus::link_page() const {
  return static_cast<editor::PageModel*>(ChildIn(kLinkFrame));
}

void CPropertyModbus::CreateLinkPage() {
  std::unique_ptr<editor::PageModel> link;
  if (IsNetworkPort(static_cast<int32_t>(port_))) {
    link = std::make_unique<CPropertyModbusNet>(*params_);
  } else {
    link = std::make_unique<CPropertyModbusRs232>(*params_);
  }
  editor::PageModel* created = link.get();
  SetChild(kLinkFrame, std::move(link));
  created->Create();
}

void CPropertyModbus::ApplyCountLimit() {
  count_ = std::min(count_, MaxModbusCount(function_code_));
  SetText(kCount, Format("%d", static_cast<int>(count_)));
}

void CPropertyModbus::ShowHint() {
  HintSections sections =
      IsBitFunction(function_code_) ? HintSections::kBitOnly : HintSections::kWordOnly;
  SetTooltip(kDataAddress, RangeHint(App().areas(), sections), kHintMilliseconds);
}

void CPropertyModbus::ExchangeEdits() {
  slave_address_ = static_cast<uint32_t>(LeadingInt(At(kSlaveAddress).text));
  slave_register_ = static_cast<uint32_t>(LeadingInt(At(kSlaveRegister).text));
  count_ = static_cast<uint32_t>(LeadingInt(At(kCount).text));
  data_address_ = At(kDataAddress).text;
  Operand operand = ParseOperand(data_address_);
  data_area_ = operand.area;
  data_index_ = static_cast<uint32_t>(operand.index);
}

bool CPropertyModbus::Validate() {
  ExchangeEdits();
  bool fits = IsBitFunction(function_code_) ? IsBitArea(data_area_) : IsWordArea(data_area_);
  if (fits) return true;
  ShowMessage(editor::ErrorMessage(
      "The register you used does not match the modbus command, please select it again!"));
  return false;
}

void CPropertyModbus::Store() {
  ExchangeEdits();
  if (editor::PageModel* link = link_page()) link->Store();
}

void CPropertyModbus::TakeBack() {
  params_->port = port_;
  params_->slave_address = slave_address_;
  params_->function_code = function_code_;
  params_->count = count_;
  params_->slave_register = slave_register_;
  params_->data_area = data_area_;
  params_->data_index = data_index_;
  params_->high_low = high_low_;
  params_->count_byte = static_cast<uint8_t>(count_ & 0xFF);
  if (editor::PageModel* link = link_page()) link->TakeBack();
}

bool EditModbus(ModbusParams& params, editor::EditorView& view) {
  std::vector<SheetPage> pages;
  pages.push_back({"Params", std::make_unique<CPropertyModbus>(params)});
  return EditInSheet(view, std::move(pages));
}

}  // namespace ostrevan
