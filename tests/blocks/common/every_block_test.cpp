// What every block type answers alike through the exports: the sizes it
// announces, its default text, the instance index in its head, and no
// record once the project's total is reached. (Any text and any record
// within the buffers: the guard-page tests and the fuzz targets.)
#include <gtest/gtest.h>

#include <cstring>

#include "ostrevan/plugin.h"
#include "support/plugin_fixture.h"

namespace ostrevan::testing {
namespace {

struct BlockRow {
  int type;
  uint32_t param_length, code_length;
  const char* default_text;  // Memory Read and Write date theirs by the clock
  const char* head_at_1025;  // index little-endian, status reference 1025 & 0x3FF
};

const BlockRow kBlocks[] = {
    {1, 100, 100, "A:0,1,5,B:9600,8,1,N,C:,D:1,1,1,0,E:176,0,1,1", "01 04 81 00 00 00 00 00 01 00 00"},
    {2, 80, 55, "A:1,0,0,0,0,0,0,B: ,C:1,176,0,1,D:0,1,E:26120414,F:", "01 04 44 00 00 00 00 00 01 00 00"},
    {3, 100, 60, "A:1,0,0,0,1,0,1,1,0,B: ,C:0,176,0,1,D:26120414,E:", "01 04 43 00 00 00 00 00 01 00 00"},
    {4, 200, 150, "A:5,1,0,0,5010,B:192.168.0.21", "01 04 49 00 00 00 01 00 00"},
    {5, 440, 300, "A:30,30,10,0,160,0,0,0,0,B:1,0,1,C:,D:,E:,F:", "01 04 84 00 00 00 00 00 01 00 01 03 00"},
    {6, 1024, 1024, "A:30,30,10,0,0,B:1,0,1,C:,D:,E:,F:", "01 04 83 00 00 00 00 00 01 00 01 02 00"},
    {7, 1024, 10240, "A:30,10,0,1884,1,0,0,0,0,B:,C:,D:,E:0.0.0.0,F:,G:,H:,I:", "01 04 8B 00 00 00 01 00 01 01 00"},
    {8, 255, 155, "A:0,8,0,B:,C:,D:,E:,F:", "01 04 90 00 00 00 01 01 00"},
    {9, 512, 512, "A:1,0,1,0,8,0,0,0,0,B:,C:,D:,E:,F:,G:,H:,", "01 04 45 00 00 00 00 00 01 01 00"},
    {10, 512, 512, "A:1,0,0,1,0,8,0,B:,C:,D:,E:,F:,G:,,H:,,,,,,,", "01 04 46 00 00 00 01 00 00"},
    {11, 5, 20, "A:0", "01 04 76 00 00 00 01 01 00"},
    {12, 200, 150, "A:1,0,10,B:0,C:,D:1,1,15,1,E:0,176,0,1,1", "01 04 48 00 00 00 00 00 01 01 00"},
};

TEST(EveryBlock, AnnouncesItsSizesAndDefaultText) {
  FixedClock clock({2026, 12, 4, 14, 59, 30, 0});
  for (const BlockRow& b : kBlocks) {
    SCOPED_TRACE(b.type);
    uint32_t length = 0;
    EXPECT_EQ(Function_ParamLength(b.type, &length), static_cast<int>(b.param_length));
    EXPECT_EQ(length, b.param_length);
    EXPECT_EQ(Function_CodeLength(b.type, &length), static_cast<int>(b.code_length));
    EXPECT_EQ(length, b.code_length);
    EXPECT_EQ(Function_ParamLength(b.type, nullptr), 0);
    // Memory Write alone tells its record size without a place to put it.
    EXPECT_EQ(Function_CodeLength(b.type, nullptr), b.type == 3 ? 60 : 0);
    EXPECT_EQ(DefaultText(b.type), b.default_text);
  }
}

TEST(EveryBlock, HeadCarriesTheInstanceIndexUntilTheTotalIsReached) {
  for (const BlockRow& b : kBlocks) {
    SCOPED_TRACE(b.type);
    Configure(1026);
    for (int i = 0; i < 1025; ++i) ASSERT_EQ(CodeBlock(b.type, b.default_text).result, 1);
    std::string record = Hex(CodeBlock(b.type, b.default_text).record);
    EXPECT_EQ(record.substr(0, std::strlen(b.head_at_1025)), b.head_at_1025);
    EXPECT_EQ(CodeBlock(b.type, b.default_text).result, 0);
  }
}

}  // namespace
}  // namespace ostrevan::testing
