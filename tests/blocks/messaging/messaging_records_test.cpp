// The records of SMS Input, EMAIL and SMS Output, and what the three have in
// common.
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
      // Each key is searched from the start: receiver 3 is the "1" inside
      // receiver 1, not the "9" behind ",D:" in its own place.
      {"A:0,8,1,B:7,D:1,E:2,F:3,G:,C:,D:9,E:,F:", 128, 58, "31 00"},
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
  const std::string alarm = MailText("1,0,0,1,0,8,0", "Alarm", "ops@example.com",
                                     "Tank level high", ",", "log.csv,trend.csv,,,,,,");
  const std::string pdu = MailText("1,3,0,1,0,8,0", "", "", "\xC9t\xE9", ",", kNoAttachments);
  ExpectTrips(kEmail, {
      {DefaultText(kEmail), DefaultText(kEmail)},
      {alarm, alarm},
      {pdu, pdu},
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
  });
  // A record without attachments leaves those of the text.
  const std::string with_files = MailText("1,0,0,1,0,8,0", "", "", "", ",", "a.txt,,,,,,,");
  EXPECT_EQ(DecodeBlock(kEmail, with_files, CodeAlone(kEmail, DefaultText(kEmail))), with_files);
}

// A text with the given "A:" values, receiver 1, message and variable fields.
std::string SmsText(const std::string& a, const std::string& g, const std::string& h = ",",
                    const std::string& receiver = "") {
  return "A:" + a + ",B:" + receiver + ",C:,D:,E:,F:,G:" + g + ",H:" + h;
}

TEST(SmsOutputBlock, DefaultTextCodesToATextMessageOfSpaces) {
  std::vector<uint8_t> record = CodeAlone(kSmsOutput, DefaultText(kSmsOutput));
  std::string expected = "00 00 45 00 00 00 00 00 00 01 00 00 00 " + Repeat("00", 8) +
                         " 00 00 07 02 00 00 14 " + Repeat("00", 12) + " " + Repeat("00", 100) +
                         " 00 " + Repeat("20", 140) + " 00 00";
  EXPECT_EQ(Hex(record), expected);
}

TEST(SmsOutputBlock, CodesSettingsReceiversAndTextMessages) {
  const std::string receiver25 = "+4179123456789012345678";  // and "99": 25 characters
  ExpectSlices(kSmsOutput, {
      // Ladder Style: the message comes from VB memory, the record ends behind the receivers.
      {SmsText("1,0,0,100,50,0,0,0,0", ""), 140, 30, "A0 00 64 00 32"},
      // Dial with confirmation: command 5, waiting time in whole seconds, loops.
      {SmsText("1,0,1,0,8,1,1550,3,1", ""), 283, 24, "05 00 01 14 0F 03"},
      {SmsText("1,0,1,0,8,0,1550,3,0", ""), 283, 24, "02 00 00 14 00 00"},
      // Mode bits: params 0x02, format in bits 2-3.
      {SmsText("0,3,1,0,8,0,0,0,0", ""), 310, 26, "0E"},
      {SmsText("1,3,1,0,8,0,0,0,0", ""), 283, 26, "0C"},
      // Missing "A:" values at the end keep their defaults.
      {SmsText("1,0,0,7", ""), 140, 30, "A0 00 07 00 08"},
      // Receivers: the first 20 bytes, no terminator when they fill the slot.
      {SmsText("1,0,1,0,8,0,0,0,0", "", ",", receiver25 + "99"), 283, 40,
       "2B 34 31 37 39 31 32 33 34 35 36 37 38 39 30 31 32 33 34 35 00"},
      {"A:1,0,1,0,8,0,0,0,0,B:1,C:2,D:3\"4,E:,F:55,G:,H:,", 283, 80,
       "33 34 " + Repeat("00", 38) + " 35 35"},
      // Text Message: TEXT bytes filled with spaces, PDU(UCS2) units high byte first.
      {SmsText("1,0,1,0,8,0,0,0,0", "Hello"), 283, 140, "05 48 65 6C 6C 6F 20 20"},
      {SmsText("1,3,1,0,8,0,0,0,0", "Hello"), 283, 140, "0A 00 48 00 65 00 6C 00 6C 00 6F 00"},
      {SmsText("1,3,1,0,8,0,0,0,0", "\x80\xE9\"!"), 283, 140, "06 20 AC 00 E9 00 21 00"},
      // Messages are cut at 140 bytes or 70 units.
      {SmsText("1,0,1,0,8,0,0,0,0", std::string(150, 'x')), 283, 279, "78 78 00 00"},
      {SmsText("1,0,1,0,8,0,0,0,0", std::string(150, 'x')), 283, 140, "8C"},
      {SmsText("1,3,1,0,8,0,0,0,0", std::string(80, 'x')), 283, 277, "00 78 00 78 00 00"},
      {SmsText("1,3,1,0,8,0,0,0,0", std::string(80, 'x')), 283, 140, "8C"},
  });
}

