// The editor layer's services in real windows: a sheet with the probe page,
// run modally by the Win32 view while a timer acts as the user.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "editor/editor_view.h"
#include "editor/sheet.h"
#include "support/probe_page.h"
#include "windows/ui_script.h"

namespace ostrevan::windows_testing {
namespace {

using Probe = ostrevan::testing::ProbePage;

// Runs a sheet of `page` through the Win32 view while `acts` are played: 1 after OK.
int RunProbeSheet(const std::vector<Act>& acts, std::unique_ptr<Probe> page = std::make_unique<Probe>()) {
  std::vector<SheetPage> pages;
  pages.push_back({"Probe", std::move(page)});
  UiScript script;
  return script.Then(acts).Run([&] { return EditInSheet(*editor::PlatformView(), std::move(pages)); });
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

TEST(PageServices, ChangesCaretGroupsTooltipAndPostedMessagesReachTheRealControls) {
  auto page_of = [](HWND sheet) { return GetParent(FindControl(sheet, Probe::kName)); };
  EXPECT_EQ(RunProbeSheet({Wait("Property"), Choose(Probe::kSize, 1), Text(Probe::kSizeLabel, "up to 64"),
      Check([](HWND sheet) {
        EXPECT_EQ(SendMessageA(FindControl(sheet, Probe::kNotes), EM_GETLIMITTEXT, 0, 0), 200);
      }),
      TypeIn(Probe::kName, "ab"), Text(Probe::kName, "AB"), Check([&](HWND sheet) {
        DWORD start = 0, end = 0;
        SendMessageA(FindControl(sheet, Probe::kName), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(end, 2u) << "the caret at the end";
        // The arrow keys go round inside one radio group.
        HWND page = page_of(sheet);
        EXPECT_EQ(GetNextDlgGroupItem(page, GetDlgItem(page, Probe::kRadioA2), FALSE),
                  GetDlgItem(page, Probe::kRadioA1));
        EXPECT_EQ(GetNextDlgGroupItem(page, GetDlgItem(page, Probe::kRadioB1), FALSE),
                  GetDlgItem(page, Probe::kRadioB2));
        auto [tip, hint] = TooltipOf(GetDlgItem(page, Probe::kNumber));
        EXPECT_EQ(hint, "first line\r\nsecond line");
        EXPECT_EQ(SendMessageA(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), Probe::kHintMs);
        PostMessageA(sheet, kPageNotifyMessage, 3, 4);
        SetWindowTextA(FindControl(sheet, Probe::kParsed), "VW10");
        EXPECT_EQ(TextOf(FindControl(sheet, Probe::kParsedEcho)), "") << "posted, not sent";
      }),
      Click(Probe::kHideCount), Text(Probe::kParsedEcho, "parsed VW10"),
      Text(Probe::kNotifyEcho, "notified 3,4"), Check([&](HWND sheet) {
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(page_of(sheet), Probe::kCount)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page_of(sheet), Probe::kSize)));
      }),
      Click(IDCANCEL)}), 0);
}

// A resized sheet repaints its moved buttons and grip; Enter makes a line
// in a multi-line edit and presses OK in a one-line edit.
TEST(PageServices, ResizeAndEnter) {
  EXPECT_EQ(RunProbeSheet({Wait("Property"), Check([](HWND sheet) {
      UpdateWindow(sheet);  // everything painted once
      RECT bounds{};
      GetWindowRect(sheet, &bounds);
      SetWindowPos(sheet, nullptr, 0, 0, bounds.right - bounds.left + 120,
                   bounds.bottom - bounds.top + 90, SWP_NOMOVE | SWP_NOZORDER);
      HWND grip = FindWindowExA(sheet, nullptr, "ScrollBar", nullptr);
      ASSERT_TRUE(GetWindowLongA(grip, GWL_STYLE) & SBS_SIZEGRIP);
      for (HWND moved : {GetDlgItem(sheet, IDOK), GetDlgItem(sheet, IDCANCEL), grip}) {
        RECT pending{};
        EXPECT_TRUE(GetUpdateRect(moved, &pending, FALSE)) << "moved but not to be repainted";
      }
    }),
    Keys(Probe::kNotes, "\n"), Check([](HWND sheet) {
      EXPECT_EQ(FindDialog("Property"), sheet) << "Enter did not press OK";
      EXPECT_NE(TextOf(FindControl(sheet, Probe::kNotes)).find("\r\n"), std::string::npos);
    }),
    Keys(Probe::kName, "\n")}), 1) << "Enter in a one-line edit presses OK";
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

}  // namespace
}  // namespace ostrevan::windows_testing
