#include <gtest/gtest.h>

#include "blocks/wifi/wifi_page.h"
#include "support/edit_export.h"

namespace ostrevan::testing {
namespace {

constexpr int kWifi = 11;
constexpr int kList = CPropertyWifiMode::kModeList;

TEST(WifiPage, ShowsTheModeAndTakesTheSelection) {
  struct Case {
    const char* text;
    int shown;      // selection on opening
    int chosen;     // -2: none chosen
    const char* after_ok;
  };
  const Case cases[] = {
      {"A:0", 0, 1, "A:1"}, {"A:1", 1, 0, "A:0"}, {"A:1", 1, -2, "A:1"},
      {"A:5", -1, -2, "A:5"},  // no selection; OK keeps the mode
      {"A:5", -1, 1, "A:1"},  {"", 0, -1, "A:0"},  // selecting nothing keeps it
  };
  for (const Case& c : cases) {
    FakeView view;
    view.sheet_script = [&c](CPropertyBasic& sheet) {
      editor::PageModel& page = sheet.page(0);
      EXPECT_EQ(page.At(kList).selection, c.shown);
      if (c.chosen != -2) page.UserSelects(kList, c.chosen);
      sheet.ClickOk();
    };
    EXPECT_EQ(EditThroughExport(kWifi, c.text, view).text, c.after_ok) << c.text;
  }
}

}  // namespace
}  // namespace ostrevan::testing