TEST(SmsOutputBlock, CodesParamsMessageScreensAndVariables) {
  const std::string free = "[0,-1,255,0,20,0,0]";
  ExpectSlices(kSmsOutput, {
      {SmsText("0,0,1,0,8,0,0,0,0", "AB", ""), 310, 140,
       "03 00 00 FF FF FF FF FF FF FF FF FF FF FF FF 41 42 20"},
      {SmsText("0,0,1,0,8,0,0,0,0", "AB", ""), 310, 173, "20 20 0D 0A"},
      // The last row has no line break; then column and width of each slot.
      {SmsText("0,0,1,0,8,0,0,0,0", "AB", ""), 310, 239,
       "20 20 00 00 " + Repeat("20", 52) + " 00 14 00 14 00 14 00 14 00 00 00 00 00 00 00"},
      // A word variable with 2 decimals in row 1: length to the end of its field.
      {SmsText("0,0,1,0,8,0,0,0,0", "AB", free + "[161,10,0,5,6,2,0]"), 310, 140,
       "22 00 00 FF A1 FF FF FF FF 80 0A"},
      {SmsText("0,0,1,0,8,0,0,0,0", "AB", free + "[161,10,0,5,6,2,0]"), 310, 297, "05 06"},
      {SmsText("0,0,1,0,8,0,0,0,0", "AB", free + "[161,10,0,5,6,2,0]"), 310, 306, "00 A1 00 00"},
      // Decimals go into the address of byte, word and double-word areas only.
      {SmsText("0,0,1,0,8,0,0,0,0", "", "[159,300,0,0,8,2,0]"), 310, 143, "9F FF FF FF 01 2C"},
      {SmsText("0,0,1,0,8,0,0,0,0", "", "[161,300,0,0,7,2,0]"), 310, 143, "A1 FF FF FF 81 2C"},
      // Date/time in slots 1 and 2; kind 255 in slot 3 is no variable.
      {SmsText("0,0,1,0,8,0,0,0,0", "",
               free + "[3,-1,0,0,20,0,0][3,-1,0,0,20,0,0][255,5,0,0,7,0,0]"),
       310, 140, "41 20 02 FF 01 01 FF FF FF FF FF FF FF FF FF"},
      // The length is counted on 8 bits: row 3, field end 66 + 10 + 250 wraps to 70.
      {SmsText("0,0,1,0,8,0,0,0,0", "", free + free + free + "[161,0,0,10,250,0,0]"), 310, 140,
       "47"},
      // PDU(UCS2): three rows of units, each closed by CR LF; column and width doubled.
      {SmsText("0,3,1,0,8,0,0,0,0", "H,i,", "[3,-1,0,0,20,0,0]"), 310, 140,
       "28 02 00 01 " + Repeat("FF", 11) + " 00 48 00 69 00 20"},
      {SmsText("0,3,1,0,8,0,0,0,0", "H,i,", "[3,-1,0,0,20,0,0]"), 310, 193,
       "00 20 00 0D 00 0A 00 20"},
      {SmsText("0,3,1,0,8,0,0,0,0", "H,i,", "[3,-1,0,0,20,0,0]"), 310, 281,
       "00 20 00 0D 00 0A 00 00 00 00 00 00 00 00 00 28 00 28 00 28 00 28 00 00 00 03 00 00 00"},
      // A second byte makes a double-byte cell; text in the last row sets the length.
      {SmsText("0,3,1,0,8,0,0,0,0", std::string(40, ',') + "\xE9" + "a,"), 310, 140, "5A"},
      {SmsText("0,3,1,0,8,0,0,0,0", std::string(40, ',') + "\xE9" + "a,"), 310, 243,
       "00 E9 00 20"},
  });
}

