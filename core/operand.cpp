#include "core/operand.h"

#include <cstring>

#include "core/param_text.h"
#include "core/text_compare.h"

namespace ostrevan {

namespace {

struct AreaInfo {
  uint8_t code;
  const char* letters;
  AreaWidth width;
};

constexpr AreaInfo kAreas[] = {
    {159, "V", AreaWidth::kBit},     {160, "VB", AreaWidth::kByte},
    {161, "VW", AreaWidth::kWord},   {162, "VD", AreaWidth::kDoubleWord},
    {163, "SMB", AreaWidth::kByte},  {164, "SMW", AreaWidth::kWord},
    {165, "SMD", AreaWidth::kDoubleWord}, {166, "SM", AreaWidth::kBit},
    {167, "M", AreaWidth::kBit},     {168, "MB", AreaWidth::kByte},
    {169, "MW", AreaWidth::kWord},   {170, "MD", AreaWidth::kDoubleWord},
    {171, "S", AreaWidth::kBit},     {172, "SB", AreaWidth::kByte},
    {173, "SW", AreaWidth::kWord},   {174, "SD", AreaWidth::kDoubleWord},
    {176, "I", AreaWidth::kBit},     {177, "IB", AreaWidth::kByte},
    {178, "IW", AreaWidth::kWord},   {179, "ID", AreaWidth::kDoubleWord},
    {180, "Q", AreaWidth::kBit},     {181, "QB", AreaWidth::kByte},
    {182, "QW", AreaWidth::kWord},   {183, "QD", AreaWidth::kDoubleWord},
    {185, "AIB", AreaWidth::kByte},  {186, "AIW", AreaWidth::kWord},
    {187, "AID", AreaWidth::kDoubleWord}, {189, "AQB", AreaWidth::kByte},
    {190, "AQW", AreaWidth::kWord},  {191, "AQD", AreaWidth::kDoubleWord},
};

const AreaInfo* FindArea(int code) {
  for (const AreaInfo& area : kAreas) {
    if (area.code == code) return &area;
  }
  return nullptr;
}

// Decimal digits at the start, stopping at the first non-digit; "" is 0.
int32_t LeadingDigits(std::string_view text) {
  uint32_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10u + static_cast<uint32_t>(c - '0');
  }
  return static_cast<int32_t>(value);
}

std::string_view RecordName(const AreaSize& record) {
  return std::string_view(record.name, strnlen(record.name, sizeof record.name));
}

bool RecordCounts(const AreaSize& record) {
  std::string_view name = RecordName(record);
  return !name.empty() && record.size >= 1 && AreaCodeFromName(name) != 0;
}

}  // namespace

std::string AreaName(int area) {
  const AreaInfo* info = FindArea(area);
  return info ? info->letters : "";
}

uint8_t AreaCodeFromName(std::string_view letters) {
  for (const AreaInfo& area : kAreas) {
    if (EqualsNoCase(letters, area.letters)) return area.code;
  }
  return 0;
}

AreaWidth WidthOfArea(int area) {
  const AreaInfo* info = FindArea(area);
  return info ? info->width : AreaWidth::kNone;
}

bool IsBitArea(int area) { return WidthOfArea(area) == AreaWidth::kBit; }
bool IsWordArea(int area) { return WidthOfArea(area) == AreaWidth::kWord; }

int ValueTextWidth(int area, int bit_width) {
  switch (WidthOfArea(area)) {
    case AreaWidth::kBit: return bit_width;
    case AreaWidth::kByte: return 5;
    case AreaWidth::kWord: return 7;
    case AreaWidth::kDoubleWord: return 12;
    case AreaWidth::kNone: break;
  }
  return 0;
}

Operand ParseOperand(std::string_view text) {
  constexpr size_t kPartMax = 99;
  std::string letters, number;
  bool in_number = false;
  for (char c : text) {
    char upper = AsciiUpper(c);
    if (!in_number && ((upper >= '0' && upper <= '9') || upper == '.')) in_number = true;
    std::string& part = in_number ? number : letters;
    if (part.size() < kPartMax) part.push_back(upper);
  }
  Operand operand;
  operand.area = AreaCodeFromName(letters);
  size_t dot = number.find('.');
  if (dot == std::string::npos) {
    operand.index = LeadingDigits(number);
  } else {
    uint32_t byte = static_cast<uint32_t>(LeadingDigits(std::string_view(number).substr(0, dot)));
    uint32_t bit = static_cast<uint32_t>(LeadingDigits(std::string_view(number).substr(dot + 1)));
    operand.index = static_cast<int32_t>(byte * 8u + bit);
  }
  return operand;
}

