#include "blocks/memory/memory_read_page.h"

#include <memory>
#include <vector>

#include "editor/sheet.h"

namespace ostrevan {

using editor::ControlKind;
using editor::MakeControl;

CPropertyMemoryRead::CPropertyMemoryRead(MemoryReadParams& params)
    : CardFilePage(kTemplateId, {260, 150}, values_, format_),
      params_(&params),
      values_(params),
      format_(params.format) {
  AddLabeled(kPosition, ControlKind::kDropList, "Record position", {84, 8, 100, 60});
  AddLabeled(kFileName, ControlKind::kEdit, "File Name:", {84, 28, 70, 12});
  Add(MakeControl(kFileExtension, ControlKind::kLabel, ".txt", {158, 30, 20, 10}));
  AddLabeled(kTitle, ControlKind::kEdit, "Record Title:", {84, 46, 70, 12});
  AddLabeled(kRecordIndex, ControlKind::kNumberEdit, "Record Index:", {84, 64, 70, 12});
  AddLabeled(kRegister, ControlKind::kEdit, "Register:", {84, 90, 70, 12});
  AddLabeled(kCount, ControlKind::kNumberEdit, "Count", {200, 90, 40, 12}, 36);
  AddLabeled(kFormat, ControlKind::kDropList, "Format:", {84, 108, 70, 80});
}

void CPropertyMemoryRead::OnInit() {
  values_.internal_card = true;  // this block reads the internal card only
  OpenCommon(1);
}

void CPropertyMemoryRead::Store() { StoreCommon(); }

void CPropertyMemoryRead::TakeBack() {
  values_.format = static_cast<uint8_t>(format_);
  *params_ = values_;
}

bool EditMemoryRead(MemoryReadParams& params, editor::EditorView& view) {
  std::vector<SheetPage> pages;
  pages.push_back({"Params", std::make_unique<CPropertyMemoryRead>(params)});
  return EditInSheet(view, std::move(pages));
}

}  // namespace ostrevan
