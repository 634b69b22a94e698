#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/sheet.h"
#include "support/fake_view.h"

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
  void TakeBack() override { journal_.push_back("take back " + name_); }
  void OnPageNotify(uintptr_t wparam, intptr_t lparam) override {
    journal_.push_back(name_ + " notified " + std::to_string(wparam) + "," + std::to_string(lparam));
  }

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
// the created ones, in page order.
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

TEST(PropertySheet, EditTakesBackEveryPageAfterOkOnly) {
  std::vector<std::string> journal;
  FakeView view;
  view.sheet_script = [](CPropertyBasic& sheet) { sheet.ClickOk(); };
  EXPECT_TRUE(EditInSheet(view, Pages(journal)));
  EXPECT_EQ(journal, (std::vector<std::string>{"init one", "validate one", "store one",
                                               "take back one", "take back two"}));

  journal.clear();
  view.sheet_script = [](CPropertyBasic& sheet) {
    sheet.ClickOk();  // refused: stays open
    EXPECT_FALSE(sheet.end_result());
    sheet.ClickCancel();
  };
  EXPECT_FALSE(EditInSheet(view, Pages(journal, true)));
  EXPECT_EQ(journal, (std::vector<std::string>{"init one", "validate one"}));
}

TEST(PropertySheet, RelaysPageNotificationsToCreatedPagesByPosting) {
  std::vector<std::string> journal;
  FakeView view;
  CPropertyBasic sheet(&view);
  sheet.Load(Pages(journal));
  sheet.AddPages();
  sheet.Open();
  journal.clear();
  sheet.OnMessage(kPageNotifyMessage, 7, -3);
  sheet.OnMessage(kPageNotifyMessage + 1, 1, 1);  // other messages are not relayed
  EXPECT_TRUE(journal.empty());  // posted, not sent
  view.Pump();
  EXPECT_EQ(journal, (std::vector<std::string>{"one notified 7,-3"}));

  sheet.ShowPage(1);
  journal.clear();
  sheet.OnMessage(0x461, 1, 2);
  view.Pump();
  EXPECT_EQ(journal, (std::vector<std::string>{"one notified 1,2", "two notified 1,2"}));
}

}  // namespace
}  // namespace ostrevan::testing
