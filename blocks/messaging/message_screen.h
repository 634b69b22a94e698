// The screen of a Params Message, shared by the SMS Output and EMAIL blocks
// and edited by the message text editor: rows of 20 cells with text, and per
// row at most one embedded variable (a PLC operand or the current date/time)
// whose value the PLC fills into a field of the row when it sends.
//
// TEXT format uses 4 rows of single-byte characters and 4 variable slots;
// PDU(UCS2) format 3 rows of cells that each hold one character of the code
// page (one or two bytes) and 3 variable slots. Slot i belongs to row i.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ostrevan {

class CanonicalText;
class TextBuilder;

constexpr int kScreenColumns = 20;
constexpr int kVariableSlots = 4;

// Values of the message format byte.
constexpr uint8_t kTextFormat = 0;
constexpr uint8_t kUcs2Format = 3;

constexpr bool IsUcs2Format(uint8_t format) { return format == kUcs2Format; }
constexpr int ScreenRows(bool ucs2) { return ucs2 ? 3 : 4; }

// Variable kinds besides the operand area codes (159..191).
constexpr uint8_t kNoVariable = 0;
constexpr uint8_t kDateTimeVariable = 3;
constexpr uint8_t kFreeSlot = 255;  // slot free marker of an unused slot

// One cell of a PDU(UCS2) row: (0, c) for a single-byte character c,
// (lead, trail) for a double-byte character.
struct ScreenCell {
  uint8_t lead = ' ';
  uint8_t trail = ' ';

  bool IsDoubleByte() const { return lead != 0; }
  // Empty, a space, or the two spaces a fresh screen holds.
  bool IsBlank() const;
  // The cell's character in the code page (empty for (0, 0)).
  std::string Bytes() const;
};

// The cell's character as one UTF-16 unit (0 for an empty cell).
char16_t CellToUnit(const ScreenCell& cell);
// The cell of a UTF-16 unit converted to the code page.
ScreenCell CellFromUnit(char16_t unit);

struct VariableSlot {
  uint8_t kind = kNoVariable;  // 0 (or 255) none, 3 date/time, else area code
  int32_t index = -1;          // operand index within its area
  uint8_t free_marker = kFreeSlot;
  uint8_t column = 0;          // first cell of the variable's field
  uint8_t width = kScreenColumns;
  uint8_t decimals = 0;        // 0..3
  uint8_t extra = 0;           // kept with the variable, never coded
};

struct MessageScreen {
  MessageScreen();

  std::array<std::array<char, kScreenColumns>, 4> single_rows;
  std::array<std::array<ScreenCell, kScreenColumns>, 3> double_rows;
  std::array<VariableSlot, kVariableSlots> slots;
};

// The screen as the parameter text holds it: TEXT rows as 80 characters with
// spaces written as commas; PDU(UCS2) cells each followed by a comma.
template <class Out>
void PutScreenField(Out& text, const MessageScreen& screen, bool ucs2);
void ReadScreenField(std::string_view span, bool ucs2, MessageScreen& screen);

// The variable slots as "[kind,index,free,column,width,decimals,extra]"
// groups, one per row of the format. Over TextBuilder or HostText.
template <class Out>
void PutVariableGroups(Out& text, const MessageScreen& screen, bool ucs2);
void ReadVariableGroups(std::string_view span, bool ucs2, MessageScreen& screen);
// The groups exactly as PutVariableGroups writes them, one per row, at the
// text's cursor; false when the text holds anything else there.
bool QuickReadVariableGroups(CanonicalText& text, bool ucs2, MessageScreen& screen);

}  // namespace ostrevan
