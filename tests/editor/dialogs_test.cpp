#include <gtest/gtest.h>

#include "editor/password_dialog.h"
#include "editor/phone_book_dialog.h"
#include "support/fake_view.h"

namespace ostrevan::testing {
namespace {

using editor::DialogResult;
using Password = editor::CPasswordStringDlg;

// The dialog opens with an empty field; its "Disable" box is locked while a
// password is in force, until the old password is typed. OK checks the typed
// text against the old password unless protection is off.
TEST(PasswordDialog, OpensLockedAndOkRefusesAWrongPasswordWhileEnabled) {
  struct Case {
    const char* old_password;
    bool disabled;
    bool check_enabled, edit_enabled;  // on opening
    bool toggle;                       // click "Disable" before typing
    const char* typed;
    bool accepted;
  };
  const Case cases[] = {
      {"", true, true, false, true, "abc", true},
      {"", false, true, true, false, "new one", true},  // no old password: anything goes
      {"secret", true, true, false, false, "whatever", true},  // disabled: not checked
      {"secret", false, false, true, false, "secret", true},
      {"secret", false, false, true, false, "Secret", false},  // case counts
      {"secret", false, false, true, false, "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.old_password) + "/" + c.typed);
    FakeView view;
    Password dialog;
    dialog.Attach(&view);
    dialog.set_password(c.old_password);
    dialog.set_disabled(c.disabled);
    view.dialog_scripts.push_back([&c](editor::DialogModel& d) {
      EXPECT_EQ(d.At(Password::kPassword).text, "");
      EXPECT_EQ(d.At(Password::kDisable).checked, c.disabled);
      EXPECT_EQ(d.At(Password::kDisable).enabled, c.check_enabled);
      EXPECT_EQ(d.At(Password::kPassword).enabled, c.edit_enabled);
      if (c.toggle) d.UserClicks(Password::kDisable);
      EXPECT_EQ(d.At(Password::kPassword).enabled, c.edit_enabled != c.toggle);
      d.UserTypes(Password::kPassword, c.typed);
      // the old password unlocks the box
      EXPECT_EQ(d.At(Password::kDisable).enabled,
                c.check_enabled || std::string(c.typed) == c.old_password);
      d.UserClicks(editor::kIdOk);
      if (!d.end_result()) d.UserClicks(editor::kIdCancel);
    });
    EXPECT_EQ(view.RunDialog(dialog) == DialogResult::kOk, c.accepted);
    if (c.accepted) {
      EXPECT_TRUE(view.messages.empty());
      EXPECT_EQ(dialog.password(), c.typed);
      EXPECT_EQ(dialog.disabled(), c.disabled != c.toggle);
    } else {
      ASSERT_EQ(view.messages.size(), 1u);
      EXPECT_EQ(view.messages[0], editor::ErrorMessage("The Password is Error!"));
      EXPECT_EQ(view.messages[0].icon, editor::MessageIcon::kError);
    }
  }
}

using editor::CChangePhonebookItemDlg;
using editor::DialogModel;
using editor::MessageAnswer;
using Book = editor::CPhoneBookDialog;

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

// Add fills the first free entry, Edit (or a double click) the focused row,
// Delete empties it after asking. `preset`: what the item dialog opens with,
// null when none opens; then entry `entry` holds `address`.
TEST(PhoneBookDialog, AddEditAndDeleteChangeTheEntries) {
  struct Case {
    const char* name;
    int used, row;  // row -1: none focused
    int button;     // Book::kGrid: a double click
    const char* typed;
    bool ok;  // of the item dialog, or the answer to the question
    std::vector<editor::MessageBox> messages;
    const char* preset;
    int entry;
    const char* address;
  };
  const auto question = editor::Confirmation("Delete [02],[+41001] ?");
  const Case cases[] = {
      {"add", 3, -1, Book::kAdd, "+4977", true, {}, "", 3, "+4977"},
      {"add an empty text", 3, -1, Book::kAdd, "", true, {}, "", 3, ""},
      {"add cancelled", 3, -1, Book::kAdd, "+4977", false, {}, "", 3, ""},
      // entries behind 50 do not count
      {"add to 50", 50, -1, Book::kAdd, "+4977", true, {editor::ErrorMessage("Out of range!")},
       nullptr, 50, ""},
      {"edit", 3, 2, Book::kEdit, "+4988", true, {}, "+41001", 1, "+4988"},
      {"double click", 3, 2, Book::kGrid, "+4988", true, {}, "+41001", 1, "+4988"},
      {"empty the only entry", 1, 1, Book::kEdit, "", true, {}, "+41000", 0, ""},
      {"an empty row", 3, 10, Book::kGrid, "x@y.z", true, {}, "", 9, "x@y.z"},
      {"the header row", 3, 0, Book::kEdit, "+4988", true, {}, nullptr, 0, "+41000"},
      {"nothing focused", 3, -1, Book::kGrid, "+4988", true, {}, nullptr, 0, "+41000"},
      {"delete", 3, 2, Book::kDelete, "", true, {question}, nullptr, 1, ""},
      {"delete refused", 3, 2, Book::kDelete, "", false, {question}, nullptr, 1, "+41001"},
      {"delete the last", 1, 1, Book::kDelete, "", true, {editor::ErrorMessage(kAtLeastOne)},
       nullptr, 0, "+41000"},
      {"delete nothing", 3, -1, Book::kDelete, "", true,
       {editor::ErrorMessage("Must select one record")}, nullptr, 0, "+41000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(c.used);
    f.dialog.entries()[1].label = "old label";
    f.dialog.UserFocusesCell(Book::kGrid, c.row, 1);
    f.view.answers.push_back(c.ok ? MessageAnswer::kYes : MessageAnswer::kNo);
    std::string preset = "?";
    f.view.dialog_scripts.push_back(ItemAnswer(c.typed, c.ok, &preset));
    c.button == Book::kGrid ? f.dialog.UserDoubleClicks(Book::kGrid)
                            : f.dialog.UserClicks(c.button);
    EXPECT_EQ(f.view.messages, c.messages);
    ASSERT_EQ(f.view.dialog_captions.size(), c.preset ? 2u : 1u);
    if (c.preset) {
      EXPECT_EQ(preset, c.preset);
    }
    // an edited or deleted entry is replaced whole
    const bool kept_label = c.entry == 1 && std::string(c.address) == "+41001";
    EXPECT_EQ(f.dialog.entries()[c.entry],
              (PhoneBookEntry{kept_label ? "old label" : "", c.address, ""}));
    if (c.entry < 50) {
      EXPECT_EQ(f.grid().cells[c.entry + 1][1], c.address);
    }
  }
}

}  // namespace
}  // namespace ostrevan::testing
