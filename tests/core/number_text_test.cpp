// Texts that the plug-in writes without formatted I/O must be exactly what
// the printf formats would write, to the last character.
#include <gtest/gtest.h>

#include <climits>

#include "core/operand.h"
#include "core/param_text.h"

namespace ostrevan {
namespace {

TEST(NumberText, DecimalIsWhatPercentDWrites) {
  for (int32_t value : {0, 7, -1, 10, 255, -99999, INT32_MAX, INT32_MIN}) {
    std::string text = "A:";
    AppendDecimal(text, value);
    EXPECT_EQ(text, Format("A:%d", value));
  }
}

TEST(NumberText, Ipv4IsDottedDecimal) {
  EXPECT_EQ(FormatIpv4({192, 168, 0, 1}), "192.168.0.1");
  EXPECT_EQ(FormatIpv4({0, 0, 0, 0}), "0.0.0.0");
  EXPECT_EQ(FormatIpv4({255, 255, 255, 255}), "255.255.255.255");
}

struct OperandCase {
  int area;
  int32_t index;
  const char* text;
};

TEST(NumberText, OperandsReadBackFromTheirText) {
  const OperandCase cases[] = {
      {161, 10, "VW10"}, {167, 26, "M3.2"},   {159, 0, "V0.0"},     {186, 16, "AIW16"},
      {165, 2147483647, "SMD2147483647"}, {176, 7, "I0.7"}, {180, 8, "Q1.0"},
  };
  for (const OperandCase& c : cases) {
    EXPECT_EQ(FormatOperand(c.area, c.index), c.text);
    Operand read = ParseOperand(c.text);
    EXPECT_EQ(read.area, c.area) << c.text;
    EXPECT_EQ(read.index, c.index) << c.text;
  }
  EXPECT_EQ(FormatOperand(0, 5), "");
  EXPECT_EQ(FormatOperand(167, -9), "M-1.-1");  // as "%s%d.%d" writes it
}

}  // namespace
}  // namespace ostrevan
