#include "blocks/messaging/message_record.h"

#include "core/record_raw.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "core/operand.h"
#include "core/param_text.h"
#include "core/platform/code_page.h"

namespace ostrevan {

namespace {

constexpr size_t kMessageArea = 140;
constexpr size_t kMaxUcs2Units = kMessageArea / 2;
constexpr size_t kTextRowStride = 22;   // 20 characters, CR, LF
constexpr size_t kUcs2RowStride = 44;   // 20 units, 00 0D 00 0A
constexpr uint8_t kDateTimeArea = 1;

using MessageArea = std::array<uint8_t, kMessageArea>;

int ScaleOf(const MessageContent& message) { return message.ucs2() ? 2 : 1; }

bool HasVariable(const VariableCode& code) { return code.area != 0xFF; }

std::array<VariableCode, kVariableSlots> CodeVariables(const MessageContent& message,
                                                       MessageOwner owner) {
  std::array<VariableCode, kVariableSlots> codes;
  for (int i = 0; i < kVariableSlots; ++i) codes[i] = CodeVariable(message.screen.slots[i], owner);
  return codes;
}

uint8_t DateTimeFlags(const MessageScreen& screen, int first_slot) {
  uint8_t flags = 0;
  if (screen.slots[first_slot].kind == kDateTimeVariable) flags |= 0x02;
  if (screen.slots[first_slot + 1].kind == kDateTimeVariable) flags |= 0x20;
  return flags;
}

void PutUnit(MessageArea& area, size_t at, char16_t unit) {
  area[at] = static_cast<uint8_t>(unit >> 8);
  area[at + 1] = static_cast<uint8_t>(unit);
}

MessageArea ScreenBytes(const MessageScreen& screen, bool ucs2) {
  MessageArea area{};
  if (!ucs2) {
    area.fill(' ');
    for (size_t r = 0; r < screen.single_rows.size(); ++r) {
      size_t row = kTextRowStride * r;
      for (size_t c = 0; c < kScreenColumns; ++c) {
        char ch = screen.single_rows[r][c];
        area[row + c] = ch == '\0' ? ' ' : static_cast<uint8_t>(ch);
      }
      area[row + 20] = 0x0D;
      area[row + 21] = 0x0A;
    }
    // The last row ends the screen without a line break.
    area[kTextRowStride * 3 + 20] = 0;
    area[kTextRowStride * 3 + 21] = 0;
    return area;
  }
  for (size_t r = 0; r < screen.double_rows.size(); ++r) {
    size_t row = kUcs2RowStride * r;
    for (size_t c = 0; c < kScreenColumns; ++c) {
      PutUnit(area, row + 2 * c, CellToUnit(screen.double_rows[r][c]));
    }
    PutUnit(area, row + 40, u'\r');
    PutUnit(area, row + 42, u'\n');
  }
  return area;
}

// Column of the last cell of a row that holds a character, or -1.
int LastFilledColumn(const MessageScreen& screen, int row, bool ucs2) {
  for (int c = kScreenColumns - 1; c >= 0; --c) {
    bool blank = ucs2 ? screen.double_rows[row][c].IsBlank()
                      : screen.single_rows[row][c] == '\0' || screen.single_rows[row][c] == ' ';
    if (!blank) return c;
  }
  return -1;
}

}  // namespace

VariableCode CodeVariable(const VariableSlot& slot, MessageOwner owner) {
  if (slot.kind == kDateTimeVariable) return {kDateTimeArea, 0xFFFF};
  bool none = slot.kind == kNoVariable ||
              (owner == MessageOwner::kSmsOutput && slot.kind == kFreeSlot);
  if (none) return {};
  uint16_t address = static_cast<uint16_t>(slot.index);
  if (!IsBitArea(slot.kind) && slot.decimals >= 1 && slot.decimals <= 3) {
    address |= static_cast<uint16_t>(slot.decimals << 14);
  }
  return {slot.kind, address};
}

uint8_t ParamsMessageLength(const MessageContent& message, MessageOwner owner) {
  // Counted in bytes of the screen text, on 8 bits as the PLC counts them.
  const bool ucs2 = message.ucs2();
  for (int r = ScreenRows(ucs2) - 1; r >= 0; --r) {
    const VariableSlot& slot = message.screen.slots[r];
    bool variable = HasVariable(CodeVariable(slot, owner));
    int last = LastFilledColumn(message.screen, r, ucs2);
    if (last < 0 && !variable) continue;
    unsigned column = last < 0 ? 0u : static_cast<unsigned>(last);
    unsigned field_end = variable ? static_cast<unsigned>(slot.column + slot.width) : 0u;
    if (ucs2) {
      auto text_end = static_cast<uint8_t>((kTextRowStride * r + column + 1) * 2);
      auto variable_end =
          variable ? static_cast<uint8_t>(kUcs2RowStride * r + field_end * 2) : uint8_t{0};
      return std::max(text_end, variable_end);
    }
    auto text_end = static_cast<uint8_t>(kTextRowStride * r + column + 1);
    auto variable_end =
        variable ? static_cast<uint8_t>(kTextRowStride * r + field_end) : uint8_t{0};
    return static_cast<uint8_t>(std::max(text_end, variable_end) + 1);
  }
  return 0;
}

template <class Out>
void PutNumberSlot(Out& out, std::string_view number, size_t width, const FieldName& name) {
  out.PutFixedText(platform::CutMultiByte(number, width), width, name);
}

template void PutNumberSlot(RecordWriter&, std::string_view, size_t, const FieldName&);
template void PutNumberSlot(RawRecordWriter&, std::string_view, size_t, const FieldName&);

template <class Out>
void PutTextMessage(Out& out, const MessageContent& message) {
  MessageArea area;
  size_t length = 0;
  if (message.ucs2()) {
    area.fill(0);
    std::u16string units = platform::MultiByteToUtf16(message.text);
    std::u16string_view used = platform::CutUtf16(units, kMaxUcs2Units);
    for (size_t i = 0; i < used.size(); ++i) PutUnit(area, 2 * i, used[i]);
    length = 2 * used.size();
  } else {
    area.fill(' ');
    std::string_view used = platform::CutMultiByte(message.text, kMessageArea);
    if (!used.empty()) std::memcpy(area.data(), used.data(), used.size());
    length = used.size();
  }
  out.PutU8(static_cast<uint8_t>(length), "message length (bytes)");
  out.PutBytes(area.data(), area.size(), "message text");
}

template <class Out>
void PutParamsMessage(Out& out, const MessageContent& message, MessageOwner owner) {
  const MessageScreen& screen = message.screen;
  std::array<VariableCode, kVariableSlots> codes = CodeVariables(message, owner);
  out.PutU8(ParamsMessageLength(message, owner), "message length (bytes)");
  out.PutU8(DateTimeFlags(screen, 0), "date/time in variables 1, 2");
  out.PutU8(DateTimeFlags(screen, 2), "date/time in variables 3, 4");
  for (int i = 0; i < kVariableSlots; ++i) {
    out.PutU8(codes[i].area, FieldName("var ", i + 1, " area (1 = date/time)"));
  }
  for (int i = 0; i < kVariableSlots; ++i) {
    out.PutU16BE(codes[i].address, FieldName("variable ", i + 1, " address"));
  }
  MessageArea text = ScreenBytes(screen, message.ucs2());
  out.PutBytes(text.data(), text.size(), "screen text");
  const int scale = ScaleOf(message);
  for (int i = 0; i < kVariableSlots; ++i) {
    const VariableSlot& slot = screen.slots[i];
    out.PutU8(static_cast<uint8_t>(slot.column * scale), FieldName("variable ", i + 1, " column"));
    out.PutU8(static_cast<uint8_t>(slot.width * scale), FieldName("variable ", i + 1, " width"));
  }
  out.PutU8(0, "end of screen");
}

template <class In>
void ReadTextMessage(In& in, MessageContent& message) {
  uint8_t length = in.GetU8("message length (bytes)");
  MessageArea area;  // every byte given, zeros past the record
  in.GetBytes(area.data(), area.size(), "message text");
  if (!message.ucs2()) {
    size_t count = std::min<size_t>(length, kMessageArea);
    std::string& text = message.text;
    text.assign(reinterpret_cast<const char*>(area.data()), count);
    text.erase(std::remove_if(text.begin(), text.end(),
                              [](char c) { return c == '\0' || c == '\xFF'; }),
               text.end());
    return;
  }
  std::u16string units;
  size_t count = std::min<size_t>(length / 2, kMaxUcs2Units);
  for (size_t i = 0; i < count; ++i) {
    auto unit = static_cast<char16_t>(area[2 * i] << 8 | area[2 * i + 1]);
    if (unit != 0) units.push_back(unit);
  }
  message.text = platform::Utf16ToMultiByte(units);
}

template <class In>
VariableCodes ReadParamsMessage(In& in, MessageContent& message) {
  VariableCodes codes;
  in.GetU8("message length (bytes)");
  in.GetU8("date/time in variables 1, 2");
  in.GetU8("date/time in variables 3, 4");
  for (int i = 0; i < kVariableSlots; ++i) {
    codes.areas[i] = in.GetU8(FieldName("var ", i + 1, " area (1 = date/time)"));
  }
  for (int i = 0; i < kVariableSlots; ++i) {
    codes.addresses[i] = in.GetU16BE(FieldName("variable ", i + 1, " address"));
  }
  MessageArea text{};
  in.GetBytes(text.data(), text.size(), "screen text");
  MessageScreen& screen = message.screen;
  const bool ucs2 = message.ucs2();
  for (int r = 0; r < ScreenRows(ucs2); ++r) {
    for (int c = 0; c < kScreenColumns; ++c) {
      if (ucs2) {
        size_t at = kUcs2RowStride * r + 2 * c;
        screen.double_rows[r][c] = CellFromUnit(static_cast<char16_t>(text[at] << 8 | text[at + 1]));
      } else {
        screen.single_rows[r][c] = static_cast<char>(text[kTextRowStride * r + c]);
      }
    }
  }
  for (int i = 0; i < kVariableSlots; ++i) {
    codes.places[2 * i] = in.GetU8(FieldName("variable ", i + 1, " column"));
    codes.places[2 * i + 1] = in.GetU8(FieldName("variable ", i + 1, " width"));
  }
  in.GetU8("end of screen");
  return codes;
}

template void PutTextMessage(RecordWriter&, const MessageContent&);
template void PutTextMessage(RawRecordWriter&, const MessageContent&);
template void PutParamsMessage(RecordWriter&, const MessageContent&, MessageOwner);
template void PutParamsMessage(RawRecordWriter&, const MessageContent&, MessageOwner);
template void ReadTextMessage(RecordReader&, MessageContent&);
template void ReadTextMessage(RawRecordReader&, MessageContent&);
template VariableCodes ReadParamsMessage(RecordReader&, MessageContent&);
template VariableCodes ReadParamsMessage(RawRecordReader&, MessageContent&);

void ApplyVariableCodes(const VariableCodes& codes, const uint8_t* kinds, MessageContent& message,
                        MessageOwner owner) {
  const int scale = ScaleOf(message);
  for (int i = 0; i < kVariableSlots; ++i) {
    VariableSlot& slot = message.screen.slots[i];
    uint8_t area = codes.areas[i];
    if (kinds) {
      slot.kind = kinds[i];
    } else {
      slot.kind = area == kDateTimeArea ? kDateTimeVariable : area == 0xFF ? kNoVariable : area;
    }
    slot.column = static_cast<uint8_t>(codes.places[2 * i] / scale);
    slot.width = static_cast<uint8_t>(codes.places[2 * i + 1] / scale);
    if (slot.kind == kDateTimeVariable) {
      slot.free_marker = owner == MessageOwner::kSmsOutput ? 0 : 1;
      continue;
    }
    slot.index = -1;
    slot.free_marker = kFreeSlot;
    slot.decimals = 0;
    if (area < 1 || area > 254) continue;
    uint16_t address = codes.addresses[i];
    if (IsBitArea(area)) {
      slot.index = address;
      slot.free_marker = 0;
    } else if ((address >> 8) < 255) {
      slot.index = address & 0x3FFF;
      slot.decimals = static_cast<uint8_t>(address >> 14);
      slot.free_marker = 0;
    }
  }
}

}  // namespace ostrevan
