#include "blocks/messaging/screen_editor.h"

#include <algorithm>

#include "core/operand.h"
#include "core/platform/code_page.h"

namespace ostrevan {

using editor::ScreenKey;

namespace {

constexpr int kLastColumn = kScreenColumns - 1;

uint16_t CellValue(const ScreenCell& cell) {
  return cell.lead != 0 ? static_cast<uint16_t>(cell.lead << 8 | cell.trail) : cell.trail;
}

ScreenCell CellOfValue(uint16_t value) {
  return {static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value & 0xFF)};
}

}  // namespace

ScreenEditor::ScreenEditor(bool double_byte) : double_byte_(double_byte) {
  for (auto& row : cells_) row.fill(' ');
}

void ScreenEditor::Load(const MessageScreen& screen) {
  for (int r = 0; r < rows(); ++r) {
    for (int c = 0; c < kScreenColumns; ++c) {
      cells_[r][c] = double_byte_ ? CellValue(screen.double_rows[r][c])
                                  : static_cast<uint8_t>(screen.single_rows[r][c]);
    }
    slots_[r] = screen.slots[r];
  }
  ClampCaret();
}

void ScreenEditor::Store(MessageScreen& screen) const {
  for (int r = 0; r < rows(); ++r) {
    for (int c = 0; c < kScreenColumns; ++c) {
      if (double_byte_) {
        screen.double_rows[r][c] = CellOfValue(cells_[r][c]);
      } else {
        screen.single_rows[r][c] = static_cast<char>(cells_[r][c] & 0xFF);
      }
    }
    screen.slots[r] = slots_[r];
  }
}

void ScreenEditor::PlaceCaret(int row, int column) {
  caret_row_ = row;
  caret_column_ = column;
  ClampCaret();
}

void ScreenEditor::ClampCaret() {
  caret_row_ = std::clamp(caret_row_, 0, rows() - 1);
  caret_column_ = std::clamp(caret_column_, 0, kLastColumn);
}

bool ScreenEditor::HoldsVariable(int row) const {
  uint8_t kind = slots_[row].kind;
  return kind != kNoVariable && kind != kFreeSlot;
}

bool ScreenEditor::HasDecimals(int row) const {
  return HoldsVariable(row) && slots_[row].kind != kDateTimeVariable &&
         !IsBitArea(slots_[row].kind);
}

bool ScreenEditor::InField(int row, int column) const {
  const VariableSlot& slot = slots_[row];
  return HoldsVariable(row) && column >= slot.column && column < slot.column + slot.width;
}

void ScreenEditor::Key(ScreenKey key) {
  ClampCaret();
  switch (key) {
    case ScreenKey::kLeft:
      caret_column_ = std::max(caret_column_ - 1, 0);
      break;
    case ScreenKey::kRight:
      caret_column_ = std::min(caret_column_ + 1, kLastColumn);
      break;
    case ScreenKey::kUp:
      caret_row_ = std::max(caret_row_ - 1, 0);
      break;
    case ScreenKey::kDown:
      caret_row_ = std::min(caret_row_ + 1, rows() - 1);
      break;
    case ScreenKey::kEnter:
      if (caret_row_ < rows() - 1) {
        ++caret_row_;
        caret_column_ = 0;
      }
      break;
    case ScreenKey::kBackspace:
      if (caret_column_ > 0) {
        --caret_column_;
      } else if (caret_row_ > 0) {
        --caret_row_;
        caret_column_ = kLastColumn;
      }
      Blank(caret_row_, caret_column_);
      break;
    case ScreenKey::kDelete:
      Blank(caret_row_, caret_column_);
      break;
  }
}

void ScreenEditor::Type(char c) {
  uint8_t byte = static_cast<uint8_t>(c);
  if (byte < 0x20 || byte == 0x7F) return;  // control characters
  // The double-byte editor takes its text through the in-place edit box.
  if (double_byte_ && byte != ' ') return;
  ClampCaret();
  if (!InField(caret_row_, caret_column_)) cells_[caret_row_][caret_column_] = byte;
  caret_column_ = std::min(caret_column_ + 1, kLastColumn);
}

void ScreenEditor::BlankField(int row, int column, int width) {
  for (int c = std::max(column, 0); c < std::min(column + width, kScreenColumns); ++c)
    Blank(row, c);
}

void ScreenEditor::DeleteAtCaret() {
  ClampCaret();
  VariableSlot& slot = slots_[caret_row_];
  if (InField(caret_row_, caret_column_)) {
    BlankField(caret_row_, slot.column, slot.width);
    const uint8_t decimals = slot.decimals;
    slot = VariableSlot{};  // kind 0, index -1, free, column 0, width 20, extra 0
    slot.decimals = decimals;
  } else {
    Blank(caret_row_, caret_column_);
    slot.extra = 0;
  }
}

bool ScreenEditor::Insert(uint8_t kind, int32_t index, int width) {
  ClampCaret();
  if (HoldsVariable(caret_row_)) return false;
  if (width < 1 || width > kScreenColumns - caret_column_) return false;
  VariableSlot& slot = slots_[caret_row_];
  slot.kind = kind;
  slot.index = index;
  slot.free_marker = 0;
  slot.column = static_cast<uint8_t>(caret_column_);
  slot.width = static_cast<uint8_t>(width);
  BlankField(caret_row_, caret_column_, width);
  return true;
}

bool ScreenEditor::Move(int from, int to_row, int to_column) {
  if (from < 0 || from >= rows() || to_row < 0 || to_row >= rows()) return false;
  // Its own row holds it too: a variable moves to another row only.
  if (!HoldsVariable(from) || HoldsVariable(to_row)) return false;
  const VariableSlot source = slots_[from];
  // The whole field stays inside the row.
  to_column = std::clamp(to_column, 0, std::max(kScreenColumns - source.width, 0));
  VariableSlot& target = slots_[to_row];
  target.kind = source.kind;
  target.index = source.index;
  target.free_marker = source.free_marker;
  target.extra = source.extra;
  target.width = source.width;
  target.column = static_cast<uint8_t>(to_column);
  target.decimals = source.decimals;
  BlankField(to_row, to_column, source.width);
  if (to_row != from) {
    VariableSlot& cleared = slots_[from];
    cleared.kind = kNoVariable;
    cleared.index = -1;
    cleared.free_marker = 0;
    cleared.column = 0;
    cleared.width = 0;
    cleared.extra = 0;
    cleared.decimals = 0;
  }
  return true;
}

std::string ScreenEditor::CellBytes(uint16_t cell) {
  std::string bytes;
  if (cell > 0xFF) bytes.push_back(static_cast<char>(cell >> 8));
  if ((cell & 0xFF) != 0) bytes.push_back(static_cast<char>(cell & 0xFF));  // half a character
  return bytes;
}

std::string ScreenEditor::StretchText() const {
  std::string text;
  for (int c = caret_column_; c < kScreenColumns; ++c) {
    // A blank cell is one space, so that the text maps back cell by cell.
    const uint16_t cell = cells_[caret_row_][c];
    text += cell == 0 || cell == 0x2020 ? std::string(" ") : CellBytes(cell);
  }
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

void ScreenEditor::ReplaceStretch(const std::string& text) {
  ClampCaret();
  if (text.empty()) {
    BlankField(caret_row_, caret_column_, kScreenColumns);
    return;
  }
  const std::u16string units = platform::MultiByteToUtf16(text);
  for (size_t i = 0; i < units.size() && caret_column_ + i < kScreenColumns; ++i) {
    cells_[caret_row_][caret_column_ + i] = CellValue(CellFromUnit(units[i]));
  }
}

}  // namespace ostrevan
