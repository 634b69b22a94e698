// PLC operands: area codes and their letters, operand texts such as VW10 or
// M3.2, data types per area width, and the ranges of the CPU's areas.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ostrevan/plugin.h"

namespace ostrevan {

enum class AreaWidth { kNone, kBit, kByte, kWord, kDoubleWord };

struct Operand {
  uint8_t area = 0;   // 159..191, 0 = not recognised
  int32_t index = 0;  // bit address for bit areas, else byte number
};

std::string AreaName(int area);
uint8_t AreaCodeFromName(std::string_view letters);
AreaWidth WidthOfArea(int area);
bool IsBitArea(int area);
bool IsWordArea(int area);
int ValueTextWidth(int area, int bit_width);

Operand ParseOperand(std::string_view text);
std::string FormatOperand(int area, int32_t index);

std::string TypeNameFor(int area, int type);
int TypeCodeFromName(std::string_view name);
void TypeNamesForArea(int area, std::vector<std::string>& names);

// The CPU's memory areas as the host handed them in.
struct AreaTable {
  AreaSize records[OSTREVAN_AREA_COUNT] = {};
};

void AreaRangeTexts(const AreaTable& table, AreaWidth width, std::vector<std::string>& texts);
int32_t AreaMaxIndex(const AreaTable& table, int area);

// Which sections the range hint shows.
enum class HintSections { kAll, kBitOnly, kWordOnly };

// The range texts of the selected sections joined with " <br>" line breaks.
std::string RangeHint(const AreaTable& table, HintSections sections);

}  // namespace ostrevan
