#include "blocks/messaging/message_params_dialog.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "blocks/messaging/mail_page.h"
#include "blocks/messaging/message_pages.h"
#include "blocks/messaging/messaging_support.h"
#include "blocks/messaging/sms_output_page.h"
#include "support/page_table.h"

namespace ostrevan::testing {
namespace {

using editor::ScreenInput;
using editor::ScreenKey;
using Dlg = MessageParamsDialog;

constexpr char kFree[] = "[0,-1,255,0,20,0,0]";

// The acts of a row on the dialog, and what they find there.
const Dlg& Dialog(PageRun& run) { return dynamic_cast<const Dlg&>(*run.form); }
Act Input(ScreenInput input) {
  return [input](PageRun& run) { run.form->UserScreenInput(Dlg::kScreen, input); };
}
Act Key(ScreenKey key) { return Input(ScreenInput::Key(key)); }
Act Char(char c) { return Input(ScreenInput::Char(c)); }
Act CaretTo(int row, int column) {
  return All({Input(ScreenInput::Press(row, column)), Input(ScreenInput::Release(row, column))});
}
Act Insert(const char* operand, const char* count = "1") {
  return All({Type(Dlg::kRegister, operand), Type(Dlg::kCount, count), Click(Dlg::kInsert)});
}
Act CaretAt(int row, int column) {
  return [=](PageRun& run) {
    EXPECT_EQ(Dialog(run).screen().caret_row(), row);
    EXPECT_EQ(Dialog(run).screen().caret_column(), column);
  };
}
// The row's cells as characters (single-byte values), blanks behind.
Act RowIs(int row, std::string text) {
  text.resize(kScreenColumns, ' ');
  return [=](PageRun& run) {
    std::string cells;
    for (int c = 0; c < kScreenColumns; ++c)
      cells += static_cast<char>(Dialog(run).screen().cell(row, c));
    EXPECT_EQ(cells, text) << "row " << row;
  };
}
Act SlotIs(int row, std::string text) {
  return [=](PageRun& run) { EXPECT_EQ(SlotText(Dialog(run).screen().slot(row)), text) << row; };
}
// The decimals list of row `row`: enabled only for a number variable.
Act Decimals(int row, bool enabled, int item) {
  return All({Enabled(Dlg::DecimalsId(row), enabled), Selection(Dlg::DecimalsId(row), item)});
}
// What the screen control shows: row `row` as text.
Act Drawn(int row, std::string text) {
  return [=](PageRun& run) { EXPECT_EQ(run.form->At(Dlg::kScreen).screen.RowText(row), text); };
}

// SMS Output on a params message: screen `rows`, variables `groups`; format
// 3 is the double-byte one.
std::string Screen(bool double_byte, const std::string& groups = "", const std::string& rows = "") {
  return std::string("A:0,") + (double_byte ? "3" : "0") + ",1,0,8,0,0,0,0,B:,C:,D:,E:,F:,G:" +
         rows + ",H:" + groups;
}

// The sheet of `type` on a params message: "Set Message" opens the dialog
// of its format, `acts` run there, and the sheet's OK writes what it stored.
PageRow OnScreen(const char* name, std::string text, Acts acts, Acts checks = {},
                 int type = kSmsOutput) {
  return {name, type, text,
          {InDialog(acts), InChild(type == kEmail ? CPropertyMail::kMessageFrame
                                                  : CPropertySmsOut::kMessageFrame),
           Click(CPropertyMessage::kParamsMessage), Click(CPropertyMessage::kSetMessage), Ok()},
          kAnyText, 1, checks};
}

// From the caret at (row, column) the input leaves the caret at (to_row,
// to_column) and, in the single-byte editor, row 0 as `row0`.
PageRow Keys(bool double_byte, int row, int column, Acts input, int to_row, int to_column,
               const char* row0 = "") {
  Acts acts = {CaretTo(row, column)};
  acts.insert(acts.end(), input.begin(), input.end());
  acts.push_back(CaretAt(to_row, to_column));
  if (!double_byte) acts.push_back(RowIs(0, row0));
  return OnScreen("keys", Screen(double_byte), acts);
}

TEST(MessageParamsDialog, KeysMoveTheCaretAndEditTheCells) {
  const ScreenKey kRight = ScreenKey::kRight, kLeft = ScreenKey::kLeft, kUp = ScreenKey::kUp,
                  kDown = ScreenKey::kDown, kEnter = ScreenKey::kEnter,
                  kBack = ScreenKey::kBackspace;
  RunRows({
      Keys(false, 0, 19, {Key(kRight), Key(kUp)}, 0, 19), Keys(false, 1, 3, {Key(kRight)}, 1, 4),
      Keys(false, 3, 0, {Key(kLeft), Key(kDown)}, 3, 0),
      Keys(true, 1, 0, {Key(kDown), Key(kDown)}, 2, 0), Keys(false, 1, 7, {Key(kEnter)}, 2, 0),
      Keys(false, 3, 7, {Key(kEnter)}, 3, 7), Keys(true, 2, 7, {Key(kEnter)}, 2, 7),
      Keys(false, 0, 18, {Char('H'), Char('i'), Char('!')}, 0, 19, "                  H!"),
      Keys(false, 0, 0, {Char('a'), Char('b'), Key(kBack)}, 0, 1, "a"),
      // Backspace at the very first cell blanks it and stays there.
      Keys(false, 0, 0, {Char('a'), Key(kLeft), Key(kBack)}, 0, 0),
      Keys(false, 0, 19, {Char('z'), Key(kDown), Key(kEnter), Key(kUp), Key(kBack)}, 0, 19),
      Keys(false, 0, 3, {Char('x'), Key(kLeft), Key(ScreenKey::kDelete)}, 0, 3),
      Keys(false, 0, 3, {Char('\t'), Char('\x7f'), Char(' ')}, 0, 4),
      // The double-byte editor stores spaces only; other characters do nothing.
      Keys(true, 1, 3, {Char('x'), Char(' ')}, 1, 4),
  });
}

// A variable inserted at `column` of row 2 takes `slot` there, or (null) is
// refused. No operand: the current date/time.
PageRow Inserted(const char* operand, const char* count, int column, const char* slot) {
  Acts acts = {CaretTo(2, column)};
  if (!operand) acts.push_back(Click(Dlg::kSourceDateTime));
  std::vector<editor::MessageBox> said;
  if (!slot) said.push_back(editor::ErrorMessage(Dlg::kRefusal));
  acts.insert(acts.end(), {Insert(operand ? operand : "", count), Said(said),
                           SlotIs(2, slot ? slot : kFree)});
  return OnScreen(operand ? operand : "date/time", Screen(false), acts);
}

TEST(MessageParamsDialog, InsertPlacesAVariableWhereItsFieldFits) {
  RunRows({
      Inserted(nullptr, "1", 1, nullptr),  // date/time: the whole row
      Inserted(nullptr, "1", 0, "[3,-1,0,0,20,0,0]"),
      Inserted("VW10", "1", 13, "[161,10,0,13,7,0,0]"),  // a word needs 7 cells
      Inserted("vw10", "1", 14, nullptr),
      Inserted("V0.0", "20", 0, "[159,0,0,0,20,0,0]"),  // bits: the count
      Inserted("V0.0", "20", 1, nullptr), Inserted("M2.1", "0", 0, nullptr),
      Inserted("M2.1", "21", 0, nullptr), Inserted("VB3", "9", 15, "[160,3,0,15,5,0,0]"),
      Inserted("AQD4", "1", 8, "[191,4,0,8,12,0,0]"), Inserted("AQD4", "1", 9, nullptr),
      Inserted("X5", "1", 0, nullptr), Inserted("", "1", 0, nullptr),  // no area: refused
  });
}

TEST(MessageParamsDialog, Table) {
  const char* const kRefused = "Cannot insert selected object at the current position!";
  FixedClock clock({2026, 3, 4, 5, 6, 7, 0});
  // Only a bit area takes a count of more than one.
  Acts count_box = {Text(Dlg::kCount, "1"), Checked(Dlg::kSourceRegister, true)};
  for (auto [text, enabled] : {std::pair{"M0.1", true}, {"VW10", false}, {"sm3", true},
                               {"Q", true}, {"VB", false}, {"", false}}) {
    count_box.insert(count_box.end(), {Type(Dlg::kRegister, text), Enabled(Dlg::kCount, enabled),
                                       Label(Dlg::kCountMax, enabled ? "Max: 20" : "Max: 1")});
  }
  RunRows({
      OnScreen("the register text drives the count box", Screen(false), count_box),
      OnScreen("insert into a row with a variable changes nothing",
               Screen(false, std::string(kFree) + "[161,10,0,12,7,2,9]"),
               {CaretTo(1, 0), Insert("VB1"), Said({editor::ErrorMessage(kRefused)}),
                SlotIs(1, "[161,10,0,12,7,2,9]")}),
      OnScreen("typing into a variable field only moves the caret",
               Screen(false, std::string(kFree) + "[161,10,0,5,7,0,0]",
                      TextScreen({"", "0123456789ABCDEFGHIJ"})),
               {CaretTo(1, 4), Char('x'), Char('y'), Char('z'), RowIs(1, "0123x56789ABCDEFGHIJ"),
                CaretAt(1, 7)}),
      OnScreen("decimals follow the rows' operands",
       Screen(false, "[161,10,0,0,7,2,0][159,3,0,0,1,1,0][3,-1,0,0,20,0,0][0,-1,255,0,20,7,0]"),
       {Decimals(0, true, 2), Decimals(1, false, 1), Decimals(2, false, 0),
        Decimals(3, false, -1), Choose(Dlg::DecimalsId(0), 3), SlotIs(0, "[161,10,0,0,7,3,0]"),
        // a variable moved to row 3 takes its decimals along; row 0 loses them
        Input(ScreenInput::Press(0, 2)), Input(ScreenInput::Release(3, 0)),
        Decimals(3, true, 3), Enabled(Dlg::DecimalsId(0), false),
        [](PageRun& run) { EXPECT_EQ(Dialog(run).screen().slot(0).decimals, 0); }}),
      // in a field the whole field; outside one cell, and the row's extra value goes
      OnScreen("delete clears a field or one cell",
       Screen(false, "[161,10,0,5,7,2,9][167,8,0,0,3,0,4]", "ABCDEFGHIJKLMNOPQRST"),
       {CaretTo(0, 8), Click(Dlg::kDelete), RowIs(0, "ABCDE       MNOPQRST"),
        [](PageRun& run) {
          VariableSlot cleared = Dialog(run).screen().slot(0);
          cleared.decimals = 0;  // not looked at in a free slot
          EXPECT_EQ(SlotText(cleared), kFree);
        },
        Enabled(Dlg::DecimalsId(0), false), CaretTo(0, 1), Click(Dlg::kDelete), CaretTo(1, 3),
        Click(Dlg::kDelete), RowIs(0, "A CDE       MNOPQRST"), SlotIs(1, "[167,8,0,0,3,0,0]")}),
      // text, operands and the clock as shown; 0x80 is not drawn
      OnScreen("the screen shows text, operands, the clock and the caret",
       Screen(false, "[167,13,0,2,4,0,0][3,-1,0,0,20,0,0][0,-1,255,0,20,0,0][186,4,0,1,7,0,0]",
              "Hi,,,,\x01\x80~"),
       {Drawn(0, "HiM1.5\x01 ~           "), Drawn(1, "2026/03/04 05:06:07 "),
        Drawn(3, " AIW4               "),
        CaretTo(0, 3),
        [](PageRun& run) {
          const editor::ScreenSurface& shown = run.form->At(Dlg::kScreen).screen;
          EXPECT_TRUE(shown.InField(3, 7));
          EXPECT_FALSE(shown.InField(3, 8));
          EXPECT_EQ(std::pair(shown.caret_row, shown.caret_column), std::pair(0, 3));
        }}),
      OnScreen("the single-byte editor opens no edit box", Screen(false),
               {Input(ScreenInput::DoubleClick()),
                [](PageRun& run) { EXPECT_FALSE(run.form->At(Dlg::kScreen).screen.edit); }}),
      // length 22 + 5 + 7 + 1, no date/time, VW10 in slot 1 with two decimals
      OnScreen("OK stores a record the SMS Output block codes", Screen(false),
               {Char('A'), Char('B'), CaretTo(1, 5), Insert("VW10"),
                Choose(Dlg::DecimalsId(1), 2), Ok()},
               {RecordSize(310),
                Record(140, "23 00 00 FF A1 FF FF FF FF 80 0A FF FF FF FF 41 42 20"),
                Record(295, "00 14 05 07 00 14 00 14"), Record(306, "00 A1 00 00")}),
      // mail part at 21: length 66 + 1 + 4 + 1, Q0.3 in slot 3 as area 0xB4, bit 3;
      // a mail always goes out in TEXT format, whatever its text says
      OnScreen("OK stores a record the EMAIL block codes",
               "A:0,3,3,1,0,8,0,B:,C:,D:,E:,F:,G:[0,-1,255,0,20,0,0],H:,,,,,,,",
               {CaretTo(3, 0), Char('T'), Insert("Q0.3", "4"), Ok()},
               {Record(25, "48 00 00 FF FF FF B4 FF FF FF FF FF FF 00 03"),
                Record(40 + 66, "54 20 20"), Record(40 + 140, "00 14 00 14 00 14 01 04")},
               kEmail),
  });
}

// A variable pressed on its field (row 1, columns 5 to 11) and dropped on a
// free row moves there; its new cells are blanked.
constexpr char kHeld[] = "[161,10,0,5,7,2,9]";
constexpr char kLeft[] = "[0,-1,0,0,0,0,0]";  // the slot a variable moved out of
PageRow Drag(int press_column, int drop_row, int drop_column, const char* row1, const char* row3,
             const char* cells3 = "XXXXXXXXXXXXXXXXXXXX") {
  const bool drags = press_column == 6;
  return OnScreen(
      "drag",
      Screen(false, std::string(kFree) + kHeld + "[3,-1,0,0,20,0,1]", std::string(80, 'X')),
      {Input(ScreenInput::Press(1, press_column)),
       [drags](PageRun& run) { EXPECT_EQ(run.form->At(Dlg::kScreen).screen.dragging, drags); },
       Input(ScreenInput::Release(drop_row, drop_column)), CaretAt(1, press_column),
       SlotIs(1, row1), SlotIs(3, row3), RowIs(3, cells3),
       [](PageRun& run) { EXPECT_EQ(Dialog(run).screen().slot(2).kind, kDateTimeVariable); }});
}

TEST(MessageParamsDialog, DraggingMovesAVariableToAFreeRow) {
  RunRows({
      Drag(6, 3, 2, kLeft, "[161,10,0,2,7,2,9]", "XX       XXXXXXXXXXX"),
      Drag(6, 1, 0, kHeld, kFree),  // its own row holds it
      // the field stays inside the row
      Drag(6, 3, 18, kLeft, "[161,10,0,13,7,2,9]", "XXXXXXXXXXXXX       "),
      Drag(6, 2, 0, kHeld, kFree),  // row 2 holds one: nothing moves
      Drag(4, 3, 2, kHeld, kFree),  // pressed beside the field: no drag
  });
}

// The double-byte editor edits a stretch of a row in an edit box; what does
// not fit is dropped, an empty text blanks the stretch, a cancel changes
// nothing. The dialog's Cancel stores nothing; its OK stores the screen
// (length: the date/time field of row 2 ends at 88 + 40 bytes; slot 2 flags 0x02).
TEST(MessageParamsDialog, DoubleByteTextIsEditedInPlaceAndStoredOnOk) {
  const Acts edit = {Input(ScreenInput::Press(1, 0)), Input(ScreenInput::DoubleClick()),
                     Input(ScreenInput::EditDone("H\xe9")), Click(Dlg::kSourceDateTime),
                     CaretTo(0, 1), Click(Dlg::kInsert),  // not at column 0
                     CaretTo(2, 0), Click(Dlg::kInsert),
                     Said({editor::ErrorMessage(Dlg::kRefusal)})};
  Acts ok = edit, cancel = edit;
  ok.push_back(Ok());
  cancel.push_back(Cancel());
  RunRows({OnScreen("in place", Screen(true, "", "A,B,C,D,E,F,G,H,I,J,K,L,M,N,O,P,Q,R,S,T,"),
                    {CaretTo(0, 15), Input(ScreenInput::DoubleClick()),
                     [](PageRun& run) {
                       const auto& box = run.form->At(Dlg::kScreen).screen.edit;
                       ASSERT_TRUE(box);
                       EXPECT_EQ(std::tuple(box->row, box->column, box->text),
                                 std::tuple(0, 15, std::string("PQRST")));
                     },
                     Input(ScreenInput::EditDone("\xe9\x80xyz+")),
                     [](PageRun& run) { EXPECT_FALSE(run.form->At(Dlg::kScreen).screen.edit); },
                     Drawn(0, "ABCDEFGHIJKLMNO\xe9\x80xyz"), CaretTo(0, 5),
                     Input(ScreenInput::DoubleClick()), Input(ScreenInput::EditCancelled()),
                     Drawn(0, "ABCDEFGHIJKLMNO\xe9\x80xyz"), Input(ScreenInput::DoubleClick()),
                     Input(ScreenInput::EditDone("")), Drawn(0, "ABCDE               ")}),
           OnScreen("cancel", Screen(true), cancel, {[](PageRun& run) {
                      EXPECT_EQ(run.outcome.text, SmsOutputText(ParseSmsOutputText(Screen(true))));
                    }}),
           OnScreen("ok", Screen(true), ok,
                    {RecordSize(310), Record(140, "80 00 02 FF FF 01 FF"),
                     Record(199, "00 48 00 E9 00 20"),
                     Record(295, "00 28 00 28 00 28 00 28")})});
}

// Whatever a broken screen holds, it opens, takes every kind of input and codes.
TEST(MessageParamsDialog, BrokenScreensOpenDrawAndStoreInsideTheStructure) {
  const std::string rows = std::string("\xff\x81\x01") + std::string(100, '\xe9');
  const std::string groups =
      "[50,99999,7,250,250,200,1][161,-5,0,19,255,9,0][255,1,0,0,0,0,0][3,0,0,30,0,0,0][1,2,3]";
  for (bool double_byte : {false, true}) {
    Acts acts;
    for (int r = 0, last = double_byte ? 2 : 3; r <= last; ++r) {
      acts.insert(acts.end(),
                  {Input(ScreenInput::Press(r, 19)), Input(ScreenInput::Release(last - r, 0)),
                   Key(ScreenKey::kBackspace), Key(ScreenKey::kDelete), Key(ScreenKey::kEnter),
                   Char('q'), Char(' '), Click(Dlg::kDelete), Input(ScreenInput::DoubleClick()),
                   Input(ScreenInput::EditDone(std::string(30, '\xe9')))});
    }
    acts.insert(acts.end(), {Input(ScreenInput::Press(99, -4)), Ok()});
    RunRows({OnScreen("broken", Screen(double_byte, groups, rows), acts, {RecordSize(310)})});
  }
}

}  // namespace
}  // namespace ostrevan::testing
