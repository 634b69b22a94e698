#include "blocks/messaging/sms_output_page.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "core/param_text.h"
#include "editor/sheet.h"

namespace ostrevan {

using editor::ControlKind;
using editor::LabelId;
using editor::MakeControl;

namespace {

constexpr editor::Size kPageSize{330, 230};
constexpr const char* kReceiverGroupLabel = "Send status message to";

// Format items: "TEXT" stores 0, "PDU(UCS2)" stores 3.
int FormatItem(uint8_t format) {
  return format == kTextFormat ? 0 : format == kUcs2Format ? 1 : -1;
}

}  // namespace

CPropertySmsOut::CPropertySmsOut(SmsOutputParams& params)
    : MessagingPage(kTemplateId, kPageSize), params_(&params), values_(params) {
  Add(MakeControl(LabelId(kFormat), ControlKind::kLabel, "Message Format", {8, 10, 56, 10}));
  Add(MakeControl(kFormat, ControlKind::kDropList, "", {66, 8, 90, 60}));
  Add(MakeControl(kStyle, ControlKind::kDropList, "", {170, 8, 90, 60}));
  AddReceiverLists(kReceiverGroup, kReceiverGroupLabel, kFirstReceiver, 26, values_.receivers);
  Add(MakeControl(kPhonebook, ControlKind::kImageButton, "Phonebook", {272, 70, 40, 18},
                  {{100, 0}, {100, 0}}));
  AddMessageFrame(kMessageFrame, {8, 98, 314, 124}, MessageBinding{&values_, nullptr});
}

void CPropertySmsOut::OnInit() {
  SetItems(kFormat, {"TEXT", "PDU(UCS2)"});
  Select(kFormat, FormatItem(values_.message.format));
  SetItems(kStyle, {"FBD Style", "Ladder Style"});
  Select(kStyle, values_.message.fbd_style ? 0 : 1);
  FillReceiverLists();
  ShowMessagePage(values_.message.format, values_.dial);
  ApplyDial();
}

void CPropertySmsOut::ApplyDial() {
  EnableReceiverLists(!values_.dial);
  Enable(kFormat, !values_.dial);
  Enable(kStyle, !values_.dial);
  if (MessageChildPage* page = message_page()) page->SetDial(values_.dial);
}

void CPropertySmsOut::OnSelectionChanged(int id) {
  if (PickReceiver(id)) return;
  const int selection = At(id).selection;
  if (selection < 0) return;
  if (id == kFormat) {
    values_.message.format = selection == 0 ? kTextFormat : kUcs2Format;
    if (MessageChildPage* page = message_page()) page->SetFormat(values_.message.format);
  } else if (id == kStyle) {
    values_.message.fbd_style = selection == 0;
    ShowMessagePage(values_.message.format, values_.dial);
  }
}

void CPropertySmsOut::OnClicked(int id) {
  if (id != kPhonebook || !RunPhoneBook()) return;
  RefillReceiverLists();
  NotifyPages(kPhoneBookChanged, 0);  // the call page's lists too
}

void CPropertySmsOut::OnPageNotify(uintptr_t wparam, intptr_t) {
  if (wparam == kPhoneBookChanged) {
    RefillReceiverLists();
  } else if (wparam == 0 || wparam == 1) {
    values_.dial = wparam == 1;
    ApplyDial();
  }
}

void CPropertySmsOut::Store() {
  // Receivers, format and style follow the controls as they change.
  if (MessageChildPage* page = message_page()) page->Store();
}

void CPropertySmsOut::TakeBack() {
  params_->receivers = values_.receivers;
  params_->message = values_.message;
}

CPropertyProgramSms_In_Dial::CPropertyProgramSms_In_Dial(SmsOutputParams& params)
    : MessagingPage(kTemplateId, kPageSize), params_(&params), values_(params) {
  Add(MakeControl(kDial, ControlKind::kCheckBox, "Dial the specified phone number",
                  {8, 8, 200, 12}));
  AddReceiverLists(kReceiverGroup, kReceiverGroupLabel, kFirstReceiver, 26, values_.receivers);
  Add(MakeControl(kConfirmation, ControlKind::kCheckBox, "Confirmation", {8, 100, 100, 12}));
  struct Row {
    int id;
    const char* label;
    int unit_id;
    const char* unit;
    int y;
  };
  const Row rows[] = {{kWaiting, "Waiting for confirmation", kWaitingUnit, "Second", 120},
                      {kLoops, "Number of loops if no confirmation received", kLoopsUnit,
                       "Repetitions", 138}};
  for (const Row& row : rows) {
    Add(MakeControl(LabelId(row.id), ControlKind::kLabel, row.label, {8, row.y + 2, 150, 10}));
    Add(MakeControl(row.id, row.id == kLoops ? ControlKind::kNumberEdit : ControlKind::kEdit, "",
                    {160, row.y, 50, 12}));
    Add(MakeControl(row.unit_id, ControlKind::kLabel, row.unit, {214, row.y + 2, 50, 10}));
  }
}

void CPropertyProgramSms_In_Dial::OnInit() {
  SetChecked(kDial, values_.dial);
  SetChecked(kConfirmation, values_.confirmation);
  SetText(kWaiting, Format("%g", static_cast<double>(values_.waiting_seconds)));
  SetText(kLoops, std::to_string(values_.loops));
  FillReceiverLists();
  ApplyEnabling();
}

void CPropertyProgramSms_In_Dial::ApplyEnabling() {
  const bool dial = At(kDial).checked;
  const bool waits = dial && At(kConfirmation).checked;
  EnableReceiverLists(dial);
  Enable(kConfirmation, dial);
  for (int id : {kWaiting, kLoops}) {
    Enable(id, waits);
    Enable(LabelId(id), waits);
  }
}

void CPropertyProgramSms_In_Dial::OnSelectionChanged(int id) { PickReceiver(id); }

void CPropertyProgramSms_In_Dial::OnClicked(int id) {
  if (id != kDial && id != kConfirmation) return;
  ApplyEnabling();
  if (id == kDial) NotifyPages(At(kDial).checked ? 1 : 0, 0);
}

void CPropertyProgramSms_In_Dial::OnPageNotify(uintptr_t wparam, intptr_t) {
  if (wparam == kPhoneBookChanged) RefillReceiverLists();
}

void CPropertyProgramSms_In_Dial::Store() {
  stored_ = true;
  values_.dial = At(kDial).checked;
  if (!values_.dial) return;  // the confirmation settings stay as they were
  values_.confirmation = At(kConfirmation).checked;
  values_.waiting_seconds = static_cast<float>(std::strtod(At(kWaiting).text.c_str(), nullptr));
  values_.loops = LeadingInt(At(kLoops).text);
}

void CPropertyProgramSms_In_Dial::TakeBack() {
  params_->dial = values_.dial;
  if (!stored_ || !values_.dial) return;
  params_->receivers = values_.receivers;
  params_->confirmation = values_.confirmation;
  params_->waiting_seconds = values_.waiting_seconds;
  params_->loops = values_.loops;
  // A call sends no message.
  params_->message.text_message = true;
  params_->message.text.clear();
  params_->message.format = kTextFormat;
}

bool EditSmsOutput(SmsOutputParams& params, editor::EditorView& view) {
  std::vector<SheetPage> pages;
  pages.push_back({"Params", std::make_unique<CPropertySmsOut>(params)});
  pages.push_back({"Call", std::make_unique<CPropertyProgramSms_In_Dial>(params)});
  return EditInSheet(view, std::move(pages));
}

}  // namespace ostrevan