TEST(SmsOutputBlock, DecodesWhatItCodedBackToTheSameText) {
  const std::string screen = TextScreen({"Level:", "Time", "", "Alarm!"});
  std::string cells = "H,\xE9,";
  for (int i = 2; i < 60; ++i) cells += " ,";
  const std::string texts[] = {
      "A:1,0,1,0,8,0,0,0,0,B:+41791234567,C:,D:,E:,F:0049301234,G:Pump 1 failed,H:,",
      "A:1,3,1,0,8,0,0,0,0,B:+41791234567,C:,D:,E:,F:,G:\xC9t\xE9 \x80 5,H:,",
      "A:0,0,1,0,8,0,0,0,0,B:112,C:,D:,E:,F:,G:" + screen +
          ",H:[161,20,0,7,7,2,9][3,-1,0,0,20,0,0][0,-1,255,0,20,0,0][167,13,0,10,3,0,0]",
      "A:0,3,1,0,8,0,0,0,0,B:112,C:,D:,E:,F:,G:" + cells +
          ",H:[3,-1,0,0,20,0,0][0,-1,255,0,20,0,0][161,4,0,2,7,1,0]",
  };
  for (const std::string& text : texts) {
    int result = 0;
    EXPECT_EQ(DecodeBlock(kSmsOutput, text, CodeAlone(kSmsOutput, text), &result), text);
    EXPECT_EQ(result, 1);
  }
}

TEST(SmsOutputBlock, DecodeKeepsOnlyWhatTheRecordCarries) {
  ExpectTrips(kSmsOutput, {
      {"A:1,0,1,0,8,1,1550,3,0,B:,C:,D:,E:,F:,G:,H:,", "A:1,0,1,0,8,1,1500,3,0,B:,C:,D:,E:,F:,G:,H:,"},
      {"A:1,0,1,0,8,0,1550,3,0,B:,C:,D:,E:,F:,G:,H:,", "A:1,0,1,0,8,0,0,0,0,B:,C:,D:,E:,F:,G:,H:,"},
      {"A:1,0,0,70000,8,0,0,0,0,B:123456789012345678901,C:,D:,E:,F:,G:,H:,",
       "A:1,0,0,4464,8,0,0,0,0,B:12345678901234567890,C:,D:,E:,F:,G:,H:,"},
      // A free text holding ",H:" ends there.
      {"A:1,0,1,0,8,0,0,0,0,B:,C:,D:,E:,F:,G:a,H:b,H:,", "A:1,0,1,0,8,0,0,0,0,B:,C:,D:,E:,F:,G:a,H:,"},
  });
  // Variables the record does not hold come back free; units the code page lacks as '?'.
  std::vector<uint8_t> record = CodeAlone(kSmsOutput, SmsText("1,3,1,0,8,0,0,0,0", "ab"));
  record[141] = 0x03;
  record[142] = 0xA9;
  EXPECT_EQ(DecodeBlock(kSmsOutput, DefaultText(kSmsOutput), record),
            "A:1,3,1,0,8,0,0,0,0,B:,C:,D:,E:,F:,G:?b,H:,");
}

}  // namespace
}  // namespace ostrevan::testing
