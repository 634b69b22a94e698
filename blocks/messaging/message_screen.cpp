#include "blocks/messaging/message_screen.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "core/canonical_text.h"
#include "core/host_text.h"
#include "core/param_text.h"
#include "core/platform/code_page.h"
#include "core/text_builder.h"

namespace ostrevan {

namespace {

constexpr size_t kTextScreenChars = 4 * kScreenColumns;
constexpr size_t kUcs2ScreenCells = 3 * kScreenColumns;

// The first groups cut out of "[..][..", at most as many as `groups` holds:
// a '[' inside an open group closes it, and an unclosed group at the end
// counts when it holds anything. Returns the number of groups.
template <size_t N>
size_t BracketGroups(std::string_view text, std::array<std::string_view, N>& groups) {
  size_t count = 0;
  size_t open = kNotFound;
  for (size_t i = 0; i < text.size() && count < N; ++i) {
    if (text[i] == '[') {
      if (open != kNotFound) groups[count++] = text.substr(open, i - open);
      open = i + 1;
    } else if (text[i] == ']' && open != kNotFound) {
      groups[count++] = text.substr(open, i - open);
      open = kNotFound;
    }
  }
  if (count < N && open != kNotFound && open < text.size()) groups[count++] = text.substr(open);
  return count;
}

}  // namespace

bool ScreenCell::IsBlank() const {
  unsigned value = static_cast<unsigned>(lead) << 8 | trail;
  return value == 0x0000 || value == 0x0020 || value == 0x2020;
}

std::string ScreenCell::Bytes() const {
  std::string bytes;
  if (lead != 0) bytes.push_back(static_cast<char>(lead));
  if (trail != 0) bytes.push_back(static_cast<char>(trail));
  return bytes;
}

char16_t CellToUnit(const ScreenCell& cell) {
  std::u16string units = platform::MultiByteToUtf16(cell.Bytes());
  return units.empty() ? u'\0' : units.front();
}

ScreenCell CellFromUnit(char16_t unit) {
  std::string bytes = platform::Utf16ToMultiByte(std::u16string(1, unit));
  if (bytes.size() >= 2) {
    return {static_cast<uint8_t>(bytes[0]), static_cast<uint8_t>(bytes[1])};
  }
  return {0, bytes.empty() ? uint8_t{0} : static_cast<uint8_t>(bytes[0])};
}

MessageScreen::MessageScreen() {
  // Every byte a space, in one go: parameters are built on every Code and
  // Decode.
  static_assert(sizeof single_rows == 4 * kScreenColumns && sizeof(ScreenCell) == 2);
  static_assert(ScreenCell{}.lead == ' ' && ScreenCell{}.trail == ' ');
  std::memset(single_rows.data(), ' ', sizeof single_rows);
  std::memset(static_cast<void*>(double_rows.data()), ' ', sizeof double_rows);
}

template <class Out>
void PutScreenField(Out& text, const MessageScreen& screen, bool ucs2) {
  if (!ucs2) {
    // Gathered first, so that the text takes the screen in one piece.
    char field[kTextScreenChars];
    size_t size = 0;
    for (const auto& row : screen.single_rows) {
      for (char c : row) {
        field[size] = c == ' ' ? ',' : c;
        size += c != '\0';
      }
    }
    text.Text(std::string_view(field, size));
    return;
  }
  for (const auto& row : screen.double_rows) {
    for (const ScreenCell& cell : row) text.Text(cell.Bytes()).Char(',');
  }
}

void ReadScreenField(std::string_view span, bool ucs2, MessageScreen& screen) {
  if (!ucs2) {
    const size_t count = span.size() < kTextScreenChars ? span.size() : kTextScreenChars;
    const char* from = span.data();
    for (size_t row = 0; row * kScreenColumns < count; ++row) {
      const size_t cells = std::min<size_t>(count - row * kScreenColumns, kScreenColumns);
      char* to = screen.single_rows[row].data();
      for (size_t c = 0; c < cells; ++c) to[c] = from[c] == ',' ? ' ' : from[c];
      from += cells;
    }
    return;
  }
  TextPieces<kUcs2ScreenCells> fields = SplitPieces<kUcs2ScreenCells>(span, ',');
  for (size_t j = 0; j < kUcs2ScreenCells; ++j) {
    ScreenCell cell{0, ' '};
    if (j < fields.size()) {
      const std::string_view field = fields[j];
      uint8_t first = field.size() > 0 ? static_cast<uint8_t>(field[0]) : 0;
      uint8_t second = field.size() > 1 ? static_cast<uint8_t>(field[1]) : 0;
      cell = second != 0 ? ScreenCell{first, second} : ScreenCell{0, first};
    }
    screen.double_rows[j / kScreenColumns][j % kScreenColumns] = cell;
  }
}

template <class Out>
void PutVariableGroups(Out& text, const MessageScreen& screen, bool ucs2) {
  for (int i = 0; i < ScreenRows(ucs2); ++i) {
    const VariableSlot& slot = screen.slots[i];
    text.Char('[').Ints(slot.kind, slot.index, slot.free_marker, slot.column, slot.width,
                        slot.decimals, slot.extra);
    text.Char(']');
  }
}

namespace {

// A slot's seven numbers, in the order its group in the text gives them.
template <class Values>
void AssignSlot(VariableSlot& slot, const Values& values) {
  slot.kind = static_cast<uint8_t>(values[0]);
  slot.index = values[1];
  slot.free_marker = static_cast<uint8_t>(values[2]);
  slot.column = static_cast<uint8_t>(values[3]);
  slot.width = static_cast<uint8_t>(values[4]);
  slot.decimals = static_cast<uint8_t>(values[5]);
  slot.extra = static_cast<uint8_t>(values[6]);
}

}  // namespace

void ReadVariableGroups(std::string_view span, bool ucs2, MessageScreen& screen) {
  std::array<std::string_view, kVariableSlots> groups;
  const size_t count = BracketGroups(span, groups);
  for (size_t i = 0; i < count && i < static_cast<size_t>(ScreenRows(ucs2)); ++i) {
    AssignSlot(screen.slots[i], ScanInts<7>(groups[i]));
  }
}

bool QuickReadVariableGroups(CanonicalText& text, bool ucs2, MessageScreen& screen) {
  for (int i = 0; i < ScreenRows(ucs2); ++i) {
    std::array<int32_t, 7> values;
    if (!text.Char('[') || !text.Ints(values) || !text.Char(']')) return false;
    AssignSlot(screen.slots[i], values);
  }
  return true;
}

template void PutScreenField(TextBuilder&, const MessageScreen&, bool);
template void PutScreenField(HostText&, const MessageScreen&, bool);
template void PutVariableGroups(TextBuilder&, const MessageScreen&, bool);
template void PutVariableGroups(HostText&, const MessageScreen&, bool);

}  // namespace ostrevan
