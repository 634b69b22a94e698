#include <gtest/gtest.h>

#include <cstring>

#include "blocks/wifi/wifi_page.h"
#include "ostrevan/plugin.h"
#include "support/fake_view.h"

namespace ostrevan::testing {
namespace {

constexpr int kWifi = 11;
constexpr int kList = CPropertyWifiMode::kModeList;

// Function_Edit on `text` in a buffer of the announced five bytes.
std::string EditWifiText(FakeView& view, const std::string& text, int* result) {
  editor::ScopedView installed(&view);
  char buffer[5 + 1] = {};
  std::memset(buffer, '#', sizeof buffer);
  std::memcpy(buffer, text.c_str(), text.size() + 1);
  *result = Function_Edit(kWifi, buffer);
  EXPECT_EQ(buffer[5], '#') << "written past the announced length";
  return std::string(buffer, strnlen(buffer, 5));
}

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
      ASSERT_EQ(sheet.page_count(), 1u);
      EXPECT_EQ(sheet.tab_title(0), "Params");
      editor::PageModel& page = sheet.page(0);
      EXPECT_EQ(page.At(kList).items, (std::vector<std::string>{"AP", "STA"}));
      EXPECT_EQ(page.At(editor::LabelId(kList)).label, "WIFI Mode");
      EXPECT_EQ(page.At(kList).selection, c.shown);
      if (c.chosen != -2) page.UserSelects(kList, c.chosen);
      sheet.ClickOk();
    };
    int result = 0;
    EXPECT_EQ(EditWifiText(view, c.text, &result), c.after_ok) << c.text;
    EXPECT_EQ(result, 1);
    EXPECT_EQ(view.sheets_run, 1);
  }
}

TEST(WifiPage, CancelLeavesTheTextUntouched) {
  FakeView view;
  view.sheet_script = [](CPropertyBasic& sheet) {
    sheet.page(0).UserSelects(kList, 1);
    sheet.ClickCancel();
  };
  int result = 1;
  EXPECT_EQ(EditWifiText(view, "A:0", &result), "A:0");
  EXPECT_EQ(result, 0);
}

}  // namespace
}  // namespace ostrevan::testing
