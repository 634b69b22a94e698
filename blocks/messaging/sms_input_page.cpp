#include "blocks/messaging/sms_input_page.h"

#include <memory>
#include <string>
#include <vector>

#include "core/param_text.h"
#include "editor/sheet.h"

namespace ostrevan {

using editor::Control;
using editor::ControlKind;
using editor::LabelId;
using editor::MakeControl;

CPropertySmsIn::CPropertySmsIn(SmsInputParams& params)
    : MessagingPage(kTemplateId, {330, 160}), params_(&params), values_(params) {
  Add(MakeControl(kMessageGroup, ControlKind::kGroupBox, "Message", {8, 6, 314, 36},
                  editor::kStretchRight));
  Add(MakeControl(LabelId(kVbStart), ControlKind::kLabel, "Start", {16, 22, 30, 10}));
  Control& start = Add(MakeControl(kVbStart, ControlKind::kNumberEdit, "", {48, 20, 70, 12}));
  start.spin = true;
  start.range = editor::NumberRange{0, kVbMax};
  Add(MakeControl(kVbUnit, ControlKind::kLabel, "VB", {122, 22, 20, 10}));
  Add(MakeControl(LabelId(kVbMaxCount), ControlKind::kLabel, "Max count", {168, 22, 40, 10}));
  Control& count = Add(MakeControl(kVbMaxCount, ControlKind::kNumberEdit, "", {210, 20, 70, 12}));
  count.spin = true;
  count.range = editor::NumberRange{0, kVbMax};
  Add(MakeControl(kIdentification, ControlKind::kCheckBox, "Telephone identification",
                  {8, 50, 120, 12}));
  AddReceiverLists(kReceiverGroup, "Telephone", kFirstReceiver, 68, values_.receivers);
  Add(MakeControl(kPhonebook, ControlKind::kImageButton, "Phonebook", {272, 112, 40, 18},
                  {{100, 0}, {100, 0}}));
}

void CPropertySmsIn::OnInit() {
  SetText(kVbStart, std::to_string(values_.vb_start));
  SetText(kVbMaxCount, std::to_string(values_.vb_max_count));
  SetChecked(kIdentification, values_.telephone_identification);
  FillReceiverLists();
  EnableReceiverLists(values_.telephone_identification);
}

void CPropertySmsIn::OnSelectionChanged(int id) { PickReceiver(id); }

void CPropertySmsIn::OnClicked(int id) {
  if (id == kIdentification) EnableReceiverLists(At(kIdentification).checked);
  if (id == kPhonebook && RunPhoneBook()) RefillReceiverLists();
}

void CPropertySmsIn::Store() {
  values_.telephone_identification = At(kIdentification).checked;
  values_.vb_start = LeadingInt(At(kVbStart).text);
  values_.vb_max_count = LeadingInt(At(kVbMaxCount).text);
}

void CPropertySmsIn::TakeBack() { *params_ = values_; }

bool EditSmsInput(SmsInputParams& params, editor::EditorView& view) {
  std::vector<SheetPage> pages;
  pages.push_back({"Params", std::make_unique<CPropertySmsIn>(params)});
  return EditInSheet(view, std::move(pages));
}

}  // namespace ostrevan
