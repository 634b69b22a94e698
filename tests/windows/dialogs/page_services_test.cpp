// The editor layer's services in real windows: a sheet with the probe page,
// run modally by the Win32 view while a timer acts as the user; and the
// password dialog.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "editor/editor_view.h"
#include "editor/password_dialog.h"
#include "editor/sheet.h"
#include "support/probe_page.h"
#include "windows/ui_script.h"

namespace ostrevan::windows_testing {
namespace {

using Probe = ostrevan::testing::ProbePage;

// Runs a sheet of `page` through the Win32 view while `acts` are played: 1 after OK.
int RunProbeSheet(const std::vector<Act>& acts, std::unique_ptr<Probe> page = nullptr) {
  std::vector<SheetPage> pages;
  pages.push_back({"Probe", page ? std::move(page) : std::make_unique<Probe>()});
  UiScript script;
  return script.Then(acts).Run(
      [&] { return EditInSheet(*editor::PlatformView(), std::move(pages)) ? 1 : 0; });
}

// The tooltip window (owned by the sheet) that knows the tool `control`, and its text.
std::pair<HWND, std::string> TooltipOf(HWND control) {
  char text[200] = {};
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text;
  for (HWND tip = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); tip;
       tip = FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr)) {
    SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
    if (text[0]) return {tip, text};
  }
  return {nullptr, ""};
}

// The page of the probe in `sheet`.
HWND PageOf(HWND sheet) { return GetParent(FindControl(sheet, Probe::kName)); }

TEST(PageServices, ChangesCaretGroupsTooltipAndPostedMessagesReachTheRealControls) {
  EXPECT_EQ(RunProbeSheet({
      Wait("Property"), Choose(Probe::kSize, 1), Text(Probe::kSizeLabel, "up to 64"),
      TypeIn(Probe::kName, "ab"), Text(Probe::kName, "AB"), Check([](HWND sheet) {
        HWND page = PageOf(sheet);
        EXPECT_EQ(SendDlgItemMessageA(page, Probe::kNotes, EM_GETLIMITTEXT, 0, 0), 200);
        DWORD start = 0, end = 0;
        SendDlgItemMessageA(page, Probe::kName, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                            reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(end, 2u) << "the caret at the end";
        // The arrow keys go round inside one radio group.
        EXPECT_EQ(GetNextDlgGroupItem(page, GetDlgItem(page, Probe::kRadioA2), FALSE),
                  GetDlgItem(page, Probe::kRadioA1));
        EXPECT_EQ(GetNextDlgGroupItem(page, GetDlgItem(page, Probe::kRadioB1), FALSE),
                  GetDlgItem(page, Probe::kRadioB2));
        auto [tip, hint] = TooltipOf(GetDlgItem(page, Probe::kNumber));
        EXPECT_EQ(hint, "first line\r\nsecond line");
        EXPECT_EQ(SendMessageA(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), Probe::kHintMs);
        PostMessageA(sheet, kPageNotifyMessage, 3, 4);
        SetDlgItemTextA(page, Probe::kParsed, "VW10");
        EXPECT_EQ(TextOf(GetDlgItem(page, Probe::kParsedEcho)), "") << "posted, not sent";
      }),
      Click(Probe::kHideCount), Text(Probe::kParsedEcho, "parsed VW10"),
      Text(Probe::kNotifyEcho, "notified 3,4"), Check([](HWND sheet) {
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(PageOf(sheet), Probe::kCount)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(PageOf(sheet), Probe::kSize)));
      }),
      Click(IDCANCEL)}), 0);
}

// Enter makes a line in a multi-line edit and presses OK in a one-line edit.
TEST(PageServices, EnterInAMultiLineEditAndElsewhere) {
  EXPECT_EQ(RunProbeSheet({Wait("Property"), Keys(Probe::kNotes, "\n"), Check([](HWND sheet) {
                             EXPECT_EQ(FindDialog("Property"), sheet) << "Enter did not press OK";
                             EXPECT_NE(TextOf(FindControl(sheet, Probe::kNotes)).find("\r\n"),
                                       std::string::npos);
                           }),
                           Keys(Probe::kName, "\n")}),
            1)
      << "Enter in a one-line edit presses OK";
}

// A page whose handler fails: the guard of the dialog procedure keeps the
// error from the window system, closes the sheet and hands the error to
// the call that ran it.
class FailingPage : public Probe {
  void OnClicked(int id) override {
    if (id == kNotify) throw std::runtime_error("page failed");
  }
};

TEST(PageServices, AFailingHandlerClosesTheSheetAndItsErrorComesOut) {
  try {
    RunProbeSheet({Wait("Property"), Click(Probe::kNotify)}, std::make_unique<FailingPage>());
    ADD_FAILURE() << "the error did not come out";
  } catch (const std::runtime_error& failure) {
    EXPECT_STREQ(failure.what(), "page failed");
  }
  EXPECT_EQ(FindDialog(nullptr), nullptr);
}

// The password dialog (which no page opens), its rules proven headless: the
// edit's limit on real keys, the message box with its icon over the modal
// dialog, and the results after it.
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
