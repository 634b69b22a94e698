// What the plug-in knows of the CPUs: operands and the ranges of their
// areas, the models and what they can do, the communication ports.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "core/cpu_models.h"
#include "core/operand.h"
#include "core/ports.h"

namespace ostrevan {
namespace {

TEST(Operand, ParsesAndFormats) {
  const struct {
    const char* text;
    int area;
    int index;
    const char* formatted;
  } cases[] = {
      {"V100.3", 159, 803, "V100.3"}, {"vw10", 161, 10, "VW10"},   {"AIW4", 186, 4, "AIW4"},
      {"X5", 0, 5, ""},               {"M0.7", 167, 7, "M0.7"},    {"VB", 160, 0, "VB0"},
      {"V1.2.3", 159, 10, "V1.2"},    {"sm0.1", 166, 1, "SM0.1"},  {"Q.5", 180, 5, "Q0.5"},
      {"SMD12x", 165, 12, "SMD12"},   {"", 0, 0, ""},              {"AQD", 191, 0, "AQD0"},
      {"I 3", 0, 3, ""},  // a blank is not a letter of any area
      {"SMD2147483647", 165, 2147483647, "SMD2147483647"},
  };
  for (const auto& c : cases) {
    Operand op = ParseOperand(c.text);
    EXPECT_EQ(op.area, c.area) << c.text;
    EXPECT_EQ(op.index, c.index) << c.text;
    EXPECT_EQ(FormatOperand(op.area, op.index), c.formatted) << c.text;
  }
  EXPECT_EQ(FormatOperand(167, 8), "M1.0");
  EXPECT_EQ(FormatOperand(175, 8), "");
  EXPECT_EQ(FormatOperand(167, -9), "M-1.-1");  // as "%s%d.%d" writes it
}

AreaTable Table(std::initializer_list<std::pair<const char*, int>> records) {
  AreaTable table;
  size_t i = 0;
  for (const auto& [name, size] : records) {
    std::strncpy(table.records[i].name, name, sizeof table.records[i].name);
    table.records[i++].size = size;
  }
  return table;
}

TEST(Operand, RangesOfTheCpuAreas) {
  AreaTable table = Table({{"V", 2048}, {"", 5}, {"XX", 5}, {"M", 0}, {"m", 32}});
  std::vector<std::string> texts;
  AreaRangeTexts(table, AreaWidth::kBit, texts);
  AreaRangeTexts(table, AreaWidth::kByte, texts);
  AreaRangeTexts(table, AreaWidth::kWord, texts);
  AreaRangeTexts(table, AreaWidth::kDoubleWord, texts);
  EXPECT_EQ(texts, (std::vector<std::string>{"V0.0 ~ V2047.7", "m0.0 ~ m31.7", "VB0 ~ VB2047",
                                             "mB0 ~ mB31", "VW0 ~ VW2046", "mW0 ~ mW30",
                                             "VD0 ~ VD2044", "mD0 ~ mD28"}));
  EXPECT_EQ(AreaMaxIndex(table, 159), 2047);
  EXPECT_EQ(AreaMaxIndex(table, 167), 31);  // the first counting M record
  EXPECT_EQ(AreaMaxIndex(table, 161), 0);

  AreaTable empty = Table({{"V", 0}, {"M", -4}});
  texts.clear();
  AreaRangeTexts(empty, AreaWidth::kBit, texts);
  EXPECT_TRUE(texts.empty());
  EXPECT_EQ(AreaMaxIndex(empty, 159), 0);
}

TEST(Operand, RangeHintsJoinLinesWithBreaks) {
  AreaTable table = Table({{"V", 16}, {"M", 8}});
  EXPECT_EQ(RangeHint(table, HintSections::kWordOnly), "VW0 ~ VW14 <br>MW0 ~ MW6");
  EXPECT_EQ(RangeHint(table, HintSections::kBitOnly), "V0.0 ~ V15.7 <br>M0.0 ~ M7.7");
  EXPECT_EQ(RangeHint(table, HintSections::kAll),
            ">>>>>>>>>>>>>>>>>>BIT<<<<<<<<<<<<<<<<<<< <br> <br>V0.0 ~ V15.7 <br>M0.0 ~ M7.7"
            " <br>>>>>>>>>>>>>>>>>>>BYTE<<<<<<<<<<<<<<<<<< <br>VB0 ~ VB15 <br>MB0 ~ MB7"
            " <br>>>>>>>>>>>>>>>>>>>WORD<<<<<<<<<<<<<<<<<< <br>VW0 ~ VW14 <br>MW0 ~ MW6"
            " <br>>>>>>>>>>>>>>>>>>>DWORD<<<<<<<<<<<<<<<<< <br> <br>VD0 ~ VD12 <br>MD0 ~ MD4");
}

TEST(CpuModels, AnswerTheCapabilityQuestions) {
  const struct {
    const char* model;
    bool card, family, mqtt4g;
  } cases[] = {
      {"OSV-2410-4G", true, true, true},
      {"osv-2410-4G", true, true, true},     // lists compare without case...
      {"OSV-2410-4g", true, true, false},    // ...the marker with case
      {"OSV-1100", false, true, false},
      {"OSN-110-4G", false, false, true},    // the other list
      {"OSN-900", false, false, false},      // listed, but without the marker
      {"OSV-4410-4G", false, true, true},
      {"OSV-9999-4G", false, false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HasInternalCard(c.model), c.card) << c.model;
    EXPECT_EQ(InModelFamily(c.model), c.family) << c.model;
    EXPECT_EQ(SupportsMqtt4G(c.model), c.mqtt4g) << c.model;
  }
}

// Each code selects its entry, and picking that entry gives the code back;
// a code without an entry selects none.
TEST(Ports, ListSelectsTheEntryOfItsCodeAndPickingAnEntryYieldsItsCode) {
  const std::pair<int, int> cases[] = {{0, 0},  {2, 1},   {3, 2},  {5, 4},  {14, 8},  {11, 5},
                                       {18, 12}, {1, -1}, {6, -1}, {9, -1}, {10, -1}, {-3, -1}};
  for (auto [code, selection] : cases) {
    PortList list;
    list.Init(code);
    EXPECT_EQ(list.selection(), selection) << code;
    EXPECT_EQ(list.code(), code);
    EXPECT_EQ(list.OnSelectionChanged(99), code) << "no such entry: the code stays";
    EXPECT_EQ(list.OnSelectionChanged(-1), code) << "nothing picked: the code stays";
    if (selection >= 0) {
      PortList other;
      other.Init(1);
      EXPECT_EQ(other.OnSelectionChanged(selection), code);
    }
  }
  EXPECT_EQ(PortCodeFromEntry("Ethernet", 4), 10);
  EXPECT_EQ(PortCodeFromEntry("COM9(x)", 4), 4);
  EXPECT_TRUE(IsNetworkPort(10) && IsNetworkPort(18) && !IsNetworkPort(19) && !IsNetworkPort(9));
}

}  // namespace
}  // namespace ostrevan
