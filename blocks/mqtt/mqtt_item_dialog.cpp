#include "blocks/mqtt/mqtt_item_dialog.h"

#include <string>
#include <vector>

#include "core/app.h"
#include "core/operand.h"

namespace ostrevan {

using editor::ControlKind;
using editor::LabelId;
using editor::MakeControl;

namespace {

constexpr int kBoolFormat = 5;
constexpr int kNoFormat = -1;

std::vector<std::string> Numbers(int first, int count) {
  std::vector<std::string> items;
  for (int i = 0; i < count; ++i) items.push_back(std::to_string(first + i));
  return items;
}

}  // namespace

CMqttWriteItemDialog::CMqttWriteItemDialog(PublishItem& item)
    : DialogModel(kTemplateId, {180, 112}, "MQTT item"), item_(&item) {
  struct Row {
    int id;
    ControlKind kind;
    const char* label;
  };
  const Row rows[] = {
      {kComment, ControlKind::kEdit, "Comment"},    {kRegister, ControlKind::kEdit, "Register"},
      {kCount, ControlKind::kDropList, "Count"},    {kFormat, ControlKind::kDropList, "Format"},
      {kDescription, ControlKind::kEdit, "Description"}, {kLength, ControlKind::kDropList, "Length"},
  };
  int y = 8;
  for (const Row& row : rows) {
    Add(MakeControl(LabelId(row.id), ControlKind::kLabel, row.label, {8, y + 2, 50, 10}));
    bool list = row.kind == ControlKind::kDropList;
    Add(MakeControl(row.id, row.kind, "", {62, y, 110, list ? 120 : 12}, editor::kStretchRight));
    y += 16;
  }
  // The hidden "Length" row lies under the buttons.
  Add(MakeControl(editor::kIdOk, ControlKind::kButton, "OK", {66, 92, 50, 14},
                  editor::kStayBottomRight));
  Add(MakeControl(editor::kIdCancel, ControlKind::kButton, "Cancel", {122, 92, 50, 14},
                  editor::kStayBottomRight));
}

void CMqttWriteItemDialog::OnInit() {
  SetTextLimit(kComment, kCommentLimit);
  SetTextLimit(kDescription, kDescriptionLimit);
  SetItems(kCount, Numbers(1, kMaxCount));
  SetItems(kLength, Numbers(0, kLengths));
  bool count_listed = item_->count >= 1 && item_->count <= kMaxCount;
  Select(kCount, count_listed ? item_->count - 1 : -1);
  bool length_listed = item_->length >= 0 && item_->length < kLengths;
  Select(kLength, length_listed ? item_->length : -1);
  ShowControl(kLength, false);
  ShowControl(LabelId(kLength), false);
  SetText(kComment, item_->comment);
  SetText(kDescription, item_->description);
  SetText(kRegister, FormatOperand(item_->area, item_->index));
  FillFormats(item_->area, item_->format);
  SetTooltip(kRegister, RangeHint(App().areas(), HintSections::kAll), kHintMilliseconds);
}

void CMqttWriteItemDialog::FillFormats(int area, int format) {
  std::vector<std::string> names;
  TypeNamesForArea(area, names);
  std::string current = format == kNoFormat ? std::string() : TypeNameFor(area, format);
  int selection = -1;
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i] == current) selection = static_cast<int>(i);
  }
  if (format == kNoFormat && !names.empty()) {
    selection = 0;
    format = TypeCodeFromName(names[0]);
  }
  Enable(kFormat, format != kBoolFormat);
  SetItems(kFormat, std::move(names));
  Select(kFormat, selection);
}

void CMqttWriteItemDialog::OnTextChanged(int id) {
  if (id == kRegister) FillFormats(ParseOperand(At(kRegister).text).area, kNoFormat);
}

bool CMqttWriteItemDialog::OnOk() {
  item_->comment = At(kComment).text;
  item_->description = At(kDescription).text;
  // Nothing checks the operand: one not recognised is stored with area 0.
  Operand operand = ParseOperand(At(kRegister).text);
  item_->area = operand.area;
  item_->index = operand.index;
  // A value that had no entry in a list stays as it was.
  if (At(kLength).selection >= 0) item_->length = At(kLength).selection;
  if (At(kCount).selection >= 0) item_->count = At(kCount).selection + 1;
  item_->format = TypeCodeFromName(At(kFormat).SelectedText());
  return true;
}

}  // namespace ostrevan
