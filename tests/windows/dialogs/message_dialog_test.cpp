// The two "message for parameters" dialogs in real windows: keys into the
// screen control, a variable dragged with the real pointer (SendInput), the
// in-place edit box, Insert refused with the real message box, OK, Escape.
#include <gtest/gtest.h>

#include <string>

#include "blocks/messaging/message_params_dialog.h"
#include "editor/editor_view.h"
#include "windows/ui_script.h"

namespace ostrevan::windows_testing {
namespace {

using Dlg = MessageParamsDialog;

constexpr int kCellWidth = 19, kCellHeight = 31;

HWND Screen(HWND dialog) { return GetDlgItem(dialog, Dlg::kScreen); }
HWND InPlaceEdit(HWND dialog) { return FindWindowExA(Screen(dialog), nullptr, "Edit", nullptr); }

// The middle of a cell, in the screen control's client pixels.
POINT Cell(int row, int column) {
  return {column * kCellWidth + kCellWidth / 2, row * kCellHeight + kCellHeight / 2};
}

// The real pointer, moved to `at` in the screen control's client pixels
// with the button events `flags`.
void SendMouse(POINT at, DWORD flags, HWND dialog) {
  ClientToScreen(Screen(dialog), &at);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
  SendInput(1, &input, sizeof input);
}

int RunMessageDialog(Dlg& dialog, SmsOutputParams& params, UiScript& script) {
  dialog.Load(params);
  dialog.Attach(editor::PlatformView());
  return script.Run([&] {
    return editor::PlatformView()->RunDialog(dialog) == editor::DialogResult::kOk ? 1 : 0;
  });
}

TEST(MessageParamsDialogWindow, TextScreenTakesKeysAMouseDragAndOk) {
  SmsOutputParams params = ParseSmsOutputText(
      "A:0,0,1,0,8,0,0,0,0,B:,C:,D:,E:,F:,G:,H:[161,10,0,5,7,1,0][0,-1,255,0,20,0,0]"
      "[0,-1,255,0,20,0,0][0,-1,255,0,20,0,0]");
  CSmsMessageParamsDialog dialog;
  UiScript script;
  script.Then({Wait(Dlg::kCaption), Focused(Dlg::kScreen),
      Keys(Dlg::kScreen, "\vHi\bo!\nT"),  // row 1 "Ho!", row 2 "T"
      Check([&](HWND window) {
        EXPECT_EQ(dialog.screen().caret_row(), 2);
        EXPECT_EQ(dialog.screen().caret_column(), 1);
        // The real pointer presses on the variable's field, which the screen
        // captures, and drops it on row 3.
        SetForegroundWindow(window);
        SendMouse(Cell(0, 8), MOUSEEVENTF_LEFTDOWN, window);
      }),
      Check([](HWND window) {
        EXPECT_EQ(GetCapture(), Screen(window));
        SendMouse(Cell(3, 4), MOUSEEVENTF_LEFTUP, window);
      }),
      Check([](HWND window) { EXPECT_NE(GetCapture(), Screen(window)); }),
      // A second variable cannot go into row 3 now.
      Grid(Dlg::kScreen, Cell(3, 0)), TypeIn(Dlg::kRegister, "VB2"),
      Click(Dlg::kInsert), Error(Dlg::kRefusal), Click(IDOK)});
  EXPECT_EQ(RunMessageDialog(dialog, params, script), 1);
  const MessageScreen& stored = params.message.screen;
  EXPECT_EQ(std::string(stored.single_rows[1].begin(), stored.single_rows[1].begin() + 4), "Ho! ");
  EXPECT_EQ(std::string(stored.single_rows[2].begin(), stored.single_rows[2].begin() + 2), "T ");
  EXPECT_EQ(stored.slots[0].kind, 0) << "the variable moved from row 0";
  EXPECT_EQ(stored.slots[3].kind, 161);
  EXPECT_EQ(stored.slots[3].column, 4);
}

TEST(MessageParamsDialogWindow, DoubleByteScreenEditsInPlaceAndEscapeKeepsAll) {
  SmsOutputParams params = ParseSmsOutputText("A:0,3,1,0,8,0,0,0,0,B:,C:,D:,E:,F:,G:,H:");
  const std::string before = SmsOutputText(params);
  CWSmsMessageParamsDialog dialog;
  UiScript script;
  script.Then({Wait(Dlg::kCaption), Grid(Dlg::kScreen, Cell(1, 2)),
               Grid(Dlg::kScreen, Cell(1, 2), true)})
      .Then([&] { return InPlaceEdit(FindDialog(Dlg::kCaption)) != nullptr; })
      .Then({Check([](HWND window) {
               EXPECT_EQ(GetFocus(), InPlaceEdit(window));
               SetWindowTextA(InPlaceEdit(window), "\xC9t\xE9");
             }),
             Keys(0, "\n")})
      .Then([&] { return InPlaceEdit(FindDialog(Dlg::kCaption)) == nullptr; })
      .Then({Check([&](HWND) {
               EXPECT_EQ(dialog.screen().cell(1, 2), 0xC9);
               EXPECT_EQ(dialog.screen().cell(1, 4), 0xE9);
             }),
             // Date/time needs the whole row: refused at column 2.
             Click(Dlg::kSourceDateTime), Click(Dlg::kInsert), Error(Dlg::kRefusal),
             Keys(Dlg::kScreen, "\x1b")});  // the dialog's key, not the screen's
  EXPECT_EQ(RunMessageDialog(dialog, params, script), 0);
  EXPECT_EQ(SmsOutputText(params), before);
}

}  // namespace
}  // namespace ostrevan::windows_testing
