#include <gtest/gtest.h>

#include "blocks/wifi/wifi_page.h"
#include "support/page_table.h"

namespace ostrevan::testing {
namespace {

constexpr int kWifi = 11;
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
