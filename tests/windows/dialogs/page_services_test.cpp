// The editor layer's services in real windows: a sheet with the probe page,
// run modally by the Win32 view while a timer acts as the user.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/editor_view.h"
#include "editor/sheet.h"
#include "support/probe_page.h"
#include "windows/ui_script.h"

namespace ostrevan::windows_testing {
namespace {

using Probe = ostrevan::testing::ProbePage;

// Runs a sheet of one probe page through the Win32 view: 1 after OK.
int RunProbeSheet(UiScript& script) {
  editor::EditorView* view = editor::PlatformView();
  std::vector<SheetPage> pages;
  pages.push_back({"Probe", std::make_unique<Probe>()});
  return script.Run([&] { return EditInSheet(*view, std::move(pages)) ? 1 : 0; });
}

HWND Control(HWND sheet, int id) {
  HWND control = FindControl(sheet, id);
  EXPECT_NE(control, nullptr) << "no control " << id;
  return control;
}

TEST(PageServices, ChangesWhileOpenReachTheRealControls) {
  HWND sheet = nullptr;
  UiScript script;
  script.Then(WaitFor("Property", sheet)).Then(Do([&] {
    HWND notes = Control(sheet, Probe::kNotes);
    EXPECT_EQ(SendMessageA(notes, EM_GETLIMITTEXT, 0, 0), 100);
    EXPECT_TRUE(GetWindowLongA(notes, GWL_STYLE) & ES_MULTILINE);
    SelectItem(sheet, Probe::kSize, 1);
    EXPECT_EQ(TextOf(Control(sheet, Probe::kSizeLabel)), "up to 64");
    EXPECT_EQ(SendMessageA(notes, EM_GETLIMITTEXT, 0, 0), 200);
    PostClick(sheet, Probe::kHideCount);  // posted: looked at on the next tick
  })).Then(Do([&] {
    HWND page = GetParent(FindControl(sheet, Probe::kSize));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(page, Probe::kCount)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, Probe::kSize)));
    PostClick(sheet, IDCANCEL);
  }));
  EXPECT_EQ(RunProbeSheet(script), 0);
}

TEST(PageServices, CaretGroupsPrivateMessagesNotificationsAndTheTooltip) {
  HWND sheet = nullptr;
  UiScript script;
  script.Then(WaitFor("Property", sheet))
      .Then(Do([&] {
        TypeText(sheet, Probe::kName, "ab");
        HWND name = Control(sheet, Probe::kName);
        EXPECT_EQ(TextOf(name), "AB");
        DWORD start = 0, end = 0;
        SendMessageA(name, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 2u);
        EXPECT_EQ(end, 2u);

        // The arrow keys go round inside one radio group.
        HWND page = GetParent(name);
        EXPECT_EQ(GetNextDlgGroupItem(page, GetDlgItem(page, Probe::kRadioA2), FALSE),
                  GetDlgItem(page, Probe::kRadioA1));
        EXPECT_EQ(GetNextDlgGroupItem(page, GetDlgItem(page, Probe::kRadioB1), FALSE),
                  GetDlgItem(page, Probe::kRadioB2));

        // The range hint: its lines and how long it stays up. The tooltip
        // window is owned by the sheet; it is the one that knows the edit.
        HWND tip = nullptr;
        char text[200] = {};
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.hwnd = page;
        tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(page, Probe::kNumber));
        tool.lpszText = text;
        for (HWND w = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); w && !tip;
             w = FindWindowExA(nullptr, w, TOOLTIPS_CLASSA, nullptr)) {
          text[0] = '\0';
          SendMessageA(w, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
          if (text[0]) tip = w;
        }
        EXPECT_NE(tip, nullptr);
        EXPECT_STREQ(text, "first line\r\nsecond line");
        if (tip) {
          EXPECT_EQ(SendMessageA(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), Probe::kHintMs);
        }

        TypeText(sheet, Probe::kParsed, "VW10");
        EXPECT_EQ(TextOf(Control(sheet, Probe::kParsedEcho)), "") << "posted, not sent";
        PostMessageA(sheet, kPageNotifyMessage, 3, 4);
      }))
      .Then(Do([&] {
        EXPECT_EQ(TextOf(Control(sheet, Probe::kParsedEcho)), "parsed VW10");
      }))
      .Then([&] { return TextOf(Control(sheet, Probe::kNotifyEcho)) == "notified 3,4"; })
      .Then(Do([&] { PostClick(sheet, IDCANCEL); }));
  EXPECT_EQ(RunProbeSheet(script), 0);
}

TEST(PageServices, EnterMakesALineInAMultiLineEditAndPressesOkElsewhere) {
  HWND sheet = nullptr;
  UiScript script;
  script.Then(WaitFor("Property", sheet))
      .Then(Do([&] {
        HWND notes = Control(sheet, Probe::kNotes);
        SetFocus(notes);
        PostMessageA(notes, WM_KEYDOWN, VK_RETURN, 0x001C0001);
        PostMessageA(notes, WM_CHAR, '\r', 0x001C0001);
      }))
      .Then(Do([&] {
        EXPECT_EQ(FindDialog("Property"), sheet) << "Enter did not press OK";
        EXPECT_NE(TextOf(Control(sheet, Probe::kNotes)).find("\r\n"), std::string::npos);
        HWND name = Control(sheet, Probe::kName);
        SetFocus(name);
        PostMessageA(name, WM_KEYDOWN, VK_RETURN, 0x001C0001);
      }));
  EXPECT_EQ(RunProbeSheet(script), 1) << "Enter in a one-line edit presses OK";
}

TEST(PageServices, AResizedSheetRepaintsItsButtonsAndGrip) {
  HWND sheet = nullptr;
  UiScript script;
  script.Then(WaitFor("Property", sheet)).Then(Do([&] {
    UpdateWindow(sheet);  // everything painted once
    RECT bounds{};
    GetWindowRect(sheet, &bounds);
    SetWindowPos(sheet, nullptr, 0, 0, bounds.right - bounds.left + 120,
                 bounds.bottom - bounds.top + 90, SWP_NOMOVE | SWP_NOZORDER);
    HWND grip = nullptr;
    for (HWND child = GetWindow(sheet, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      char name[32] = {};
      GetClassNameA(child, name, sizeof name);
      if (lstrcmpiA(name, "ScrollBar") == 0 && (GetWindowLongA(child, GWL_STYLE) & SBS_SIZEGRIP))
        grip = child;
    }
    ASSERT_NE(grip, nullptr);
    for (HWND moved : {GetDlgItem(sheet, IDOK), GetDlgItem(sheet, IDCANCEL), grip}) {
      RECT pending{};
      EXPECT_TRUE(GetUpdateRect(moved, &pending, FALSE)) << "moved but not to be repainted";
    }
    PostClick(sheet, IDCANCEL);
  }));
  EXPECT_EQ(RunProbeSheet(script), 0);
}

}  // namespace
}  // namespace ostrevan::windows_testing
