// The password dialog in real windows: the plug-in's own objects and the
// Win32 view linked into this program, the dialog run modally while a
// timer acts as the user. No page opens it, so the DLL cannot reach it;
// the phone book dialog is driven through the DLL's SMS sheets instead
// (editor_test.cpp).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/editor_view.h"
#include "editor/password_dialog.h"
#include "windows/ui_script.h"

namespace ostrevan::windows_testing {
namespace {

using editor::CPasswordStringDlg;
using editor::DialogResult;
using editor::LabelId;

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

}  // namespace
}  // namespace ostrevan::windows_testing
