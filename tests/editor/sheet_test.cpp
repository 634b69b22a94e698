#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "editor/sheet.h"
#include "support/fake_view.h"
#include "support/probe_page.h"

namespace ostrevan::testing {
namespace {

using editor::PageModel;

// A page that writes its name into a shared journal for every step, and
// refuses OK when told to.
class JournalPage : public PageModel {
 public:
  JournalPage(std::string name, std::vector<std::string>& journal, bool refuses = false)
      : PageModel(100, {100, 100}), name_(std::move(name)), journal_(journal), refuses_(refuses) {}

  bool Validate() override {
    journal_.push_back("validate " + name_);
    return !refuses_;
  }
  void Store() override { journal_.push_back("store " + name_); }

 protected:
  void OnInit() override { journal_.push_back("init " + name_); }

 private:
  std::string name_;
  std::vector<std::string>& journal_;
  bool refuses_;
};

std::vector<SheetPage> Pages(std::vector<std::string>& journal, bool first_refuses = false,
                             bool second_refuses = false) {
  std::vector<SheetPage> pages;
  pages.push_back({"Comm", std::make_unique<JournalPage>("one", journal, first_refuses)});
  pages.push_back({"Params", std::make_unique<JournalPage>("two", journal, second_refuses)});
  return pages;
}

// Pages are created when first shown (once); OK checks, then stores, only
// the created ones, in page order. (That Function_Edit takes the stored
// values back after OK only, every block's page tests show.)
TEST(PropertySheet, OkChecksThenStoresOnlyCreatedPagesInPageOrder) {
  struct Case {
    bool show_second;
    bool first_refuses;
    bool second_refuses;
    std::vector<std::string> journal;
    bool closes;
  };
  const Case cases[] = {
      {false, false, false, {"init one", "validate one", "store one"}, true},
      {true, false, false,
       {"init one", "init two", "validate one", "validate two", "store one", "store two"}, true},
      // the first refusal ends the check; nothing is stored
      {true, true, false, {"init one", "init two", "validate one"}, false},
      {true, false, true, {"init one", "init two", "validate one", "validate two"}, false},
      // a refusing page that was never shown is not asked
      {false, false, true, {"init one", "validate one", "store one"}, true},
  };
  for (const Case& c : cases) {
    std::vector<std::string> journal;
    FakeView view;
    CPropertyBasic sheet(&view);
    sheet.Load(Pages(journal, c.first_refuses, c.second_refuses));
    sheet.AddPages();
    sheet.Open();
    if (c.show_second) {
      for (size_t page : {1, 0, 1}) sheet.ShowPage(page);
    }
    sheet.ClickOk();
    EXPECT_EQ(journal, c.journal);
    EXPECT_EQ(sheet.end_result().has_value(), c.closes);
  }
}

// What the editor layer does for its pages: changes while open reach the
// view, the number ranges checked by the sheet's OK, the caret after a
// rewrite and private messages.
using Probe = ProbePage;

// A sheet of two probe pages, the first one shown.
struct TwoPages {
  FakeView view;
  CPropertyBasic sheet{&view};
  TwoPages() {
    std::vector<SheetPage> pages;
    pages.push_back({"One", std::make_unique<Probe>()});
    pages.push_back({"Two", std::make_unique<Probe>()});
    sheet.Load(std::move(pages));
    sheet.AddPages();
    sheet.Open();
  }
  Probe& page(size_t index) { return dynamic_cast<Probe&>(sheet.page(index)); }
};

// A handler's changes (range, label, limit, text, caret, visibility) reach
// the view; a private message is handled after the event that posted it.
TEST(PageServices, ChangesWhileOpenReachTheView) {
  TwoPages s;
  Probe& page = s.page(0);
  EXPECT_EQ(page.At(Probe::kCount).range->max, 32);
  EXPECT_EQ(page.At(Probe::kNotes).text_limit, 100);
  s.view.refreshed.clear();
  page.UserTypes(Probe::kCount, "60");
  page.UserSelects(Probe::kSize, 1);
  EXPECT_EQ(page.At(Probe::kCount).range->max, 64);
  EXPECT_EQ(page.At(Probe::kSizeLabel).label, "up to 64");
  EXPECT_EQ(page.At(Probe::kNotes).text_limit, 200);
  page.UserSelects(Probe::kSize, 0);
  EXPECT_EQ(page.At(Probe::kCount).text, "32");
  page.UserClicks(Probe::kHideCount);
  EXPECT_FALSE(page.At(Probe::kCount).visible);
  EXPECT_FALSE(page.At(Probe::kSize).enabled);
  // the caret goes to the end of a rewritten text only
  EXPECT_EQ(page.At(Probe::kName).caret, -1);
  page.UserTypes(Probe::kName, "abc");
  EXPECT_EQ(page.At(Probe::kName).text, "ABC");
  EXPECT_EQ(page.At(Probe::kName).caret, 3);
  page.UserTypes(Probe::kNumber, "7");
  EXPECT_EQ(page.At(Probe::kNumber).caret, -1) << "the user's caret is left alone";
  page.UserTypes(Probe::kParsed, "VW10");
  EXPECT_EQ(page.At(Probe::kParsedEcho).label, "") << "posted, not sent";
  s.view.Pump();
  EXPECT_EQ(page.At(Probe::kParsedEcho).label, "parsed VW10");
  const std::vector<int>& shown = s.view.refreshed;
  for (int id : {Probe::kCount, Probe::kSizeLabel, Probe::kNotes, Probe::kSize, Probe::kName,
                 Probe::kParsedEcho})
    EXPECT_NE(std::find(shown.begin(), shown.end(), id), shown.end()) << id;
}

// A refused number names its range, focuses its control and brings its page
// to the front; `max` 0: accepted.
TEST(PageServices, OkChecksTheNumberRangesOfEveryCreatedPage) {
  struct Case {
    size_t page;  // where the text goes
    int id;
    const char* text;
    long max;
  };
  const Case cases[] = {
      {0, Probe::kNumber, "100", 0},         {0, Probe::kNumber, " +7 ", 0},
      {0, Probe::kNumber, "0", 100},         {0, Probe::kNumber, "101", 100},
      {0, Probe::kNumber, "5x", 100},        {0, Probe::kNumber, "", 100},
      {0, Probe::kNumber, "99999999999", 100},
      {0, Probe::kCount, "33", 32},  // a range changed while open
      {1, Probe::kCount, "0", 32},   // on the page behind
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TwoPages s;
    s.sheet.ShowPage(1);
    s.sheet.ShowPage(0);
    s.page(c.page).UserTypes(c.id, c.text);
    s.sheet.ClickOk();
    EXPECT_EQ(s.sheet.end_result().has_value(), c.max == 0);
    if (c.max == 0) {
      EXPECT_TRUE(s.view.messages.empty());
      continue;
    }
    ASSERT_EQ(s.view.messages.size(), 1u);
    EXPECT_EQ(s.view.messages[0].text,
              "Please enter an integer between 1 and " + std::to_string(c.max) + ".");
    EXPECT_EQ(s.view.focused, std::vector<int>{c.id});
    EXPECT_EQ(s.sheet.active_page(), c.page) << "the failing page comes to the front";
  }
}

}  // namespace
}  // namespace ostrevan::testing
