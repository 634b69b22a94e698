#include <gtest/gtest.h>

#include "blocks/mqtt/mqtt_test_support.h"
#include "ostrevan/plugin.h"
#include "support/plugin_fixture.h"

namespace ostrevan::testing {
namespace {

const std::string kSubscribeHead = "00 00 84 00 00 00 00 00 00 00 00 03 00";
const std::string kPinsAndNoStrings = Repeat("00", 8) + " 00 00 07 0D 01 01 01 01 00 00 00 00";

TEST(MqttSubscribe, CodesTheDefaultRecord) {
  EXPECT_EQ(Hex(CodeAlone(kSubscribe, DefaultText(kSubscribe))),
            kSubscribeHead + " 00 2D 00 " + Repeat("00", 7) + " 00 03 14 1E A0 00 00 " +
                kPinsAndNoStrings);
}

// Bytes 13 to 29.
TEST(MqttSubscribe, CodesItsOptions) {
  ExpectBytesAt(kSubscribe, 13, {
      // Chars to receive, QoS 0, 4G, Azure C2D, interval 300, buffer at VB1000.
      {"A:300,99,99,5,161,1000,250,1,7,B:0,1,1,C:,D:,E:,F:",
       "FA 25 20 00 00 00 00 00 00 00 01 03 14 2C A0 03 E8"},
      // As received: no char count; no TLS.
      {"A:30,30,10,0,160,0,250,2,0,B:1,0,0,C:,D:,E:,F:",
       "00 0D 20 00 00 00 00 00 00 00 00 03 14 1E A0 00 00"},
      // B values the scan does not reach read as 0; missing A values keep defaults.
      {"A:12,B:1,C:,D:,E:,F:", "00 0D 00 00 00 00 00 00 00 00 00 03 14 0C A0 00 00"},
  });

  // Quotes go; a key inside a value is found first (D is "u,D:").
  std::vector<uint8_t> strings =
      CodeAlone(kSubscribe, "A:30,30,10,0,160,0,0,0,0,B:1,0,1,C:\"id\",D:u,D:,E:,F:a/\"b\"");
  EXPECT_EQ(HexAt(strings, 42, 20), "03 05 01 04 69 64 00 75 2C 44 3A 00 00 61 2F 62 00");
}

// Bytes 13 to 29 between the head and the strings.
TEST(MqttSubscribe, DecodesItsOptions) {
  const std::string old = "A:1,1,1,9,160,1,1,1,1,B:1,1,1,C:x,D:y,E:z,F:old";
  const std::string tail =
      " 00 00 00 00 00 00 00 00 00 00 07 0D 02 01 01 04 41 00 00 00 74 2F 23 00";
  ExpectDecoded(kSubscribe, {
      {old, kSubscribeHead + " 00 2D 00 00 00 00 00 00 00 00 00 03 14 1E A0 00 00" + tail,
       "A:30,20,10,9,160,0,0,0,0,B:1,0,1,C:A,D:,E:,F:t/#"},
      {old, kSubscribeHead + " FA 25 20 00 00 00 00 00 00 00 0F 3C 05 FF A0 01 00" + tail,
       "A:255,10,60,9,160,256,250,1,1,B:0,1,1,C:A,D:,E:,F:t/#"},
      // Without TLS the link byte is the remote index too; 0x10 is no Azure C2D.
      {old, kSubscribeHead + " 05 05 03 00 00 00 00 00 00 00 10 0B 0B 00 A0 00 00" + tail,
       "A:0,11,11,3,160,0,5,1,0,B:0,1,0,C:A,D:,E:,F:t/#"},
  });
}

const std::string kFreeItem = "00 00 FF FF 00 00 05 " + Repeat("00", 12);
const std::string kDefaultText = "A:30,30,10,0,0,B:1,0,1,C:,D:,E:,F:";
constexpr size_t kItemsAt = 27;
constexpr size_t kItemBytes = 19;

TEST(MqttPublish, CodesTheDefaultRecord) {
  EXPECT_EQ(Hex(CodeAlone(kPublish, kDefaultText)),
            "00 00 83 00 00 00 00 00 00 00 00 02 00 0B 2D 00 " + Repeat("00", 8) + " 0A 1E 1E " +
                Repeat(kFreeItem, 12) + " " + Repeat("00", 8) +
                " 00 00 07 0D 01 01 01 01 00 00 00 00");
}

// Bytes 13 to 26.
TEST(MqttPublish, CodesItsOptions) {
  ExpectBytesAt(kPublish, 13, {
      {"A:40,300,5,5,1,B:0,1,0,C:,D:,E:,F:", "20 85 05 00 00 00 00 00 00 00 00 0A 2C 28"},
      {"A:40,30,60,5,2,B:1,1,1,C:,D:,E:,F:", "0B AD 00 00 00 00 00 00 00 00 00 3C 1E 28"},
      {"A:0,30,61,300,0,B:0,C:,D:,E:,F:", "0B 05 2C 00 00 00 00 00 00 00 00 0A 1E 00"},
  });
}

// The item record of slot 1, behind the default text.
TEST(MqttPublish, CodesItemRecords) {
  ExpectBytesAt(kPublish, kItemsAt, {
      {kDefaultText + ",G1:176,0,3,2,5,0,H1:ab,I1:Pump1",
       "00 B0 03 00 00 02 05 50 75 6D 70 31 00 00 00 61 62 00 00"},
      {kDefaultText + ",G1:161,0,100,1,0,0,H1:,I1:", "00 A1 00 64 00 01 00 00 00 00 00 00 00 00 00 00 00 00 00"},
      // Outputs name byte and bit; comments and descriptions are cut, unterminated.
      {kDefaultText + ",G1:180,3,5,1,5,0,H1:abcdef,I1:ABCDEFGHIJ",
       "00 B4 05 03 00 01 05 41 42 43 44 45 46 47 48 61 62 63 64"},
      {kDefaultText + ",G1:176,-1,3,1,5,0,H1:,I1:", "00 B0 FF FF 00 01 05 00 00 00 00 00 00 00 00 00 00 00 00"},
      {kDefaultText + ",G1:161,0,-1,17,2,0,H1:,I1:", "00 A1 FF FF 00 00 02 00 00 00 00 00 00 00 00 00 00 00 00"},
      {kDefaultText + ",G1:162,0,70000,16,4,0,H1:\"x,I1:\"y",
       "00 A2 11 70 00 10 04 22 79 00 00 00 00 00 00 22 78 00 00"},
      {kDefaultText + ",G1:176,0,0,0,5,0,H1:,I1:x", "00 00 FF FF 00 00 05 78 00 00 00 00 00 00 00 00 00 00 00"},
      // A description key ahead of the numbers: they still end at the key behind them.
      {kDefaultText + ",H1:zz,G1:176,0,3,2,5,0,H1:ab,I1:Pump1",
       "00 B0 03 00 00 02 05 50 75 6D 70 31 00 00 00 7A 7A 2C 47"},
      // So does the description ahead of a comment key that comes first.
      {kDefaultText + ",I1:q,G1:176,0,3,2,5,0,H1:ab,I1:Pump1",
       "00 B0 03 00 00 02 05 71 2C 47 31 3A 31 37 36 61 62 00 00"},
      // Values the scan does not reach read as 0; the G value runs to the end.
      {kDefaultText + ",G1:168,0,7,3", "00 A8 00 07 00 03 00 00 00 00 00 00 00 00 00 00 00 00 00"},
  });
}

TEST(MqttPublish, PlacesItemsInTheirSlots) {
  // Slot 2 is free, so the comment of slot 1 runs to the end of the text;
  // slot 13 is never coded, its keys end up in the comment of slot 3.
  std::vector<uint8_t> record =
      CodeAlone(kPublish, kDefaultText +
                              "top,G1:176,0,1,1,5,0,H1:d,I1:Pump,G3:161,0,2,1,1,0,H3:e,I3:Fan"
                              ",G13:161,0,4,1,1,0,H13:,I13:");
  ASSERT_EQ(record.size(), 275u + 3);
  EXPECT_EQ(HexAt(record, kItemsAt, kItemBytes),
            "00 B0 01 00 00 01 05 50 75 6D 70 2C 47 33 3A 64 00 00 00");
  EXPECT_EQ(HexAt(record, kItemsAt + kItemBytes, kItemBytes), kFreeItem);
  EXPECT_EQ(HexAt(record, kItemsAt + 2 * kItemBytes, kItemBytes),
            "00 A1 00 02 00 01 01 46 61 6E 2C 47 31 33 3A 65 00 00 00");
  for (size_t slot = 3; slot < 12; ++slot)
    EXPECT_EQ(HexAt(record, kItemsAt + slot * kItemBytes, kItemBytes), kFreeItem) << slot;
  EXPECT_EQ(HexAt(record, 267, 11), "01 01 01 04 00 00 00 74 6F 70 00");
}

TEST(MqttPublish, ReadsItemsBehindTwoDigitKeys) {
  ExpectBytesAt(kPublish, kItemsAt + 11 * kItemBytes,
                {{kDefaultText + ",G12:161,0,2,1,1,0,H12:e,I12:Fan",
                  "00 A1 00 02 00 01 01 46 61 6E 00 00 00 00 00 65 00 00 00"}});
}

TEST(MqttPublish, DecodesItemRecords) {
  std::vector<uint8_t> record = CodeAlone(kPublish, kDefaultText);
  const char* items[] = {
      "30 B4 07 40 00 02 02 C3 41 42 00 00 00 00 00 61 FF 62 00",  // bit byte above 32
      "00 A1 FF FF 00 03 01 00 00 00 00 00 00 00 00 00 00 00 00",  // no operand
      "00 A1 00 10 00 11 01 43 00 00 00 00 00 00 00 00 00 00 00",  // count 17: free
      "00 B0 02 05 00 01 05 00 00 00 00 00 00 00 00 00 00 00 00",
  };
  for (size_t slot = 0; slot < 4; ++slot) {
    std::vector<uint8_t> bytes = Bytes(items[slot]);
    std::copy(bytes.begin(), bytes.end(),
              record.begin() + static_cast<long>(kItemsAt + slot * kItemBytes));
  }
  EXPECT_EQ(DecodeBlock(kPublish, kDefaultText + "x,G1:1,1,1,1,1,1,H1:old,I1:old", record),
            kDefaultText +
                ",G1:180,0,7,2,2,3,H1:ab,I1:AB,G2:161,0,0,3,1,0,H2:,I2:,G4:176,5,2,1,5,0,H4:,I4:");
}

TEST(MqttPublish, RoundTripsWhatItCarries) {
  const std::string text =
      "A:5,20,5,3,1,B:0,1,0,C:abc,D:me,E:pw,F:plant/out,G1:176,0,3,2,5,0,H1:ab,I1:Pump1,"
      "G2:161,0,100,16,0,0,H2:desc,I2:12345678";
  std::string decoded = DecodeBlock(kPublish, kDefaultText, CodeAlone(kPublish, text));
  // The connection timeout of 5 went out as 10.
  EXPECT_EQ(decoded, "A:5,20,10,3,1" + text.substr(12));
  EXPECT_EQ(DecodeBlock(kPublish, kDefaultText, CodeAlone(kPublish, decoded)), decoded);
}

}  // namespace
}  // namespace ostrevan::testing
