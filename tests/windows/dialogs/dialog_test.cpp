// The password and phone book dialogs in real windows: the plug-in's own
// objects and the Win32 view linked into this program, the dialog run
// modally while a timer acts as the user.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/phone_book.h"
#include "editor/editor_view.h"
#include "editor/password_dialog.h"
#include "editor/phone_book_dialog.h"
#include "windows/ui_script.h"

namespace ostrevan::windows_testing {
namespace {

using editor::CChangePhonebookItemDlg;
using editor::CPasswordStringDlg;
using editor::CPhoneBookDialog;
using editor::DialogResult;
using editor::LabelId;

constexpr char kAtLeastOne[] =
    "Not possible to delete this entry. There must be at least one entry in the phone book!";

UiScript::Step Do(std::function<void()> action) {
  return [action] {
    action();
    return true;
  };
}

UiScript::Step WaitFor(const char* caption, HWND& window) {
  return [caption, &window] { return (window = FindDialog(caption)) != nullptr; };
}

UiScript::Step WaitUntilGone(const char* caption) {
  return [caption] { return FindDialog(caption) == nullptr; };
}

bool Enabled(HWND root, int id) { return IsWindowEnabled(GetDlgItem(root, id)) != FALSE; }
bool Checked(HWND root, int id) {
  return SendMessageA(GetDlgItem(root, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}
int Limit(HWND root, int id) {
  return static_cast<int>(SendMessageA(GetDlgItem(root, id), EM_GETLIMITTEXT, 0, 0));
}

// The icon a message box shows: the standard one it was asked for.
HICON IconOf(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
      return reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
  }
  return nullptr;
}

// A message box of `caption` with `text`, `icon` and the buttons `ids`,
// answered with `answer`.
void Answer(HWND box, const std::string& text, LPCSTR icon, std::vector<int> ids, int answer) {
  EXPECT_EQ(MessageText(box), text);
  EXPECT_EQ(IconOf(box), LoadIconA(nullptr, icon));
  for (int id : ids) EXPECT_NE(GetDlgItem(box, id), nullptr) << "button " << id;
  PostMessageA(box, WM_COMMAND, answer, 0);
}

// ---------------------------------------------------------------- password

struct Password {
  int result;
  std::string password;
  bool disabled;
};

Password RunPassword(const std::string& old, bool disabled, UiScript& script) {
  CPasswordStringDlg dialog;
  dialog.Attach(editor::PlatformView());  // its messages go through the view
  dialog.set_password(old);
  dialog.set_disabled(disabled);
  int result = script.Run(
      [&] { return editor::PlatformView()->RunDialog(dialog) == DialogResult::kOk ? 1 : 0; });
  return {result, dialog.password(), dialog.disabled()};
}

struct OpeningCase {
  const char* name;
  const char* old;
  bool disabled;
  bool box_enabled, field_enabled;
};

class PasswordOpening : public ::testing::TestWithParam<OpeningCase> {};

TEST_P(PasswordOpening, ShowsTheFieldsAndTheirEnabling) {
  const OpeningCase& c = GetParam();
  HWND dialog = nullptr;
  UiScript script;
  script.Then(WaitFor("Input Password", dialog)).Then(Do([&] {
    EXPECT_EQ(TextOf(GetDlgItem(dialog, LabelId(CPasswordStringDlg::kPassword))),
              "Proction Password:");
    EXPECT_EQ(TextOf(GetDlgItem(dialog, CPasswordStringDlg::kDisable)), "Disable");
    EXPECT_EQ(TextOf(GetDlgItem(dialog, CPasswordStringDlg::kPassword)), "") << "never shown";
    EXPECT_EQ(Limit(dialog, CPasswordStringDlg::kPassword), 20);
    EXPECT_EQ(Checked(dialog, CPasswordStringDlg::kDisable), c.disabled);
    EXPECT_EQ(Enabled(dialog, CPasswordStringDlg::kDisable), c.box_enabled);
    EXPECT_EQ(Enabled(dialog, CPasswordStringDlg::kPassword), c.field_enabled);
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDOK)), "OK");
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDCANCEL)), "Cancel");
    PostClick(dialog, IDCANCEL);
  }));
  EXPECT_EQ(RunPassword(c.old, c.disabled, script).result, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PasswordOpening,
    ::testing::Values(OpeningCase{"NoOldDisabled", "", true, true, false},
                      OpeningCase{"NoOldEnabled", "", false, true, true},
                      OpeningCase{"OldDisabled", "secret", true, true, false},
                      OpeningCase{"OldEnabled", "secret", false, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PasswordDialog, TypingTheOldPasswordUnlocksDisable) {
  HWND dialog = nullptr;
  UiScript script;
  script.Then(WaitFor("Input Password", dialog))
      .Then(Do([&] {
        TypeText(dialog, CPasswordStringDlg::kPassword, "secre");
        EXPECT_FALSE(Enabled(dialog, CPasswordStringDlg::kDisable));
        TypeText(dialog, CPasswordStringDlg::kPassword, "secret");
        EXPECT_TRUE(Enabled(dialog, CPasswordStringDlg::kDisable));
        PostClick(dialog, CPasswordStringDlg::kDisable);
      }))
      .Then(Do([&] {
        EXPECT_TRUE(Checked(dialog, CPasswordStringDlg::kDisable));
        EXPECT_FALSE(Enabled(dialog, CPasswordStringDlg::kPassword));
        PostClick(dialog, CPasswordStringDlg::kDisable);
      }))
      .Then(Do([&] {
        EXPECT_FALSE(Checked(dialog, CPasswordStringDlg::kDisable));
        EXPECT_TRUE(Enabled(dialog, CPasswordStringDlg::kPassword));
        PostClick(dialog, CPasswordStringDlg::kDisable);
      }))
      .Then(Do([&] { PostClick(dialog, IDOK); }));
  Password result = RunPassword("secret", false, script);
  EXPECT_EQ(result.result, 1);
  EXPECT_TRUE(result.disabled);
  EXPECT_EQ(result.password, "secret");
}

TEST(PasswordDialog, TheFieldTakesAtMostTwentyCharacters) {
  HWND dialog = nullptr;
  UiScript script;
  script.Then(WaitFor("Input Password", dialog)).Then(Do([&] {
    HWND field = GetDlgItem(dialog, CPasswordStringDlg::kPassword);
    SetFocus(field);
    for (char c : std::string(25, 'x')) SendMessageA(field, WM_CHAR, c, 0);
    EXPECT_EQ(TextOf(field), std::string(20, 'x'));
    PostClick(dialog, IDOK);
  }));
  Password result = RunPassword("", false, script);
  EXPECT_EQ(result.result, 1);
  EXPECT_EQ(result.password, std::string(20, 'x'));
}

struct OkCase {
  const char* name;
  const char* old;
  bool disabled;
  const char* typed;
  bool refused;  // "The Password is Error!" first, then the old password is typed
  Password expected;
};

class PasswordOk : public ::testing::TestWithParam<OkCase> {};

TEST_P(PasswordOk, ChecksTheOldPassword) {
  const OkCase& c = GetParam();
  HWND dialog = nullptr;
  HWND box = nullptr;
  UiScript script;
  script.Then(WaitFor("Input Password", dialog)).Then(Do([&] {
    TypeText(dialog, CPasswordStringDlg::kPassword, c.typed);
    PostClick(dialog, IDOK);
  }));
  if (c.refused) {
    script.Then(WaitFor("ERR", box))
        .Then(Do([&] {
          Answer(box, "The Password is Error!", IDI_ERROR, {IDOK}, IDOK);
        }))
        .Then(WaitUntilGone("ERR"))
        .Then(Do([&] {
          EXPECT_EQ(FindDialog("Input Password"), dialog) << "stays open";
          TypeText(dialog, CPasswordStringDlg::kPassword, c.old);
          PostClick(dialog, IDOK);
        }));
  }
  Password result = RunPassword(c.old, c.disabled, script);
  EXPECT_EQ(result.result, c.expected.result);
  EXPECT_EQ(result.password, c.expected.password);
  EXPECT_EQ(result.disabled, c.expected.disabled);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PasswordOk,
    ::testing::Values(
        OkCase{"NoOldTakesAnyText", "", false, "new one", false, {1, "new one", false}},
        OkCase{"NoOldTakesAnEmptyText", "", false, "", false, {1, "", false}},
        OkCase{"RightPassword", "secret", false, "secret", false, {1, "secret", false}},
        OkCase{"CaseMatters", "secret", false, "Secret", true, {1, "secret", false}},
        OkCase{"EmptyIsWrong", "secret", false, "", true, {1, "secret", false}},
        OkCase{"DisabledIsNotChecked", "secret", true, "other", false, {1, "other", true}}),
    [](const auto& info) { return std::string(info.param.name); });

// -------------------------------------------------------------- phone book

struct Edited {
  bool ok;
  PhoneBook::Entries entries;
};

// The dialog being run, for what its grid shows.
const CPhoneBookDialog* g_shown = nullptr;

const editor::Grid& ShownGrid() { return g_shown->At(CPhoneBookDialog::kGrid).grid; }

PhoneBook BookWith(int used) {
  PhoneBook book;
  for (int i = 0; i < used; ++i) book.entries()[i].address = "+4100" + std::to_string(i);
  return book;
}

Edited RunPhoneBook(const PhoneBook& book, UiScript& script) {
  CPhoneBookDialog dialog;
  dialog.Attach(editor::PlatformView());
  dialog.entries() = book.entries();
  g_shown = &dialog;
  bool ok = script.Run([&] {
    return editor::PlatformView()->RunDialog(dialog) == DialogResult::kOk ? 1 : 0;
  }) != 0;
  g_shown = nullptr;
  return {ok, dialog.entries()};
}

HWND Grid(HWND dialog) { return GetDlgItem(dialog, CPhoneBookDialog::kGrid); }

// A click on the second column of `row` (1 = first entry), where the grid
// draws it: header 30 pixels, rows 25. A double click opens the item
// editor, so it is posted.
void ClickRow(HWND dialog, int row, bool twice = false) {
  LPARAM at = MAKELPARAM(150, 30 + (row - 1) * 25 + 12);
  SendMessageA(Grid(dialog), WM_LBUTTONDOWN, 0, at);
  SendMessageA(Grid(dialog), WM_LBUTTONUP, 0, at);
  if (twice) PostMessageA(Grid(dialog), WM_LBUTTONDBLCLK, 0, at);
}

// The item editor: checks its fields, types `text` and closes with `button`.
std::vector<UiScript::Step> ItemEditor(const std::string& preset, const std::string& text,
                                       int button) {
  auto item = std::make_shared<HWND>();
  return {[item] { return (*item = FindDialog("Phonebook settings")) != nullptr; },
          Do([item, preset, text, button] {
            HWND dialog = *item;
            EXPECT_EQ(TextOf(GetDlgItem(dialog, LabelId(CChangePhonebookItemDlg::kAddress))),
                      "Phone Number/eMail");
            EXPECT_EQ(Limit(dialog, CChangePhonebookItemDlg::kAddress), 49);
            EXPECT_EQ(TextOf(GetDlgItem(dialog, CChangePhonebookItemDlg::kAddress)), preset);
            TypeText(dialog, CChangePhonebookItemDlg::kAddress, text);
            PostClick(dialog, button);
          }),
          WaitUntilGone("Phonebook settings")};
}

void Then(UiScript& script, const std::vector<UiScript::Step>& steps) {
  for (const auto& step : steps) script.Then(step);
}

TEST(PhoneBookDialog, ShowsTheGridAndTheButtons) {
  HWND dialog = nullptr;
  UiScript script;
  script.Then(WaitFor("Phonebook", dialog)).Then(Do([&] {
    HWND grid = Grid(dialog);
    ASSERT_NE(grid, nullptr);
    EXPECT_TRUE(IsWindowVisible(grid));
    // The vertical scroll bar covers the 50 entry rows.
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE;
    GetScrollInfo(grid, SB_VERT, &info);
    EXPECT_EQ(info.nMax - info.nMin + 1, 50);
    struct Button {
      int id;
      const char* text;
    };
    for (Button b : {Button{CPhoneBookDialog::kAdd, "Add"}, Button{CPhoneBookDialog::kEdit, "Edit"},
                     Button{CPhoneBookDialog::kDelete, "Delete"},
                     Button{CPhoneBookDialog::kWrite, "Write"},
                     Button{CPhoneBookDialog::kRead, "Read"}, Button{IDOK, "OK"},
                     Button{IDCANCEL, "Cancel"}}) {
      EXPECT_EQ(TextOf(GetDlgItem(dialog, b.id)), b.text);
      EXPECT_TRUE(Enabled(dialog, b.id)) << b.text;
    }
    const editor::Grid& cells = ShownGrid();
    EXPECT_EQ(cells.rows(), 51);
    EXPECT_EQ(cells.columns(), 2);
    EXPECT_EQ(cells.cells[0], (std::vector<std::string>{"Number", "Phone Number/eMail"}));
    EXPECT_EQ(cells.cells[1], (std::vector<std::string>{"01", "+41000"}));
    EXPECT_EQ(cells.cells[2], (std::vector<std::string>{"02", "+41001"}));
    EXPECT_EQ(cells.cells[50], (std::vector<std::string>{"50", ""}));
    PostClick(dialog, IDCANCEL);
  }));
  Edited edited = RunPhoneBook(BookWith(2), script);
  EXPECT_FALSE(edited.ok);
}

struct AddCase {
  const char* name;
  const char* typed;
  int button;
  const char* added;  // entry 2 afterwards
};

class PhoneBookAdd : public ::testing::TestWithParam<AddCase> {};

TEST_P(PhoneBookAdd, OpensTheItemEditor) {
  const AddCase& c = GetParam();
  HWND dialog = nullptr;
  UiScript script;
  script.Then(WaitFor("Phonebook", dialog)).Then(Do([&] {
    PostClick(dialog, CPhoneBookDialog::kAdd);
  }));
  Then(script, ItemEditor("", c.typed, c.button));
  script.Then(Do([&] {
    EXPECT_EQ(ShownGrid().cells[3][1], c.added) << "the grid shows it";
    PostClick(dialog, IDOK);
  }));
  Edited edited = RunPhoneBook(BookWith(2), script);
  EXPECT_TRUE(edited.ok);
  EXPECT_EQ(edited.entries[2].address, c.added);
  EXPECT_EQ(edited.entries[1].address, "+41001");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PhoneBookAdd,
    ::testing::Values(AddCase{"OkAddsTheAddress", "mail@example.org", IDOK, "mail@example.org"},
                      AddCase{"CancelAddsNothing", "+41999", IDCANCEL, ""},
                      AddCase{"EmptyTextAddsNothing", "", IDOK, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PhoneBookDialog, TheItemFieldTakesAtMostFortyNineCharacters) {
  HWND dialog = nullptr;
  HWND item = nullptr;
  UiScript script;
  script.Then(WaitFor("Phonebook", dialog))
      .Then(Do([&] { PostClick(dialog, CPhoneBookDialog::kAdd); }))
      .Then(WaitFor("Phonebook settings", item))
      .Then(Do([&] {
        HWND field = GetDlgItem(item, CChangePhonebookItemDlg::kAddress);
        SetFocus(field);
        for (int i = 0; i < 55; ++i) SendMessageA(field, WM_CHAR, '7', 0);
        PostClick(item, IDOK);
      }))
      .Then(WaitUntilGone("Phonebook settings"))
      .Then(Do([&] { PostClick(dialog, IDOK); }));
  Edited edited = RunPhoneBook(BookWith(1), script);
  EXPECT_EQ(edited.entries[1].address, std::string(49, '7'));
}

struct EditCase {
  const char* name;
  bool double_click;
  const char* typed;
};

class PhoneBookEdit : public ::testing::TestWithParam<EditCase> {};

TEST_P(PhoneBookEdit, ChangesTheClickedRow) {
  const EditCase& c = GetParam();
  HWND dialog = nullptr;
  UiScript script;
  script.Then(WaitFor("Phonebook", dialog)).Then(Do([&] {
    ClickRow(dialog, 2, c.double_click);
    if (!c.double_click) PostClick(dialog, CPhoneBookDialog::kEdit);
  }));
  Then(script, ItemEditor("+41001", c.typed, IDOK));
  script.Then(Do([&] {
    EXPECT_EQ(ShownGrid().cells[2][1], c.typed);
    PostClick(dialog, IDOK);
  }));
  Edited edited = RunPhoneBook(BookWith(3), script);
  EXPECT_EQ(edited.entries[1].address, c.typed);
  EXPECT_EQ(edited.entries[0].address, "+41000");
  EXPECT_EQ(edited.entries[2].address, "+41002");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PhoneBookEdit,
    ::testing::Values(EditCase{"ByButton", false, "+41777"},
                      EditCase{"ByDoubleClick", true, "x@y.z"},
                      EditCase{"ToEmpty", false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PhoneBookDialog, EditOnTheHeaderDoesNothing) {
  HWND dialog = nullptr;
  UiScript script;
  script.Then(WaitFor("Phonebook", dialog))
      .Then(Do([&] {
        SendMessageA(Grid(dialog), WM_LBUTTONDOWN, 0, MAKELPARAM(150, 10));  // header row
        PostClick(dialog, CPhoneBookDialog::kEdit);
      }))
      .Then([] {  // a few ticks without the item editor
        static int ticks = 0;
        EXPECT_EQ(FindDialog("Phonebook settings"), nullptr);
        return ++ticks > 5;
      })
      .Then(Do([&] { PostClick(dialog, IDOK); }));
  EXPECT_TRUE(RunPhoneBook(BookWith(2), script).ok);
}

struct DeleteCase {
  const char* name;
  int answer;
  const char* left;  // entry 1 afterwards
};

class PhoneBookDelete : public ::testing::TestWithParam<DeleteCase> {};

TEST_P(PhoneBookDelete, AsksFirst) {
  const DeleteCase& c = GetParam();
  HWND dialog = nullptr;
  HWND box = nullptr;
  UiScript script;
  script.Then(WaitFor("Phonebook", dialog))
      .Then(Do([&] {
        ClickRow(dialog, 2);
        PostClick(dialog, CPhoneBookDialog::kDelete);
      }))
      .Then(WaitFor("Ostrevan", box))
      .Then(Do([&] {
        Answer(box, "Delete [02],[+41001] ?", IDI_QUESTION, {IDYES, IDNO}, c.answer);
      }))
      .Then(WaitUntilGone("Ostrevan"))
      .Then(Do([&] {
        EXPECT_EQ(ShownGrid().cells[2][1], c.left);
        PostClick(dialog, IDOK);
      }));
  Edited edited = RunPhoneBook(BookWith(3), script);
  EXPECT_EQ(edited.entries[1].address, c.left);
  EXPECT_EQ(edited.entries[2].address, "+41002");
}

INSTANTIATE_TEST_SUITE_P(Cases, PhoneBookDelete,
                         ::testing::Values(DeleteCase{"Yes", IDYES, ""},
                                           DeleteCase{"No", IDNO, "+41001"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
  const char* name;
  int used;
  int button;
  bool click_row;
  const char* message;
};

class PhoneBookRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(PhoneBookRefusal, ShowsAnErrorAndChangesNothing) {
  const RefusalCase& c = GetParam();
  HWND dialog = nullptr;
  HWND box = nullptr;
  UiScript script;
  script.Then(WaitFor("Phonebook", dialog))
      .Then(Do([&] {
        if (c.click_row) ClickRow(dialog, 1);
        PostClick(dialog, c.button);
      }))
      .Then(WaitFor("ERR", box))
      .Then(Do([&] {
        EXPECT_EQ(FindDialog("Phonebook settings"), nullptr);
        Answer(box, c.message, IDI_ERROR, {IDOK}, IDOK);
      }))
      .Then(WaitUntilGone("ERR"))
      .Then(Do([&] { PostClick(dialog, IDOK); }));
  PhoneBook before = BookWith(c.used);
  Edited edited = RunPhoneBook(before, script);
  EXPECT_TRUE(edited.ok);
  EXPECT_EQ(edited.entries, before.entries());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PhoneBookRefusal,
    ::testing::Values(
        RefusalCase{"AddWhenFiftyAreUsed", 50, CPhoneBookDialog::kAdd, false, "Out of range!"},
        RefusalCase{"DeleteTheLastEntry", 1, CPhoneBookDialog::kDelete, true, kAtLeastOne},
        RefusalCase{"DeleteWithoutARow", 2, CPhoneBookDialog::kDelete, false,
                    "Must select one record"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrevan::windows_testing