std::string FormatOperand(int area, int32_t index) {
  const AreaInfo* info = FindArea(area);
  if (!info) return {};
  std::string text = info->letters;
  if (info->width != AreaWidth::kBit) {
    AppendDecimal(text, index);
    return text;
  }
  AppendDecimal(text, index / 8);
  text.push_back('.');
  AppendDecimal(text, index % 8);
  return text;
}

std::string TypeNameFor(int area, int type) {
  switch (type) {
    case 3: return "ASCII";
    case 4: return "FLOAT";
    case 5: return "BOOL";
    default: break;
  }
  if (type < 0 || type > 2) return {};
  static constexpr const char* kNames[3][3] = {
      {"SINT", "INT", "DINT"}, {"USINT", "UINT", "UDINT"}, {"BYTE", "WORD", "DWORD"}};
  switch (WidthOfArea(area)) {
    case AreaWidth::kByte: return kNames[type][0];
    case AreaWidth::kWord: return kNames[type][1];
    case AreaWidth::kDoubleWord: return kNames[type][2];
    default: return {};
  }
}

int TypeCodeFromName(std::string_view name) {
  struct Entry { const char* name; int code; };
  static constexpr Entry kCodes[] = {
      {"SINT", 0}, {"INT", 0},  {"DINT", 0},  {"USINT", 1}, {"UINT", 1},  {"UDINT", 1},
      {"BYTE", 2}, {"WORD", 2}, {"DWORD", 2}, {"ASCII", 3}, {"FLOAT", 4}, {"BOOL", 5}};
  for (const Entry& entry : kCodes) {
    if (name == entry.name) return entry.code;
  }
  return 0;
}

void TypeNamesForArea(int area, std::vector<std::string>& names) {
  switch (WidthOfArea(area)) {
    case AreaWidth::kBit: names.insert(names.end(), {"BOOL"}); break;
    case AreaWidth::kByte: names.insert(names.end(), {"SINT", "USINT", "BYTE", "ASCII"}); break;
    case AreaWidth::kWord: names.insert(names.end(), {"INT", "UINT", "WORD"}); break;
    case AreaWidth::kDoubleWord:
      names.insert(names.end(), {"DINT", "UDINT", "DWORD", "FLOAT"});
      break;
    case AreaWidth::kNone: break;
  }
}

void AreaRangeTexts(const AreaTable& table, AreaWidth width, std::vector<std::string>& texts) {
  for (const AreaSize& record : table.records) {
    if (!RecordCounts(record)) continue;
    std::string letters(RecordName(record));
    const char* l = letters.c_str();
    int32_t n = record.size;
    switch (width) {
      case AreaWidth::kBit: texts.push_back(Format("%s%d.%d ~ %s%d.%d", l, 0, 0, l, n - 1, 7)); break;
      case AreaWidth::kByte: texts.push_back(Format("%sB%d ~ %sB%d", l, 0, l, n - 1)); break;
      case AreaWidth::kWord: texts.push_back(Format("%sW%d ~ %sW%d", l, 0, l, n - 2)); break;
      case AreaWidth::kDoubleWord: texts.push_back(Format("%sD%d ~ %sD%d", l, 0, l, n - 4)); break;
      case AreaWidth::kNone: break;
    }
  }
}

int32_t AreaMaxIndex(const AreaTable& table, int area) {
  for (const AreaSize& record : table.records) {
    if (RecordCounts(record) && AreaCodeFromName(RecordName(record)) == area) return record.size - 1;
  }
  return 0;
}

namespace {

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string joined;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) joined += " <br>";
    joined += lines[i];
  }
  return joined;
}

std::string RangeLines(const AreaTable& table, AreaWidth width) {
  std::vector<std::string> texts;
  AreaRangeTexts(table, width, texts);
  return JoinLines(texts);
}

}  // namespace

std::string RangeHint(const AreaTable& table, HintSections sections) {
  if (sections == HintSections::kBitOnly) return RangeLines(table, AreaWidth::kBit);
  if (sections == HintSections::kWordOnly) return RangeLines(table, AreaWidth::kWord);
  std::string hint = ">>>>>>>>>>>>>>>>>>BIT<<<<<<<<<<<<<<<<<<< <br>";
  hint += " <br>";
  hint += RangeLines(table, AreaWidth::kBit);
  hint += " <br>";
  hint += ">>>>>>>>>>>>>>>>>>BYTE<<<<<<<<<<<<<<<<<< <br>";
  hint += RangeLines(table, AreaWidth::kByte);
  hint += " <br>";
  hint += ">>>>>>>>>>>>>>>>>>WORD<<<<<<<<<<<<<<<<<< <br>";
  hint += RangeLines(table, AreaWidth::kWord);
  hint += " <br>";
  hint += ">>>>>>>>>>>>>>>>>>DWORD<<<<<<<<<<<<<<<<< <br>";
  hint += " <br>";
  hint += RangeLines(table, AreaWidth::kDoubleWord);
  return hint;
}

}  // namespace ostrevan
