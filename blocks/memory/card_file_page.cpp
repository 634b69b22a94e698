#include "blocks/memory/card_file_page.h"

#include <cctype>
#include <vector>

#include "core/app.h"
#include "core/operand.h"
#include "core/param_text.h"

namespace ostrevan {

using editor::ControlKind;
using editor::LabelId;
using editor::MakeControl;

namespace {

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string WithoutBlanks(const std::string& text) {
  std::string kept;
  for (char c : text) {
    if (c != ' ' && c != '\t') kept.push_back(c);
  }
  return kept;
}

}  // namespace

std::string FilteredFileName(const std::string& typed) {
  std::string kept;
  for (char c : typed.substr(0, CardFilePage::kFileNameLimit)) {
    if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') kept.push_back(c);
  }
  return Upper(kept);
}

CardFilePage::CardFilePage(int template_id, editor::Size size, CardFileParams& card,
                           uint32_t& format)
    : PageModel(template_id, size), card_(&card), format_(&format) {}

void CardFilePage::AddLabeled(int id, ControlKind kind, const char* label, editor::Rect rect,
                              int label_width) {
  Add(MakeControl(LabelId(id), ControlKind::kLabel, label,
                  {rect.x - label_width - 4, rect.y + 2, label_width, 10}));
  Add(MakeControl(id, kind, "", rect));
}

void CardFilePage::OpenCommon(long min_record_index) {
  SetItems(kPosition, {kInternalCard, kExternalCard});
  Select(kPosition, card_->internal_card ? 0 : 1);
  Enable(kPosition, false);
  Enable(LabelId(kPosition), false);

  SetText(kFileName, card_->file_name);
  SetTextLimit(kFileName, kFileNameLimit);
  SetText(kTitle, card_->title);
  SetTextLimit(kTitle, kTitleLimit);
  SetText(kRecordIndex, std::to_string(card_->record_index));
  SetRange(kRecordIndex, {min_record_index, 65535});
  SetText(kCount, std::to_string(card_->count));
  SetRange(kCount, {1, kMaxCount});
  SetText(kRegister, FormatOperand(static_cast<int>(card_->area_code),
                                   static_cast<int32_t>(card_->index)));
  RefillFormats();
  SetTooltip(kRegister, RangeHint(App().areas(), HintSections::kAll), kHintMilliseconds);
}

void CardFilePage::OnTextChanged(int id) {
  if (id == kFileName) FilterFileName();
  // Parsed once the typing is handled, like every operand edit.
  if (id == kRegister) PostPrivate(kRegister);
}

void CardFilePage::OnSelectionChanged(int id) {
  if (id == kFormat && At(kFormat).selection >= 0)
    *format_ = static_cast<uint32_t>(TypeCodeFromName(At(kFormat).SelectedText()));
}

void CardFilePage::OnPrivateMessage(uintptr_t wparam) {
  if (wparam != static_cast<uintptr_t>(kRegister)) return;
  Operand operand = ParseOperand(At(kRegister).text);
  card_->area_code = operand.area;
  card_->index = static_cast<uint32_t>(operand.index);
  RefillFormats();
}

void CardFilePage::FilterFileName() {
  // The model's own SetText raises no event: nothing to guard against.
  SetText(kFileName, FilteredFileName(At(kFileName).text));
  MoveCaretToEnd(kFileName);
}

void CardFilePage::RefillFormats() {
  int area = static_cast<int>(card_->area_code);
  std::vector<std::string> names;
  TypeNamesForArea(area, names);
  std::string current = TypeNameFor(area, static_cast<int>(*format_));
  int selection = -1;
  for (size_t i = 0; i < names.size(); ++i) {
    if (names[i] == current) selection = static_cast<int>(i);
  }
  if (selection < 0 && !names.empty()) {
    selection = 0;
    *format_ = static_cast<uint32_t>(TypeCodeFromName(names[0]));
  }
  Enable(kFormat, names.size() != 1);
  SetItems(kFormat, std::move(names));
  Select(kFormat, selection);
}

void CardFilePage::StoreCommon() {
  card_->file_name = Upper(WithoutBlanks(At(kFileName).text));
  card_->title = At(kTitle).text;
  card_->record_index = static_cast<uint32_t>(LeadingInt(At(kRecordIndex).text));
  card_->count = static_cast<uint32_t>(LeadingInt(At(kCount).text));
  Operand operand = ParseOperand(At(kRegister).text);
  card_->area_code = operand.area;
  card_->index = static_cast<uint32_t>(operand.index);
}

}  // namespace ostrevan
