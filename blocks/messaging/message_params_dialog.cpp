#include "blocks/messaging/message_params_dialog.h"

#include <memory>

#include "core/app.h"
#include "core/operand.h"
#include "core/param_text.h"
#include "core/platform/platform.h"
#include "editor/editor_view.h"

namespace ostrevan {

using editor::Control;
using editor::ControlKind;
using editor::MakeControl;
using editor::ScreenInput;

namespace {

// Dialog units, for the usual dialog font: the screen's cells are 19 × 31
// pixels, a row about 19 units high and the 20 columns about 220 wide.
constexpr int kRowHeight = 19;
constexpr int kScreenTop = 18;
constexpr int kScreenWidth = 220;
constexpr int kSideX = 8 + kScreenWidth + 8;
constexpr int kRadioGroup = 1;

std::string DateTimeText(const platform::LocalTime& t) {
  return Format("%04d/%02d/%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                t.second);
}

bool IsBlankCell(uint16_t cell) { return cell == 0 || cell == ' ' || cell == 0x2020; }

template <class Params>
bool RunFor(Params& params, editor::EditorView& view) {
  std::unique_ptr<MessageParamsDialog> dialog;
  if (params.message.ucs2()) {
    dialog = std::make_unique<CWSmsMessageParamsDialog>();
  } else {
    dialog = std::make_unique<CSmsMessageParamsDialog>();
  }
  dialog->Attach(&view);
  dialog->Load(params);
  return view.RunDialog(*dialog) == editor::DialogResult::kOk;
}

}  // namespace

MessageParamsDialog::MessageParamsDialog(int template_id, bool double_byte)
    : DialogModel(template_id,
                  {kSideX + 80, kScreenTop + ScreenRows(double_byte) * kRowHeight + 4 + 64},
                  kCaption),
      editor_(double_byte) {
  const int rows = editor_.rows();
  const int screen_height = rows * kRowHeight + 4;
  Add(MakeControl(kScreen, ControlKind::kScreen, "", {8, kScreenTop, kScreenWidth, screen_height}));
  Add(MakeControl(editor::LabelId(kFirstDecimals), ControlKind::kLabel, "Decimals",
                  {kSideX, 6, 40, 10}));
  for (int r = 0; r < rows; ++r) {
    Control& decimals = Add(MakeControl(DecimalsId(r), ControlKind::kDropList, "",
                                        {kSideX, kScreenTop + 2 + r * kRowHeight, 36, 60}));
    decimals.items = {"0", "1", "2", "3"};
  }
  Add(MakeControl(kInsert, ControlKind::kImageButton, "Insert", {kSideX + 46, kScreenTop, 26, 22}));
  Add(MakeControl(kDelete, ControlKind::kImageButton, "Delete",
                  {kSideX + 46, kScreenTop + 26, 26, 22}));

  const int y = kScreenTop + screen_height + 8;
  Control& from_register =
      Add(MakeControl(kSourceRegister, ControlKind::kRadio, "Register", {8, y + 2, 50, 10}));
  from_register.group = kRadioGroup;
  Add(MakeControl(kRegister, ControlKind::kEdit, "", {60, y, 70, 12}));
  Add(MakeControl(editor::LabelId(kCount), ControlKind::kLabel, "Count:", {140, y + 2, 26, 10}));
  Control& count = Add(MakeControl(kCount, ControlKind::kNumberEdit, "", {168, y, 30, 12}));
  count.range = editor::NumberRange{1, kMaxCount};
  Add(MakeControl(kCountMax, ControlKind::kLabel, "", {204, y + 2, 50, 10}));
  Control& from_clock = Add(
      MakeControl(kSourceDateTime, ControlKind::kRadio, "Current date/time", {8, y + 18, 90, 10}));
  from_clock.group = kRadioGroup;
  Add(MakeControl(editor::kIdOk, ControlKind::kButton, "OK", {kSideX + 80 - 116, y + 36, 50, 14},
                  editor::kStayBottomRight));
  Add(MakeControl(editor::kIdCancel, ControlKind::kButton, "Cancel",
                  {kSideX + 80 - 58, y + 36, 50, 14}, editor::kStayBottomRight));
}

void MessageParamsDialog::Load(MessageScreen& screen) {
  target_ = &screen;
  editor_.Load(screen);
}

void MessageParamsDialog::OnInit() {
  now_ = DateTimeText(platform::Now());
  SetChecked(kSourceRegister, true);
  SetChecked(kSourceDateTime, false);
  SetText(kRegister, "");
  SetText(kCount, "1");
  SetTooltip(kRegister, RangeHint(App().areas(), HintSections::kAll), kHintMilliseconds);
  ShowCountLimit();
  ShowDecimals();
  ShowScreen();
}

bool MessageParamsDialog::OnOk() {
  if (target_) editor_.Store(*target_);
  return true;
}

void MessageParamsDialog::OnClicked(int id) {
  if (id == kInsert) {
    InsertVariable();
  } else if (id == kDelete) {
    editor_.DeleteAtCaret();
  } else {
    return;
  }
  ShowDecimals();
  ShowScreen();
}

void MessageParamsDialog::OnTextChanged(int id) {
  if (id == kRegister) ShowCountLimit();
}

void MessageParamsDialog::OnSelectionChanged(int id) {
  const int row = id - kFirstDecimals;
  if (row < 0 || row >= editor_.rows()) return;
  const int selection = At(id).selection;
  if (selection >= 0) editor_.mutable_slot(row).decimals = static_cast<uint8_t>(selection);
}

void MessageParamsDialog::InsertVariable() {
  const int row = editor_.caret_row();
  bool placed = false;
  if (!editor_.HoldsVariable(row)) {
    if (At(kSourceDateTime).checked) {
      placed = editor_.Insert(kDateTimeVariable, -1, kScreenColumns);
    } else {
      const Operand operand = ParseOperand(At(kRegister).text);
      const int count = LeadingInt(At(kCount).text);
      placed = editor_.Insert(operand.area, operand.index, ValueTextWidth(operand.area, count));
    }
  }
  if (!placed) ShowMessage(editor::ErrorMessage(kRefusal));
}

void MessageParamsDialog::OnScreenInput(int id, const ScreenInput& input) {
  if (id != kScreen) return;
  switch (input.kind) {
    case ScreenInput::Kind::kKey:
      editor_.Key(input.key);
      break;
    case ScreenInput::Kind::kChar:
      editor_.Type(input.character);
      break;
    case ScreenInput::Kind::kPress:
      OnPress(input.row, input.column);
      break;
    case ScreenInput::Kind::kRelease:
      OnRelease(input.row, input.column);
      break;
    case ScreenInput::Kind::kDoubleClick:
      OpenCellEdit();
      break;
    case ScreenInput::Kind::kEditDone:
      CloseCellEdit(&input.text);
      break;
    case ScreenInput::Kind::kEditCancelled:
      CloseCellEdit(nullptr);
      break;
  }
  ShowScreen();
}

void MessageParamsDialog::OnPress(int row, int column) {
  dragged_row_.reset();
  if (row < 0 || row >= editor_.rows() || column < 0 || column >= kScreenColumns) return;
  editor_.PlaceCaret(row, column);
  if (editor_.InField(row, column)) dragged_row_ = row;
}

void MessageParamsDialog::OnRelease(int row, int column) {
  if (!dragged_row_) return;
  const int from = *dragged_row_;
  dragged_row_.reset();
  if (editor_.Move(from, row, column)) ShowDecimals();
}

void MessageParamsDialog::OpenCellEdit() {
  if (!editor_.double_byte()) return;
  MutableScreen(kScreen).edit =
      editor::CellEdit{editor_.caret_row(), editor_.caret_column(), editor_.StretchText()};
}

void MessageParamsDialog::CloseCellEdit(const std::string* text) {
  if (!At(kScreen).screen.edit) return;
  if (text) editor_.ReplaceStretch(*text);
  MutableScreen(kScreen).edit.reset();
}

void MessageParamsDialog::ShowCountLimit() {
  const bool bits = IsBitArea(ParseOperand(At(kRegister).text).area);
  Enable(kCount, bits);
  SetLabel(kCountMax, Format("Max: %d", bits ? kMaxCount : 1));
}

void MessageParamsDialog::ShowDecimals() {
  for (int r = 0; r < editor_.rows(); ++r) {
    const int decimals = editor_.slot(r).decimals;
    Select(DecimalsId(r), decimals <= 3 ? decimals : -1);
    Enable(DecimalsId(r), editor_.HasDecimals(r));
  }
}

std::string MessageParamsDialog::FieldText(int row) const {
  const VariableSlot& slot = editor_.slot(row);
  return slot.kind == kDateTimeVariable ? now_ : FormatOperand(slot.kind, slot.index);
}

void MessageParamsDialog::ShowScreen() {
  editor::ScreenSurface& surface = MutableScreen(kScreen);
  surface.rows = editor_.rows();
  surface.columns = kScreenColumns;
  surface.cells.assign(static_cast<size_t>(surface.rows * kScreenColumns), std::string());
  surface.in_field.assign(surface.cells.size(), false);
  for (int r = 0; r < surface.rows; ++r) {
    const std::string field = editor_.HoldsVariable(r) ? FieldText(r) : std::string();
    for (int c = 0; c < kScreenColumns; ++c) {
      const size_t at = static_cast<size_t>(r * kScreenColumns + c);
      const uint16_t cell = editor_.cell(r, c);
      if (editor_.InField(r, c)) {
        surface.in_field[at] = true;
        const size_t offset = static_cast<size_t>(c - editor_.slot(r).column);
        if (offset < field.size()) surface.cells[at] = field.substr(offset, 1);
      } else if (editor_.double_byte()) {
        if (!IsBlankCell(cell)) surface.cells[at] = ScreenEditor::CellBytes(cell);
      } else if (cell >= 1 && cell <= 127 && cell != ' ') {
        surface.cells[at] = std::string(1, static_cast<char>(cell));
      }
    }
  }
  surface.caret_row = editor_.caret_row();
  surface.caret_column = editor_.caret_column();
  surface.dragging = dragged_row_.has_value();
}

bool EditMessageScreen(SmsOutputParams& params, editor::EditorView& view) {
  return RunFor(params, view);
}

bool EditMessageScreen(MailParams& params, editor::EditorView& view) {
  return RunFor(params, view);
}

}  // namespace ostrevan
