// The editing state of a Params Message screen, free of any window: the
// cells, the variable slots of the rows, the caret, and the rules of the
// keys, the Delete and Insert buttons, moving a variable, and the in-place
// edit of the double-byte editor.
//
// Cells are 16-bit: a single-byte character c as c, a double-byte
// character of the code page as lead × 256 + trail. The single-byte editor
// has 4 rows, the double-byte (PDU(UCS2)) editor 3.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "blocks/messaging/message_screen.h"
#include "editor/screen_control.h"

namespace ostrevan {

class ScreenEditor {
 public:
  explicit ScreenEditor(bool double_byte);

  bool double_byte() const { return double_byte_; }
  int rows() const { return ScreenRows(double_byte_); }

  // The rows and slots of this editor's format; the others stay as they are.
  void Load(const MessageScreen& screen);
  void Store(MessageScreen& screen) const;

  uint16_t cell(int row, int column) const { return cells_[row][column]; }
  const VariableSlot& slot(int row) const { return slots_[row]; }
  VariableSlot& mutable_slot(int row) { return slots_[row]; }
  int caret_row() const { return caret_row_; }
  int caret_column() const { return caret_column_; }
  void PlaceCaret(int row, int column);

  // The row holds a variable: an operand or the date/time.
  bool HoldsVariable(int row) const;
  // The row holds an operand variable of an area that is not a bit area.
  bool HasDecimals(int row) const;
  // The cell lies in the field of its row's variable.
  bool InField(int row, int column) const;

  void Key(editor::ScreenKey key);
  // A typed character (a space included).
  void Type(char c);
  // The Delete button.
  void DeleteAtCaret();
  // Places a variable of `kind`, `index` and `width` at the caret; false
  // (and nothing changed) when the row holds one or the field does not fit.
  bool Insert(uint8_t kind, int32_t index, int width);
  // Moves the variable of row `from` to (`to_row`, `to_column`); false when
  // the target row holds a variable (its own row included).
  bool Move(int from, int to_row, int to_column);

  // The cells from the caret to the row's end as text, trailing blanks cut.
  std::string StretchText() const;
  // Writes `text` (code page) over the cells from the caret on, one
  // character per cell; an empty text blanks the stretch.
  void ReplaceStretch(const std::string& text);

  // A cell's character in the code page; "" for an empty cell.
  static std::string CellBytes(uint16_t cell);

 private:
  void ClampCaret();
  void Blank(int row, int column) { cells_[row][column] = ' '; }
  void BlankField(int row, int column, int width);

  bool double_byte_;
  std::array<std::array<uint16_t, kScreenColumns>, 4> cells_{};
  std::array<VariableSlot, kVariableSlots> slots_{};
  int caret_row_ = 0;
  int caret_column_ = 0;
};

}  // namespace ostrevan
