#include <gtest/gtest.h>

#include "blocks/messaging/messaging_support.h"
#include "ostrevan/plugin.h"

namespace ostrevan::testing {
namespace {

TEST(SmsInputBlock, CodesTheBufferAndTheAcceptedNumbers) {
  ExpectSlices(kSmsInput, {
      {"A:0,8,0,B:,C:,D:,E:,F:", 128, 0,
       "00 00 90 00 00 00 00 01 00 00 09 00 10 A0 00 00 00 08 " + Zeros(100) + Zeros(9) + "07"},
      {"A:100,50,1,B:,C:,D:,E:,F:", 128, 12, "11 A0 00 64 00 32"},
      {"A:70000,-1,0,B:", 128, 12, "10 A0 11 70 FF FF"},  // low 16 bits
      {"A:5,B:", 128, 12, "10 A0 00 05 00 00"},           // values the scan misses read as 0
      {"", 128, 14, "00 00 00 08"},
      // Receiver 5 runs to the end of the text; all are cut at 20 bytes.
      {"A:0,8,1,B:+4179,C:,D:,E:,F:0049 30 1234,x", 128, 18, "2B 34 31 37 39 00"},
      {"A:0,8,1,B:+4179,C:,D:,E:,F:0049 30 1234,x", 128, 98,
       "30 30 34 39 20 33 30 20 31 32 33 34 2C 78 00 00 00 00 00 00 00 00"},
      {"A:0,8,1,B:,C:123456789012345678901234", 128, 38,
       "31 32 33 34 35 36 37 38 39 30 31 32 33 34 35 36 37 38 39 30 00"},
  });
}

TEST(SmsInputBlock, DecodesTheRecordItCoded) {
  ExpectTrips(kSmsInput, {
      {"A:0,8,0,B:,C:,D:,E:,F:", "A:0,8,0,B:,C:,D:,E:,F:"},
      {"A:100,50,1,B:+41791234567,C:,D:\"0049\",E:,F:112", "A:100,50,1,B:+41791234567,C:,D:0049,E:,F:112"},
      {"A:70000,8,1,B:123456789012345678901234,C:,D:,E:,F:",
       "A:4464,8,1,B:12345678901234567890,C:,D:,E:,F:"},
  });
  // Bytes 0 and 255 inside a number are skipped, not taken as its end.
  std::vector<uint8_t> record = CodeAlone(kSmsInput, "A:0,8,0,B:12,C:,D:,E:,F:");
  record[20] = 0xFF;
  record[21] = '3';
  EXPECT_EQ(DecodeBlock(kSmsInput, "", record), "A:0,8,0,B:123,C:,D:,E:,F:");
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
