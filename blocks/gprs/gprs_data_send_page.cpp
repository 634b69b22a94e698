#include "blocks/gprs/gprs_data_send_page.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "blocks/modbus/modbus_page.h"
#include "core/app.h"
#include "core/operand.h"
#include "core/param_text.h"
#include "editor/sheet.h"

namespace ostrevan {

using editor::ControlKind;

CPropertyGprsDataSend::CPropertyGprsDataSend(GprsDataSendParams& params)
    : GprsServerPage(kTemplateId, {300, 190}, values_.server, values_.timeout),
      params_(&params),
      values_(params) {
  AddServerControls("S", 8);
  AddLabeled(kCommand, ControlKind::kDropList, "Command", {84, 90, 130, 60});
  AddLabeled(kRegisterAddress, ControlKind::kEdit, "Register addr:", {84, 108, 60, 12});
  AddLabeled(kCount, ControlKind::kNumberEdit, "Count", {230, 108, 50, 12}, 36);
  AddLabeled(kDataAddress, ControlKind::kEdit, "Data addr:", {84, 126, 60, 12});
  AddLabeled(kSlaveAddress, ControlKind::kEdit, "Slave Address", {84, 144, 60, 12});
  AddLabeled(kOrder, ControlKind::kDropList, "Data Register Index", {84, 162, 80, 60});
}

void CPropertyGprsDataSend::OnInit() {
  OpenServer({3, 100});
  SetItems(kCommand, {"15 Write Multiple Coils", "16 Write Multiple Registers"});
  Select(kCommand, values_.command == 15 ? 0 : 1);
  SetItems(kOrder, {"High Low", "Low High"});
  Select(kOrder, values_.high_low ? 0 : 1);
  SetText(kRegisterAddress, std::to_string(static_cast<int32_t>(values_.register_address)));
  SetText(kSlaveAddress, std::to_string(static_cast<int32_t>(values_.slave_address)));
  ApplyCountLimit();
  SetText(kDataAddress, FormatOperand(values_.data_area, values_.data_index));
  ShowHint();
}

void CPropertyGprsDataSend::OnSelectionChanged(int id) {
  int selection = At(id).selection;
  if (selection < 0) return;
  if (id == kCommand) {
    values_.command = selection == 0 ? 15 : 16;
    values_.count = static_cast<uint32_t>(LeadingInt(At(kCount).text));
    ApplyCountLimit();
    ShowHint();
  }
  if (id == kOrder) values_.high_low = selection == 0;
}

void CPropertyGprsDataSend::OnTextChanged(int id) {
  // Parsed once the typing is handled, like every operand edit.
  if (id == kDataAddress) PostPrivate(kDataAddress);
}

void CPropertyGprsDataSend::OnPrivateMessage(uintptr_t wparam) {
  if (wparam == static_cast<uintptr_t>(kDataAddress)) ParseDataAddress();
}

void CPropertyGprsDataSend::ParseDataAddress() {
  Operand operand = ParseOperand(At(kDataAddress).text);
  values_.data_area = operand.area;
  values_.data_index = static_cast<uint16_t>(operand.index);
}

void CPropertyGprsDataSend::ApplyCountLimit() {
  uint32_t max = MaxModbusCount(values_.command);
  values_.count = std::min(values_.count, max);
  SetText(kCount, std::to_string(values_.count));
  SetRange(kCount, {1, static_cast<long>(max)});
}

void CPropertyGprsDataSend::ShowHint() {
  HintSections sections = values_.command == 15 ? HintSections::kBitOnly : HintSections::kWordOnly;
  SetTooltip(kDataAddress, RangeHint(App().areas(), sections), kHintMilliseconds);
}

bool CPropertyGprsDataSend::Validate() {
  ParseDataAddress();  // as the user left it, even if its message is still queued
  if (values_.command == 15 && !IsBitArea(values_.data_area)) {
    ShowMessage(editor::ErrorMessage(Format("Command %d only supports digital variables!", 15)));
    return false;
  }
  if (values_.command == 16 && !IsWordArea(values_.data_area)) {
    ShowMessage(editor::ErrorMessage(Format("Command %d only supports WORD variables!", 16)));
    return false;
  }
  return true;
}

void CPropertyGprsDataSend::Store() {
  StoreServer();
  values_.register_address = static_cast<uint32_t>(LeadingInt(At(kRegisterAddress).text));
  values_.count = static_cast<uint32_t>(LeadingInt(At(kCount).text));
  values_.slave_address = static_cast<uint32_t>(LeadingInt(At(kSlaveAddress).text));
  ParseDataAddress();
  values_.count_byte = static_cast<uint8_t>(values_.count & 0xFF);
}

void CPropertyGprsDataSend::TakeBack() { *params_ = values_; }

bool EditGprsDataSend(GprsDataSendParams& params, editor::EditorView& view) {
  std::vector<SheetPage> pages;
  pages.push_back({"Params", std::make_unique<CPropertyGprsDataSend>(params)});
  return EditInSheet(view, std::move(pages));
}

}  // namespace ostrevan
