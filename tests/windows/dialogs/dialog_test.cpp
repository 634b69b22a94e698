// The password dialog in real windows: the plug-in's own objects and the
// Win32 view linked into this program, the dialog run modally while a
// timer acts as the user. Its rules are proven headless
// (tests/editor/password_dialog_test.cpp); here only what the window system
// does: the edit's limit on real keys, the real message box with its icon
// over the modal dialog, and the dialog's results after it. No page opens
// it, so the DLL cannot reach it; the phone book dialog is driven through
// the DLL's SMS sheets instead (editor_test.cpp).
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

bool Enabled(HWND root, int id) { return IsWindowEnabled(GetDlgItem(root, id)) != FALSE; }

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

TEST(PasswordDialog, KeysAreCutToTheLimitAndAWrongPasswordShowsTheErrorBox) {
  HWND dialog = nullptr;
  HWND box = nullptr;
  UiScript script;
  script.Then(WaitFor("Input Password", dialog))
      .Then(Do([&] {
        EXPECT_EQ(TextOf(GetDlgItem(dialog, LabelId(CPasswordStringDlg::kPassword))),
                  "Proction Password:");
        EXPECT_FALSE(Enabled(dialog, CPasswordStringDlg::kDisable));
        HWND field = GetDlgItem(dialog, CPasswordStringDlg::kPassword);
        SetFocus(field);
        for (char c : std::string(25, 'x')) SendMessageA(field, WM_CHAR, c, 0);
        EXPECT_EQ(TextOf(field), std::string(20, 'x'));
        PostClick(dialog, IDOK);
      }))
      .Then(WaitFor("ERR", box))
      .Then(Do([&] { Answer(box, "The Password is Error!", IDI_ERROR, {IDOK}, IDOK); }))
      .Then(WaitUntilGone("ERR"))
      .Then(Do([&] {
        EXPECT_EQ(FindDialog("Input Password"), dialog) << "stays open";
        TypeText(dialog, CPasswordStringDlg::kPassword, "secret");
        EXPECT_TRUE(Enabled(dialog, CPasswordStringDlg::kDisable));
        PostClick(dialog, CPasswordStringDlg::kDisable);
      }))
      .Then(Do([&] { PostClick(dialog, IDOK); }));
  Password result = RunPassword("secret", false, script);
  EXPECT_EQ(result.result, 1);
  EXPECT_EQ(result.password, "secret");
  EXPECT_TRUE(result.disabled);
}

}  // namespace
}  // namespace ostrevan::windows_testing
