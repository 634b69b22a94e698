#include "blocks/memory/memory_write_page.h"

#include <memory>
#include <string>
#include <vector>

#include "core/app.h"
#include "core/cpu_models.h"
#include "editor/sheet.h"

namespace ostrevan {

using editor::ControlKind;
using editor::LabelId;
using editor::MakeControl;

const char kSeparatorCharacters[7] = {' ', ',', ';', '\'', '*', '#', '%'};

namespace {

// A list's selection for a value that is an item index (none beyond it).
int ItemOf(unsigned value, size_t items) {
  return value < items ? static_cast<int>(value) : -1;
}

int SeparatorItem(char separator) {
  for (int i = 0; i < 7; ++i) {
    if (kSeparatorCharacters[i] == separator) return i;
  }
  return 0;
}

}  // namespace

CPropertyMemoryWrite::CPropertyMemoryWrite(MemoryWriteParams& params)
    : CardFilePage(kTemplateId, {300, 200}, values_, format_),
      params_(&params),
      values_(params),
      format_(params.format) {
  AddLabeled(kPosition, ControlKind::kDropList, "Record position", {84, 8, 90, 60});
  AddLabeled(kFileName, ControlKind::kEdit, "File Name:", {84, 26, 70, 12});
  Add(MakeControl(kFileExtension, ControlKind::kLabel, ".txt", {158, 28, 20, 10}));
  AddLabeled(kTitle, ControlKind::kEdit, "Record Title:", {84, 44, 70, 12});
  AddLabeled(kWriteMode, ControlKind::kDropList, "File Write Mode:", {84, 62, 70, 60});
  AddLabeled(kSeparator, ControlKind::kDropList, "Separator ", {230, 62, 50, 100}, 60);
  AddLabeled(kFileSize, ControlKind::kDropList, "File Size", {84, 80, 70, 60});
  AddLabeled(kAfterFull, ControlKind::kDropList, "After Memory Full:", {230, 80, 50, 60}, 60);
  Add(MakeControl(kSaveTime, ControlKind::kCheckBox, "Save Record Time", {16, 100, 90, 12}));
  Add(MakeControl(kUseRecordIndex, ControlKind::kCheckBox, "Record Index", {16, 118, 64, 12}));
  Add(MakeControl(kRecordIndex, ControlKind::kNumberEdit, "", {84, 118, 70, 12}));
  AddLabeled(kRegister, ControlKind::kEdit, "Register:", {84, 140, 70, 12});
  AddLabeled(kCount, ControlKind::kNumberEdit, "Count", {230, 140, 50, 12}, 60);
  AddLabeled(kDataSequence, ControlKind::kDropList, "Data Sequence:", {84, 158, 70, 60});
  AddLabeled(kDecimals, ControlKind::kDropList, "Decimals", {230, 158, 50, 80}, 60);
  AddLabeled(kFormat, ControlKind::kDropList, "Format:", {84, 176, 70, 80});
  // The lists the page does not fill itself.
  Mutable(kSeparator).items = {"' '", "','", "';'", "'''", "'*'", "'#'", "'%'"};
  Mutable(kFileSize).items = {"512k", "1M", "2M", "10M"};
  Mutable(kDataSequence).items = {"HI-LO", "LO-HI"};
  Mutable(kDecimals).items = {"0", "1", "2", "3"};
}

void CPropertyMemoryWrite::OnInit() {
  values_.internal_card = HasInternalCard(App().cpu_model());
  SetItems(kWriteMode, {"Create", "Append"});
  SetItems(kAfterFull, {"Overlay", "Stop"});
  Select(kWriteMode, ItemOf(values_.write_mode, 2));
  Select(kDataSequence, ItemOf(values_.data_sequence, 2));
  Select(kAfterFull, ItemOf(values_.after_full, 2));
  Select(kDecimals, ItemOf(values_.decimals, 4));
  Select(kFileSize, ItemOf(values_.file_size_code, 4));
  Select(kSeparator, SeparatorItem(values_.separator));
  SetChecked(kSaveTime, values_.save_time);
  OpenCommon(0);
  SetChecked(kUseRecordIndex, values_.record_index > 0);
  ApplyRecordIndexRules();
}

void CPropertyMemoryWrite::OnSelectionChanged(int id) {
  int selection = At(id).selection;
  if (selection < 0) return CardFilePage::OnSelectionChanged(id);
  uint8_t index = static_cast<uint8_t>(selection);
  switch (id) {
    case kWriteMode: values_.write_mode = index; break;
    case kSeparator: values_.separator = kSeparatorCharacters[selection]; break;
    case kFileSize: values_.file_size_code = index; break;
    case kAfterFull: values_.after_full = index; break;
    case kDataSequence: values_.data_sequence = index; break;
    case kDecimals: values_.decimals = index; break;
    case kPosition:
      values_.internal_card = selection == 0;
      ApplyRecordIndexRules();
      break;
    default: CardFilePage::OnSelectionChanged(id); break;
  }
}

void CPropertyMemoryWrite::OnClicked(int id) {
  if (id == kUseRecordIndex) ApplyRecordIndexRules();
}

void CPropertyMemoryWrite::ApplyRecordIndexRules() {
  bool internal = values_.internal_card;
  if (!internal) SetChecked(kUseRecordIndex, false);
  bool in_use = At(kUseRecordIndex).checked;
  if (!in_use) SetText(kRecordIndex, "0");
  Enable(kUseRecordIndex, internal);
  Enable(kRecordIndex, in_use && internal);
}

void CPropertyMemoryWrite::Store() {
  StoreCommon();
  values_.save_time = At(kSaveTime).checked;
}

void CPropertyMemoryWrite::TakeBack() {
  values_.format = format_;
  *params_ = values_;
}

bool EditMemoryWrite(MemoryWriteParams& params, editor::EditorView& view) {
  std::vector<SheetPage> pages;
  pages.push_back({"Params", std::make_unique<CPropertyMemoryWrite>(params)});
  return EditInSheet(view, std::move(pages));
}

}  // namespace ostrevan
