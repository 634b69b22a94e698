#include <gtest/gtest.h>

#include "editor/phone_book_dialog.h"
#include "support/fake_view.h"

namespace ostrevan::testing {
namespace {

using editor::CChangePhonebookItemDlg;
using editor::CPhoneBookDialog;
using editor::DialogModel;
using editor::MessageAnswer;
using Book = CPhoneBookDialog;

constexpr char kAtLeastOne[] =
    "Not possible to delete this entry. There must be at least one entry in the phone book!";

// Answers the next item dialog with `text` (OK) or cancels it.
std::function<void(DialogModel&)> ItemAnswer(const std::string& text, bool ok = true,
                                             std::string* preset = nullptr) {
  return [text, ok, preset](DialogModel& d) {
    if (preset) *preset = d.At(CChangePhonebookItemDlg::kAddress).text;
    d.UserTypes(CChangePhonebookItemDlg::kAddress, text);
    d.UserClicks(ok ? editor::kIdOk : editor::kIdCancel);
  };
}

struct Fixture {
  FakeView view;
  Book dialog;
  explicit Fixture(int used) {
    dialog.Attach(&view);
    for (int i = 0; i < used; ++i) dialog.entries()[i].address = "+4100" + std::to_string(i);
    view.dialog_scripts.push_back([](DialogModel&) {});  // opens the phone book
    view.RunDialog(dialog);
  }
  const editor::Grid& grid() const { return dialog.At(Book::kGrid).grid; }
};

TEST(PhoneBookDialog, GridShowsTheFirstFiftyEntries) {
  Fixture f(3);
  f.dialog.entries()[60].address = "beyond";
  const editor::Grid& grid = f.grid();
  ASSERT_EQ(grid.rows(), 51);
  EXPECT_EQ(grid.cells[1], (std::vector<std::string>{"01", "+41000"}));
  EXPECT_EQ(grid.cells[3], (std::vector<std::string>{"03", "+41002"}));
  EXPECT_EQ(grid.cells[4], (std::vector<std::string>{"04", ""}));
}

TEST(PhoneBookDialog, AddFillsTheFirstFreeEntry) {
  struct Case {
    int used;
    const char* typed;
    bool ok;
    int filled;  // entry that gets the text, -1 none
    const char* message;
  };
  const Case cases[] = {
      {3, "+4977", true, 3, nullptr},
      {3, "", true, -1, nullptr},        // an empty text adds nothing
      {3, "+4977", false, -1, nullptr},  // Cancel
      {50, "+4977", true, -1, "Out of range!"},  // entries behind 50 do not count
  };
  for (const Case& c : cases) {
    Fixture f(c.used);
    f.view.dialog_scripts.push_back(ItemAnswer(c.typed, c.ok));
    f.dialog.UserClicks(Book::kAdd);
    if (c.message) {
      ASSERT_EQ(f.view.messages.size(), 1u);
      EXPECT_EQ(f.view.messages[0], editor::ErrorMessage(c.message));
      EXPECT_EQ(f.view.dialog_captions.size(), 1u);  // no item dialog
      continue;
    }
    EXPECT_TRUE(f.view.messages.empty());
    if (c.filled >= 0) {
      EXPECT_EQ(f.dialog.entries()[c.filled], (PhoneBookEntry{"", c.typed, ""}));
      EXPECT_EQ(f.grid().cells[c.filled + 1][1], c.typed);
    } else {
      EXPECT_EQ(f.dialog.entries()[c.used].address, "");
    }
  }
}

TEST(PhoneBookDialog, EditChangesTheFocusedRow) {
  struct Case {
    int used;
    int row;
    const char* typed;
    bool double_click;
    bool opens;
  };
  const Case cases[] = {
      {3, 2, "+4988", false, true}, {3, 2, "+4988", true, true},
      {1, 1, "", false, true},       // empties the only entry
      {3, 10, "x@y.z", true, true},  // an empty row
      {3, 0, "+4988", false, false},  // header row
      {3, -1, "+4988", true, false},  // nothing focused
  };
  for (const Case& c : cases) {
    Fixture f(c.used);
    f.dialog.entries()[1].label = "old label";
    f.dialog.UserFocusesCell(Book::kGrid, c.row, 1);
    std::string preset = "?";
    f.view.dialog_scripts.push_back(ItemAnswer(c.typed, true, &preset));
    if (c.double_click) {
      f.dialog.UserDoubleClicks(Book::kGrid);
    } else {
      f.dialog.UserClicks(Book::kEdit);
    }
    EXPECT_EQ(f.view.dialog_captions.size(), c.opens ? 2u : 1u) << c.row;
    if (!c.opens) continue;
    EXPECT_EQ(preset, c.row <= c.used ? "+4100" + std::to_string(c.row - 1) : "");
    EXPECT_EQ(f.dialog.entries()[c.row - 1], (PhoneBookEntry{"", c.typed, ""}));
    EXPECT_EQ(f.grid().cells[c.row][1], c.typed);
  }
}

TEST(PhoneBookDialog, DeleteAsksAndEmptiesTheEntry) {
  struct Case {
    int used;
    int row;
    MessageAnswer answer;
    std::vector<editor::MessageBox> messages;
    bool deleted;
  };
  const std::string question = "Delete [02],[+41001] ?";
  const Case cases[] = {
      {3, 2, MessageAnswer::kYes, {editor::Confirmation(question)}, true},
      {3, 2, MessageAnswer::kNo, {editor::Confirmation(question)}, false},
      {1, 1, MessageAnswer::kYes, {editor::ErrorMessage(kAtLeastOne)}, false},
      {3, -1, MessageAnswer::kYes, {editor::ErrorMessage("Must select one record")}, false},
  };
  for (const Case& c : cases) {
    Fixture f(c.used);
    f.dialog.UserFocusesCell(Book::kGrid, c.row, 0);
    f.view.answers.push_back(c.answer);
    f.dialog.UserClicks(Book::kDelete);
    EXPECT_EQ(f.view.messages, c.messages) << c.row;
    if (c.row >= 1) {
      EXPECT_EQ(f.dialog.entries()[c.row - 1].address.empty(), c.deleted);
      EXPECT_EQ(f.grid().cells[c.row][1].empty(), c.deleted);
    }
  }
}

TEST(PhoneBookDialog, OnlyTheFirstFiftyComeBackAfterOk) {
  PhoneBook book;
  book.entries()[70].address = "kept";
  FakeView view;
  view.dialog_scripts.push_back([](DialogModel& d) {
    d.UserClicks(Book::kAdd);
    d.UserClicks(editor::kIdOk);
  });
  view.dialog_scripts.push_back(ItemAnswer("+4911"));
  EXPECT_TRUE(editor::EditPhoneBook(book, view));
  EXPECT_EQ(book.entries()[0].address, "+41000000000");
  EXPECT_EQ(book.entries()[1].address, "+4911");
  EXPECT_EQ(book.entries()[70].address, "kept");

  view.dialog_scripts.push_back([](DialogModel& d) {
    d.UserClicks(Book::kAdd);
    d.UserClicks(editor::kIdCancel);
  });
  view.dialog_scripts.push_back(ItemAnswer("+4922"));
  EXPECT_FALSE(editor::EditPhoneBook(book, view));
  EXPECT_EQ(book.entries()[2].address, "");
}

}  // namespace
}  // namespace ostrevan::testing
