// The records of SMS Input and EMAIL, and what the three messaging blocks' records
// have in common.
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

std::string MailText(const std::string& a, const std::string& subject, const std::string& to,
                     const std::string& message, const std::string& variables,
                     const std::string& attachments) {
  return "A:" + a + ",B:" + subject + ",C:" + to + ",D:,E:,F:" + message + ",G:" + variables +
         ",H:" + attachments;
}

const std::string kNoAttachments = ",,,,,,,";

TEST(EmailBlock, DefaultTextCodesToATextMessageOfSpaces) {
  EXPECT_EQ(Hex(CodeAlone(kEmail, DefaultText(kEmail))),
            "00 00 46 00 00 00 00 00 00 00 00 00 07 00 00 00 00 00 00 00 00 08 00 00 00 00 " +
                Repeat("20", 140) + " 00 00 00 00 00 00");
}

TEST(EmailBlock, CodesMessagesAddressesAndAttachments) {
  const std::string long_name(99, 'n');
  ExpectSlices(kEmail, {
      // Behind the message: 0, receiver lengths, receivers, subject, 0.
      {MailText("1,0,0,1,0,8,0", "Hello", "abcde", "", ",", kNoAttachments), 184, 166,
       "00 06 00 00 61 62 63 64 65 00 06 48 65 6C 6C 6F 00 00"},
      // Ladder Style; the channel is never coded.
      {MailText("1,0,0,0,200,16,1", "", "", "", ",", kNoAttachments), 36, 21,
       "08 00 10 00 A0 00 C8 00 10 00 00 00 00 00 00"},
      {MailText("1,3,0,1,0,8,0", "", "", "Hi", ",", kNoAttachments), 172, 25, "04 00 48 00 69 00"},
      // Attachments in slots 2 and 5: counted, listed by slot, then the names.
      {MailText("1,0,0,1,0,8,0", "", "", "", ",", ",log_0001,,,trend_01,,,"), 199, 171,
       "00 02 00 09 00 00 09 00 00 00 6C 6F 67 5F 30 30 30 31 00 74 72 65 6E 64 5F 30 31 00"},
      {MailText("1,0,0,1,0,8,0", "", "", "", ",", ",log_0001,,,trend_01,,,"), 199, 24, "30"},
      // Receivers are cut at 49 bytes, subjects at 99.
      {MailText("1,0,0,1,0,8,0", std::string(150, 's'), std::string(60, 'r'), "", ",",
                kNoAttachments),
       172 + 50 + 100, 167, "32 00 00 72"},
      {MailText("1,0,0,1,0,8,0", std::string(150, 's'), std::string(60, 'r'), "", ",",
                kNoAttachments),
       322, 218, "72 00 64 73"},
      // A Params Message: 164 bytes, without the variable kinds; kind 255 keeps its address.
      {MailText("0,0,0,1,0,8,0", "", "", "AB", "[255,300,0,0,7,1,0][3,-1,1,0,20,0,0]",
                kNoAttachments),
       195, 21, "08 00 02 00 2B 20 00 FF 01 FF FF 41 2C FF FF"},
      // Long names: the second is cut, the third left out, to the announced 512 bytes.
      {MailText("0,0,0,1,0,8,0", std::string(99, 's'), std::string(49, 'r'), "AB", "",
                long_name + "," + long_name + "," + long_name),
       512, 345, "02 64 3A 00 00 00 00 00 00 6E"},
  });
}

TEST(EmailBlock, DecodesWhatItCoded) {
  const std::string screen = TextScreen({"Tank 3", "Level:"});
  ExpectTrips(kEmail, {
      {DefaultText(kEmail), DefaultText(kEmail)},
      {MailText("1,0,0,1,0,8,0", "Alarm", "ops@example.com", "Tank level high", ",",
                "log.csv,trend.csv,,,,,,"),
       MailText("1,0,0,1,0,8,0", "Alarm", "ops@example.com", "Tank level high", ",",
                "log.csv,trend.csv,,,,,,")},
      // Attachments come back from the first slot on.
      {MailText("1,0,0,1,0,8,0", "", "", "", ",", ",log_0001,,,trend_01,,,"),
       MailText("1,0,0,1,0,8,0", "", "", "", ",", "log_0001,trend_01,,,,,,")},
      // Ladder Style; the channel reads back as 0.
      {MailText("1,0,0,0,200,16,1", "", "a@b.c", "", ",", kNoAttachments),
       MailText("1,0,0,0,200,16,0", "", "a@b.c", "", ",", kNoAttachments)},
      // Params Message: kinds come from the area bytes, date/time is marked 1.
      {MailText("0,0,0,1,0,8,0", "Report", "a@b.c", screen,
                "[3,-1,0,0,20,0,0][161,8,0,7,7,1,5][0,-1,255,0,20,0,0][0,-1,255,0,20,0,0]",
                kNoAttachments),
       MailText("0,0,0,1,0,8,0", "Report", "a@b.c", screen,
                "[3,-1,1,0,20,0,0][161,8,0,7,7,1,5][0,-1,255,0,20,0,0][0,-1,255,0,20,0,0]",
                kNoAttachments)},
      {MailText("1,3,0,1,0,8,0", "", "", "\xC9t\xE9", ",", kNoAttachments),
       MailText("1,3,0,1,0,8,0", "", "", "\xC9t\xE9", ",", kNoAttachments)},
  });
  // A record without attachments leaves those of the text.
  const std::string with_files = MailText("1,0,0,1,0,8,0", "", "", "", ",", "a.txt,,,,,,,");
  EXPECT_EQ(DecodeBlock(kEmail, with_files, CodeAlone(kEmail, DefaultText(kEmail))), with_files);
}

}  // namespace
}  // namespace ostrevan::testing
