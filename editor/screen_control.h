// The screen control: a fixed grid of character cells with a caret, as the
// message text editor shows it, and the keyboard and mouse input it hands
// back to its form.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ostrevan::editor {

enum class ScreenKey { kLeft, kRight, kUp, kDown, kEnter, kBackspace, kDelete };

// One piece of user input on a screen control; rows and columns are cells.
struct ScreenInput {
  enum class Kind {
    kKey,            // `key`
    kChar,           // a typed character, `character`
    kPress,          // left button down on cell (`row`, `column`)
    kRelease,        // left button up on cell (`row`, `column`)
    kDoubleClick,    // on the caret's cell
    kEditDone,       // the in-place edit box closed with `text`
    kEditCancelled,  // the in-place edit box closed without a change
  };
  Kind kind = Kind::kKey;
  ScreenKey key = ScreenKey::kLeft;
  char character = 0;
  int row = 0;
  int column = 0;
  std::string text;

  static ScreenInput Key(ScreenKey key) { return {Kind::kKey, key, 0, 0, 0, {}}; }
  static ScreenInput Char(char c) { return {Kind::kChar, ScreenKey::kLeft, c, 0, 0, {}}; }
  static ScreenInput Press(int row, int column) {
    return {Kind::kPress, ScreenKey::kLeft, 0, row, column, {}};
  }
  static ScreenInput Release(int row, int column) {
    return {Kind::kRelease, ScreenKey::kLeft, 0, row, column, {}};
  }
  static ScreenInput DoubleClick() { return {Kind::kDoubleClick, ScreenKey::kLeft, 0, 0, 0, {}}; }
  static ScreenInput EditDone(std::string text) {
    return {Kind::kEditDone, ScreenKey::kLeft, 0, 0, 0, std::move(text)};
  }
  static ScreenInput EditCancelled() {
    return {Kind::kEditCancelled, ScreenKey::kLeft, 0, 0, 0, {}};
  }
};

// An in-place edit box over cells `column`..end of `row`, filled with `text`.
struct CellEdit {
  int row = 0;
  int column = 0;
  std::string text;
};

// What the screen control shows. Sizes are in cells.
struct ScreenSurface {
  int rows = 0;
  int columns = 0;
  std::vector<std::string> cells;  // row by row: the cell's character in the code page, or ""
  std::vector<bool> in_field;      // the cell belongs to a variable's field
  int caret_row = 0;
  int caret_column = 0;
  bool dragging = false;         // a press on a field started a drag
  std::optional<CellEdit> edit;  // the in-place edit box, while it is open

  const std::string& Cell(int row, int column) const { return cells.at(row * columns + column); }
  bool InField(int row, int column) const { return in_field.at(row * columns + column); }
  // The row's shown characters, one per cell, blanks as spaces.
  std::string RowText(int row) const {
    std::string text;
    for (int c = 0; c < columns; ++c) text += Cell(row, c).empty() ? " " : Cell(row, c);
    return text;
  }
};

}  // namespace ostrevan::editor
