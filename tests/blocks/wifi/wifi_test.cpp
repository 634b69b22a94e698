#include <gtest/gtest.h>

#include "blocks/wifi/wifi_page.h"
#include "ostrevan/plugin.h"
#include "support/page_table.h"
#include "support/plugin_fixture.h"

namespace ostrevan::testing {
namespace {

constexpr int kWifi = 11;

TEST(WifiBlock, CodesTextsToRecords) {
  ExpectRecords(kWifi, {
      {"A:0", "00 00 76 00 00 00 00 01 00 00 00 07 00 00 00 00 00 00 00 00"},
      {"A:1", "00 00 76 00 00 00 00 01 00 01 00 07 00 00 00 00 00 00 00 00"},
      {"", "00 00 76 00 00 00 00 01 00 00 00 07 00 00 00 00 00 00 00 00"},
      {"A:300", "00 00 76 00 00 00 00 01 00 2C 00 07 00 00 00 00 00 00 00 00"},
      {"x,A:  7junk", "00 00 76 00 00 00 00 01 00 07 00 07 00 00 00 00 00 00 00 00"},
      {"A:-1", "00 00 76 00 00 00 00 01 00 FF 00 07 00 00 00 00 00 00 00 00"},
  });
}

TEST(WifiBlock, DecodesTheModeByte) {
  ExpectDecoded(kWifi, {
      {"A:0", "00 00 76 00 00 00 00 01 00 01 00 07 00 00 00 00 00 00 00 00", "A:1"},
      {"A:1", "00 00 76 00 00 00 00 01 00 00", "A:0"},
      {"A:1", "00 00 76", "A:0"},  // bytes past the given length read as 0
      {"", "", "A:0"},
      {"A:0", "00 00 00 00 00 00 00 00 00 63", "A:99"},
  });
}

TEST(WifiBlock, ModeTextsLongerThanTheAnnouncedBufferAreCut) {
  // Modes of three digits need "A:255" and a NUL: six bytes in a buffer of five.
  EXPECT_EQ(DecodeBlock(kWifi, "A:0", Bytes("00 00 00 00 00 00 00 00 00 FF")), "A:25");
  EXPECT_EQ(DecodeBlock(kWifi, "A:0", Bytes("00 00 00 00 00 00 00 00 00 64")), "A:10");
}

constexpr int kList = CPropertyWifiMode::kModeList;

TEST(WifiPage, ShowsTheModeAndTakesTheSelection) {
  RunRows({
      {"mode 0 to 1", kWifi, "A:0", {Selection(kList, 0), Choose(kList, 1), Ok()}, "A:1"},
      {"mode 1 to 0", kWifi, "A:1", {Selection(kList, 1), Choose(kList, 0), Ok()}, "A:0"},
      {"an unknown mode shows none and is kept", kWifi, "A:5", {Selection(kList, -1), Ok()}},
      {"an unknown mode, then a choice", kWifi, "A:5", {Choose(kList, 1), Ok()}, "A:1"},
      {"selecting nothing keeps the mode", kWifi, "",
       {Selection(kList, 0), Choose(kList, -1), Ok()}, "A:0"},
  });
}

}  // namespace
}  // namespace ostrevan::testing
