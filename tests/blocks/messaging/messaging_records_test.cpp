#include <gtest/gtest.h>

#include "blocks/messaging/messaging_support.h"
#include "ostrevan/plugin.h"

namespace ostrevan::testing {
namespace {

// Each record carries how many blocks of its type came before it in the build.
TEST(MessagingBlocks, CarryTheirTypeOrdinal) {
  Configure();
  const struct {
    int type;
    size_t offset1, offset2;
    uint8_t ordinal;
  } sequence[] = {
      {kSmsOutput, 11, 25, 0}, {kEmail, 9, 22, 0},  {kSmsInput, 9, 11, 0},
      {kSmsOutput, 11, 25, 1}, {kEmail, 9, 22, 1},  {kSmsOutput, 11, 25, 2},
  };
  for (const auto& step : sequence) {
    Coded coded = CodeBlock(step.type, DefaultText(step.type));
    ASSERT_EQ(coded.result, 1);
    EXPECT_EQ(coded.record[step.offset1], step.ordinal) << step.type;
    EXPECT_EQ(coded.record[step.offset2], step.ordinal) << step.type;
  }
}

TEST(MessagingBlocks, SmsInputKeepsTheLowFiveBitsOfItsOrdinal) {
  Configure(100);
  for (int i = 0; i < 32; ++i) ASSERT_EQ(CodeBlock(kSmsInput, "").result, 1);
  EXPECT_EQ(HexAt(CodeBlock(kSmsInput, "").record, 9, 3), "00 09 00");
  EXPECT_EQ(HexAt(CodeBlock(kSmsInput, "").record, 9, 3), "01 09 01");
}

// An empty record reads as zeros: the defaults, but a message read back empty.
TEST(MessagingBlocks, EmptyRecordsDecodeAsZeros) {
  EXPECT_EQ(DecodeBlock(kSmsInput, "A:1,2,1,B:x", {}), "A:0,0,0,B:,C:,D:,E:,F:");
  EXPECT_EQ(DecodeBlock(kSmsOutput, "", {}), DefaultText(kSmsOutput));
}

}  // namespace
}  // namespace ostrevan::testing
