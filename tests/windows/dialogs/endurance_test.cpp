// The password dialog, opened and closed 200 times in this one process,
// must leave the GDI and USER objects and the heaps where they were: the
// host opens it again and again all day. (The phone book dialog is opened
// from an SMS sheet through the DLL: ../endurance_test.cpp.)
#include <gtest/gtest.h>

#include <functional>
#include <string>

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
                         ::testing::Values(DialogCase{"Password", &OpenPassword}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrevan::windows_testing
