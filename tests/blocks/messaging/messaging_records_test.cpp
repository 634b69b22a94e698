#include <gtest/gtest.h>

#include "blocks/messaging/messaging_support.h"
#include "ostrevan/plugin.h"

namespace ostrevan::testing {
namespace {

TEST(MessagingBlocks, AnnounceTheirLengths) {
  const struct {
    int type;
    uint32_t param_length;
    uint32_t code_length;
  } cases[] = {{kSmsInput, 255, 155}, {kSmsOutput, 512, 512}, {kEmail, 512, 512}};
  for (const auto& c : cases) {
    uint32_t length = 0;
    EXPECT_EQ(Function_ParamLength(c.type, &length), static_cast<int>(c.param_length));
    EXPECT_EQ(length, c.param_length);
    EXPECT_EQ(Function_CodeLength(c.type, &length), static_cast<int>(c.code_length));
    EXPECT_EQ(length, c.code_length);
    EXPECT_EQ(Function_CodeLength(c.type, nullptr), 0);
  }
}

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
  EXPECT_EQ(Slice(CodeBlock(kSmsInput, "").record, 9, 3), "00 09 00");
  EXPECT_EQ(Slice(CodeBlock(kSmsInput, "").record, 9, 3), "01 09 01");
}

TEST(MessagingBlocks, RefuseInstancesBeyondTheTotal) {
  for (int type : {kSmsInput, kSmsOutput, kEmail}) {
    Configure(1);
    EXPECT_EQ(CodeBlock(type, "").result, 1);
    EXPECT_EQ(CodeBlock(type, "").result, 0);
  }
}

// Records of any content decode without reading past their length (the
// sanitizers watch) or writing past the announced text buffer (the fixture).
TEST(MessagingBlocks, DecodeAnyRecord) {
  std::vector<std::vector<uint8_t>> records = {{}, {0x05}, std::vector<uint8_t>(600, 0xFF),
                                               std::vector<uint8_t>(600, 0xA0)};
  std::vector<uint8_t> counting(600);
  for (size_t i = 0; i < counting.size(); ++i) counting[i] = static_cast<uint8_t>(i * 7);
  records.push_back(counting);
  for (int type : {kSmsInput, kSmsOutput, kEmail}) {
    for (const std::vector<uint8_t>& record : records) {
      for (const std::string& text : {std::string(), DefaultText(type), std::string(600, '[')}) {
        int result = 0;
        std::string decoded = DecodeBlock(type, text, record, &result);
        EXPECT_EQ(result, 1);
        EXPECT_EQ(decoded.substr(0, 2), "A:");
      }
    }
  }
  // An empty record reads as zeros: the defaults, but a message read back empty.
  EXPECT_EQ(DecodeBlock(kSmsInput, "A:1,2,1,B:x", {}), "A:0,0,0,B:,C:,D:,E:,F:");
  EXPECT_EQ(DecodeBlock(kSmsOutput, "", {}), DefaultText(kSmsOutput));
}

}  // namespace
}  // namespace ostrevan::testing
