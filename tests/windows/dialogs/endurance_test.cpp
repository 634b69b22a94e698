// The password and message dialogs, opened and closed 200 times in this
// one process, must leave the GDI and USER objects and the heaps where they
// were: the host opens them again and again all day. (The phone book dialog
// is opened from an SMS sheet through the DLL: ../endurance_test.cpp.)
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "blocks/messaging/message_params_dialog.h"
#include "editor/editor_view.h"
#include "editor/password_dialog.h"
#include "windows/resource_meter.h"
#include "windows/ui_script.h"

namespace ostrevan::windows_testing {
namespace {

using editor::CPasswordStringDlg;
using editor::DialogResult;

// One open: returns whether the dialog ended with OK.
using OpenOnce = std::function<bool()>;

bool OpenPassword() {
  CPasswordStringDlg dialog;
  dialog.Attach(editor::PlatformView());
  dialog.set_password("secret");
  dialog.set_disabled(false);
  UiScript script(kEnduranceTickMs);
  script.Then([] {
    HWND window = FindDialog("Input Password");
    if (!window) return false;
    TypeText(window, CPasswordStringDlg::kPassword, "secret");
    PostClick(window, IDOK);
    return true;
  });
  return script.Run([&] {
    return editor::PlatformView()->RunDialog(dialog) == DialogResult::kOk ? 1 : 0;
  }) == 1;
}

// The PDU(UCS2) message dialog: its screen, the in-place edit box and a
// variable placed with Insert.
bool OpenMessage() {
  SmsOutputParams params = ParseSmsOutputText("A:0,3,1,0,8,0,0,0,0,B:,C:,D:,E:,F:,G:,H:");
  CWSmsMessageParamsDialog dialog;
  dialog.Attach(editor::PlatformView());
  dialog.Load(params);
  auto window = std::make_shared<HWND>();
  auto screen = [window] { return GetDlgItem(*window, MessageParamsDialog::kScreen); };
  auto edit = [screen] { return FindWindowExA(screen(), nullptr, "Edit", nullptr); };
  UiScript script(kEnduranceTickMs);
  script
      .Then([window, screen] {
        if (!(*window = FindDialog("message for parameters"))) return false;
        PostMessageA(screen(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
        return true;
      })
      .Then([edit] {
        if (!edit()) return false;
        SetWindowTextA(edit(), "Level");
        PostMessageA(edit(), WM_KEYDOWN, VK_RETURN, 1);
        return true;
      })
      .Then([window, edit] {
        if (edit()) return false;
        TypeText(*window, MessageParamsDialog::kRegister, "VW4");
        PostClick(*window, MessageParamsDialog::kInsert);
        return true;
      })
      .Then([window] {
        PostClick(*window, IDOK);
        return true;
      });
  bool ok = script.Run([&] {
    return editor::PlatformView()->RunDialog(dialog) == DialogResult::kOk ? 1 : 0;
  }) == 1;
  return ok && params.message.screen.slots[0].kind == 161;
}

struct DialogCase {
  const char* name;
  OpenOnce open;
};

class DialogEndurance : public ::testing::TestWithParam<DialogCase> {};

TEST_P(DialogEndurance, LeavesNothingBehind) {
  const DialogCase& c = GetParam();
  int odd_opens = 0;
  EnduranceRun run =
      Endure([&](int) { odd_opens += c.open() ? 0 : 1; }, kEnduranceWarmUp, kEnduranceRounds);
  EXPECT_EQ(odd_opens, 0) << "opens that did not end with OK";
  ExpectBackToStart(run, kEnduranceSlack, c.name);
}

INSTANTIATE_TEST_SUITE_P(Cases, DialogEndurance,
                         ::testing::Values(DialogCase{"Password", &OpenPassword},
                                           DialogCase{"Message", &OpenMessage}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrevan::windows_testing
