#include "blocks/mqtt/mqtt_read_page.h"

#include <memory>
#include <string>
#include <vector>

#include "blocks/mqtt/mqtt_comm_page.h"
#include "core/app.h"
#include "core/operand.h"
#include "core/param_text.h"
#include "editor/sheet.h"

namespace ostrevan {

using editor::ControlKind;
using editor::LabelId;
using editor::MakeControl;

namespace {

constexpr int kVArea = 159;

}  // namespace

CPropertyMqttRead::CPropertyMqttRead(MqttSubscribeParams& params)
    : PageModel(kTemplateId, {280, 104}), params_(&params), values_(params) {
  Add(MakeControl(kSavedTo, ControlKind::kLabel, "Message saved to:", {8, 8, 120, 10}));
  Add(MakeControl(LabelId(kStartByte), ControlKind::kLabel, "Strings Start byte:",
                  {8, 24, 70, 10}));
  Add(MakeControl(LabelId(kStartByte) + 1, ControlKind::kLabel, "VB", {80, 24, 12, 10}));
  Add(MakeControl(kStartByte, ControlKind::kNumberEdit, "", {94, 22, 50, 12})).spin = true;
  Add(MakeControl(kTotalLength, ControlKind::kLabel, "(Total length: 256 chars)",
                  {150, 24, 110, 10}));
  Add(MakeControl(LabelId(kReceiveNumber), ControlKind::kLabel, "Receive number:",
                  {8, 42, 70, 10}));
  Add(MakeControl(kReceiveNumber, ControlKind::kDropList, "", {80, 40, 80, 40}));
  Add(MakeControl(kCharCount, ControlKind::kNumberEdit, "", {166, 40, 40, 12})).spin = true;
  Add(MakeControl(kOption1, ControlKind::kLabel,
                  "Option 1: User can set number of chars could read \"Chars to Receive\"",
                  {8, 62, 264, 10}, editor::kStretchRight));
  Add(MakeControl(kOption2, ControlKind::kLabel,
                  "Option 2: User can NOT set number of chars, could read \"As Received\"",
                  {8, 78, 264, 10}, editor::kStretchRight));
}

void CPropertyMqttRead::OnInit() {
  SetItems(kReceiveNumber, {"Chars to Receive", "As Received"});
  Select(kReceiveNumber, values_.fixed_length == 1 ? 0 : 1);
  SetRange(kCharCount, {1, kMaxChars});
  const int32_t last_byte = AreaMaxIndex(App().areas(), kVArea);
  SetRange(kStartByte, {0, last_byte});
  SetText(kCharCount, std::to_string(values_.char_count < 1 ? 1 : values_.char_count));
  SetText(kStartByte, std::to_string(values_.buffer_start));
  SetTooltip(kStartByte, Format("VB%d ~ VB%d", 0, static_cast<int>(last_byte)) + " <br>",
             kHintMilliseconds);
  ApplyEnabling();
}

void CPropertyMqttRead::ApplyEnabling() {
  Enable(kCharCount, At(kReceiveNumber).selection == 0);
}

void CPropertyMqttRead::OnSelectionChanged(int id) {
  if (id != kReceiveNumber) return;
  values_.fixed_length = At(kReceiveNumber).selection == 0 ? 1 : 0;
  ApplyEnabling();
}

void CPropertyMqttRead::Store() {
  values_.buffer_start = LeadingInt(At(kStartByte).text);
  values_.char_count = LeadingInt(At(kCharCount).text);
}

void CPropertyMqttRead::TakeBack() {
  params_->buffer_start = values_.buffer_start;
  params_->fixed_length = values_.fixed_length;
  params_->char_count = values_.char_count;
}

bool EditMqttSubscribe(MqttSubscribeParams& params, editor::EditorView& view) {
  std::vector<SheetPage> pages;
  pages.push_back({"Comm", std::make_unique<CPropertyMqttComm>(params)});
  pages.push_back({"Params", std::make_unique<CPropertyMqttRead>(params)});
  return EditInSheet(view, std::move(pages));
}

}  // namespace ostrevan
