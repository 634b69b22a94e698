#include <gtest/gtest.h>

#include "mqtt_test_support.h"
#include "ostrevan/plugin.h"
#include "support/plugin_fixture.h"

namespace ostrevan::testing {
namespace {

const std::string kHead = "00 00 84 00 00 00 00 00 00 00 00 03 00";
const std::string kPinsAndNoStrings = Repeat("00", 8) + " 00 00 07 0D 01 01 01 01 00 00 00 00";

TEST(MqttSubscribe, CodesTheDefaultRecord) {
  EXPECT_EQ(Hex(CodeAlone(kSubscribe, DefaultText(kSubscribe))),
            kHead + " 00 2D 00 " + Repeat("00", 7) + " 00 03 14 1E A0 00 00 " + kPinsAndNoStrings);
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
      {old, kHead + " 00 2D 00 00 00 00 00 00 00 00 00 03 14 1E A0 00 00" + tail,
       "A:30,20,10,9,160,0,0,0,0,B:1,0,1,C:A,D:,E:,F:t/#"},
      {old, kHead + " FA 25 20 00 00 00 00 00 00 00 0F 3C 05 FF A0 01 00" + tail,
       "A:255,10,60,9,160,256,250,1,1,B:0,1,1,C:A,D:,E:,F:t/#"},
      // Without TLS the link byte is the remote index too; 0x10 is no Azure C2D.
      {old, kHead + " 05 05 03 00 00 00 00 00 00 00 10 0B 0B 00 A0 00 00" + tail,
       "A:0,11,11,3,160,0,5,1,0,B:0,1,0,C:A,D:,E:,F:t/#"},
  });
}

TEST(MqttSubscribe, RoundTripsWhatItCarries) {
  const std::string text =
      "A:200,20,10,0,160,77,16,1,1,B:0,1,1,C:id-1,D:user,E:secret,F:plant/line1/#";
  EXPECT_EQ(DecodeBlock(kSubscribe, DefaultText(kSubscribe), CodeAlone(kSubscribe, text)), text);
}

}  // namespace
}  // namespace ostrevan::testing
