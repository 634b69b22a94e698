// The password dialog (which no page opens) in real windows, its rules
// proven headless: the edit's limit on real keys, the message box with its
// icon over the modal dialog, and the results after it.
#include <gtest/gtest.h>

#include <string>

#include "editor/editor_view.h"
#include "editor/password_dialog.h"
#include "windows/ui_script.h"

namespace ostrevan::windows_testing {
namespace {

using editor::CPasswordStringDlg;

// The icon a message box shows.
HICON IconOf(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
      return reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
  }
  return nullptr;
}

TEST(PasswordDialog, KeysAreCutToTheLimitAndAWrongPasswordShowsTheErrorBox) {
  const int field = CPasswordStringDlg::kPassword;
  UiScript script;
  script.Then({Wait("Input Password"), Keys(field, std::string(25, 'x')),
               Text(field, std::string(20, 'x')), Click(IDOK), Wait("ERR"),
               Text(kMessageText, "The Password is Error!"),
               Check([](HWND box) { EXPECT_EQ(IconOf(box), LoadIconA(nullptr, IDI_ERROR)); }),
               Click(IDOK), Gone("ERR"), TypeIn(field, "secret"),
               Click(CPasswordStringDlg::kDisable), Click(IDOK)});
  CPasswordStringDlg password;
  password.Attach(editor::PlatformView());  // its messages go through the view
  password.set_password("secret");
  password.set_disabled(false);
  EXPECT_EQ(script.Run([&] {
    return editor::PlatformView()->RunDialog(password) == editor::DialogResult::kOk;
  }), 1);
  EXPECT_EQ(password.password(), "secret");
  EXPECT_TRUE(password.disabled());
}

}  // namespace
}  // namespace ostrevan::windows_testing
