#include "blocks/messaging/message_params_dialog.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "blocks/messaging/messaging_support.h"
#include "core/operand.h"
#include "ostrevan/plugin.h"
#include "support/fake_view.h"

namespace ostrevan::testing {
namespace {

using editor::ScreenInput;
using editor::ScreenKey;
using Dlg = MessageParamsDialog;

constexpr char kFree[] = "[0,-1,255,0,20,0,0]";

std::string SmsText(const std::string& format, const std::string& screen,
                    const std::string& groups) {
  return "A:0," + format + ",1,0,8,0,0,0,0,B:,C:,D:,E:,F:,G:" + screen + ",H:" + groups;
}

// One dialog on SMS Output parameters, opened as the view would open it.
struct Editing {
  explicit Editing(bool double_byte, const std::string& groups = "", const std::string& rows = "")
      : params(ParseSmsOutputText(SmsText(double_byte ? "3" : "0", rows, groups))) {
    if (double_byte) {
      dialog = std::make_unique<CWSmsMessageParamsDialog>();
    } else {
      dialog = std::make_unique<CSmsMessageParamsDialog>();
    }
    dialog->Attach(&view);
    dialog->Load(params);
    dialog->Open();
  }
  const ScreenEditor& screen() const { return dialog->screen(); }
  void Input(const ScreenInput& input) { dialog->UserScreenInput(Dlg::kScreen, input); }
  void Keys(std::initializer_list<ScreenKey> keys) {
    for (ScreenKey key : keys) Input(ScreenInput::Key(key));
  }
  void Type(const std::string& text) {
    for (char c : text) Input(ScreenInput::Char(c));
  }
  void Caret(int row, int column) {
    Input(ScreenInput::Press(row, column));
    Input(ScreenInput::Release(row, column));
  }
  void InsertRegister(const std::string& operand, const std::string& count = "1") {
    dialog->UserTypes(Dlg::kRegister, operand);
    dialog->UserTypes(Dlg::kCount, count);
    dialog->UserClicks(Dlg::kInsert);
  }
  // The row's cells as characters (single-byte values).
  std::string Row(int row) const {
    std::string text;
    for (int c = 0; c < kScreenColumns; ++c) text += static_cast<char>(screen().cell(row, c));
    return text;
  }
  std::string Caret() const {
    return std::to_string(screen().caret_row()) + "," + std::to_string(screen().caret_column());
  }

  FakeView view;
  SmsOutputParams params;
  std::unique_ptr<Dlg> dialog;
};

std::string Padded(std::string row) {
  row.resize(kScreenColumns, ' ');
  return row;
}

TEST(MessageParamsDialog, KeysMoveTheCaretAndEditTheCells) {
  struct Case {
    bool double_byte;
    int row, column;
    std::vector<ScreenInput> input;
    const char* caret;
    const char* row0;
  };
  const auto K = ScreenInput::Key;
  const auto C = ScreenInput::Char;
  const Case cases[] = {
      {false, 0, 19, {K(ScreenKey::kRight), K(ScreenKey::kUp)}, "0,19", ""},
      {false, 1, 3, {K(ScreenKey::kRight)}, "1,4", ""},
      {false, 3, 0, {K(ScreenKey::kLeft), K(ScreenKey::kDown)}, "3,0", ""},
      {true, 1, 0, {K(ScreenKey::kDown), K(ScreenKey::kDown)}, "2,0", ""},
      {false, 1, 7, {K(ScreenKey::kEnter)}, "2,0", ""},
      {false, 3, 7, {K(ScreenKey::kEnter)}, "3,7", ""},
      {true, 2, 7, {K(ScreenKey::kEnter)}, "2,7", ""},
      {false, 0, 18, {C('H'), C('i'), C('!')}, "0,19", "                  H!"},
      {false, 0, 0, {C('a'), C('b'), K(ScreenKey::kBackspace)}, "0,1", "a"},
      // Backspace at the very first cell blanks it and stays there.
      {false, 0, 0, {C('a'), K(ScreenKey::kLeft), K(ScreenKey::kBackspace)}, "0,0", ""},
      {false,
       0,
       19,
       {C('z'), K(ScreenKey::kDown), K(ScreenKey::kEnter), K(ScreenKey::kUp),
        K(ScreenKey::kBackspace)},
       "0,19",
       ""},
      {false, 0, 3, {C('x'), K(ScreenKey::kLeft), K(ScreenKey::kDelete)}, "0,3", ""},
      {false, 0, 3, {C('\t'), C('\x7f'), C(' ')}, "0,4", ""},
      // The double-byte editor stores spaces only; other characters do nothing.
      {true, 1, 3, {C('x'), C(' ')}, "1,4", ""},
  };
  for (const Case& c : cases) {
    Editing editing(c.double_byte);
    editing.Caret(c.row, c.column);
    for (const ScreenInput& input : c.input) editing.Input(input);
    SCOPED_TRACE(std::to_string(c.row) + "," + std::to_string(c.column));
    EXPECT_EQ(editing.Caret(), c.caret);
    if (!c.double_byte) {
      EXPECT_EQ(editing.Row(0), Padded(c.row0));
    }
  }
}

TEST(MessageParamsDialog, InsertPlacesAVariableWhereItsFieldFits) {
  struct Case {
    const char* register_text;  // nullptr: current date/time
    const char* count;
    int column;
    int width;  // 0: refused
  };
  const Case cases[] = {
      {nullptr, "1", 1, 0},  {nullptr, "1", 0, 20},  // date/time takes the whole row
      {"VW10", "1", 13, 7},  {"vw10", "1", 14, 0},   // a word needs 7 cells
      {"V0.0", "20", 0, 20}, {"V0.0", "20", 1, 0},   // bits: the count
      {"M2.1", "0", 0, 0},   {"M2.1", "21", 0, 0},  {"VB3", "9", 15, 5}, {"AQD4", "1", 8, 12},
      {"AQD4", "1", 9, 0},   {"X5", "1", 0, 0},     {"", "1", 0, 0},  // no area: width 0
  };
  for (const Case& c : cases) {
    Editing editing(false);
    editing.Caret(2, c.column);
    if (!c.register_text) editing.dialog->UserClicks(Dlg::kSourceDateTime);
    editing.InsertRegister(c.register_text ? c.register_text : "", c.count);
    const VariableSlot& slot = editing.screen().slot(2);
    SCOPED_TRACE(std::string(c.register_text ? c.register_text : "date/time") + " at " +
                 std::to_string(c.column));
    if (c.width == 0) {
      EXPECT_EQ(editing.view.messages,
                std::vector<editor::MessageBox>{editor::ErrorMessage(Dlg::kRefusal)});
      EXPECT_EQ(SlotText(slot), kFree);
      continue;
    }
    EXPECT_TRUE(editing.view.messages.empty());
    EXPECT_EQ(slot.column, c.column);
    EXPECT_EQ(slot.width, c.width);
    EXPECT_EQ(slot.free_marker, 0);
    Operand operand = ParseOperand(c.register_text ? c.register_text : "");
    EXPECT_EQ(slot.kind, c.register_text ? operand.area : kDateTimeVariable);
    if (c.register_text) {
      EXPECT_EQ(slot.index, operand.index);
    }
  }
}

TEST(MessageParamsDialog, InsertIntoARowWithAVariableChangesNothing) {
  Editing editing(false, std::string(kFree) + "[161,10,0,12,7,2,9]");
  editing.Caret(1, 0);
  editing.InsertRegister("VB1");
  EXPECT_EQ(editing.view.messages, std::vector<editor::MessageBox>{editor::ErrorMessage(
                                       "Cannot insert selected object at the current position!")});
  EXPECT_EQ(SlotText(editing.screen().slot(1)), "[161,10,0,12,7,2,9]");
}

TEST(MessageParamsDialog, TypingIntoAVariableFieldOnlyMovesTheCaret) {
  Editing editing(false, std::string(kFree) + "[161,10,0,5,7,0,0]",
                  TextScreen({"", "0123456789ABCDEFGHIJ"}));
  editing.Caret(1, 4);
  editing.Type("xyz");
  EXPECT_EQ(editing.Row(1), "0123x56789ABCDEFGHIJ");
  EXPECT_EQ(editing.Caret(), "1,7");
}

TEST(MessageParamsDialog, RegisterTextDrivesTheCountBox) {
  AreaSize areas[OSTREVAN_AREA_COUNT] = {};
  std::strcpy(areas[0].name, "V");
  areas[0].size = 2048;
  Variable_Init("OSV-2410", areas);
  Editing editing(false);
  const editor::Control& hint = editing.dialog->At(Dlg::kRegister);
  EXPECT_EQ(
      hint.tooltip.rfind(">>>>>>>>>>>>>>>>>>BIT<<<<<<<<<<<<<<<<<<< <br> <br>V0.0 ~ V2047.7", 0),
      0u);
  EXPECT_NE(hint.tooltip.find("WORD<<<<<<<<<<<<<<<<<< <br>VW0 ~ VW2046"), std::string::npos);
  EXPECT_EQ(hint.tooltip_ms, 30000);
  EXPECT_EQ(editing.dialog->At(Dlg::kCount).text, "1");
  EXPECT_TRUE(editing.dialog->At(Dlg::kSourceRegister).checked);
  struct Case {
    const char* text;
    bool count_enabled;
    const char* label;
  };
  const Case cases[] = {{"M0.1", true, "Max: 20"}, {"VW10", false, "Max: 1"},
                        {"sm3", true, "Max: 20"},  {"Q", true, "Max: 20"},
                        {"VB", false, "Max: 1"},   {"", false, "Max: 1"}};
  for (const Case& c : cases) {
    editing.dialog->UserTypes(Dlg::kRegister, c.text);
    EXPECT_EQ(editing.dialog->At(Dlg::kCount).enabled, c.count_enabled) << c.text;
    EXPECT_EQ(editing.dialog->At(Dlg::kCountMax).label, c.label) << c.text;
  }
}

TEST(MessageParamsDialog, DecimalsFollowTheRowsOperands) {
  Editing editing(false, "[161,10,0,0,7,2,0][159,3,0,0,1,1,0][3,-1,0,0,20,0,0][0,-1,255,0,20,7,0]");
  const bool enabled[] = {true, false, false, false};
  const int selection[] = {2, 1, 0, -1};
  for (int r = 0; r < 4; ++r) {
    EXPECT_EQ(editing.dialog->At(Dlg::DecimalsId(r)).enabled, enabled[r]) << r;
    EXPECT_EQ(editing.dialog->At(Dlg::DecimalsId(r)).selection, selection[r]) << r;
  }
  editing.dialog->UserSelects(Dlg::DecimalsId(0), 3);
  EXPECT_EQ(editing.screen().slot(0).decimals, 3);
  // A variable moved to row 3 takes its decimals along; row 0 loses them.
  editing.Input(ScreenInput::Press(0, 2));
  editing.Input(ScreenInput::Release(3, 0));
  EXPECT_TRUE(editing.dialog->At(Dlg::DecimalsId(3)).enabled);
  EXPECT_EQ(editing.dialog->At(Dlg::DecimalsId(3)).selection, 3);
  EXPECT_FALSE(editing.dialog->At(Dlg::DecimalsId(0)).enabled);
  EXPECT_EQ(editing.screen().slot(0).decimals, 0);
}

TEST(MessageParamsDialog, DeleteButtonClearsAFieldOrOneCell) {
  Editing editing(false, "[161,10,0,5,7,2,9][167,8,0,0,3,0,4]", "ABCDEFGHIJKLMNOPQRST");
  editing.Caret(0, 8);
  editing.dialog->UserClicks(Dlg::kDelete);
  EXPECT_EQ(editing.Row(0), "ABCDE       MNOPQRST");
  VariableSlot cleared = editing.screen().slot(0);
  cleared.decimals = 0;  // not looked at in a free slot
  EXPECT_EQ(SlotText(cleared), kFree);
  EXPECT_FALSE(editing.dialog->At(Dlg::DecimalsId(0)).enabled);
  // Outside the field: one cell, and the row's extra value goes.
  editing.Caret(0, 1);
  editing.dialog->UserClicks(Dlg::kDelete);
  editing.Caret(1, 3);
  editing.dialog->UserClicks(Dlg::kDelete);
  EXPECT_EQ(editing.Row(0), "A CDE       MNOPQRST");
  EXPECT_EQ(SlotText(editing.screen().slot(1)), "[167,8,0,0,3,0,0]");
}

TEST(MessageParamsDialog, DraggingMovesAVariableToAFreeRow) {
  constexpr char kHeld[] = "[161,10,0,5,7,2,9]";
  constexpr char kLeft[] = "[0,-1,0,0,0,0,0]";  // the slot a variable moved out of
  struct Case {
    int press_column, drop_row, drop_column;
    const char* row1;
    const char* row3;
  };
  const Case cases[] = {
      {6, 3, 2, kLeft, "[161,10,0,2,7,2,9]"},   // moved
      {6, 1, 0, kHeld, kFree},                   // its own row holds it
      {6, 3, 18, kLeft, "[161,10,0,13,7,2,9]"},  // the field stays inside the row
      {6, 2, 0, kHeld, kFree},                   // row 2 holds one: nothing moves
      {4, 3, 2, kHeld, kFree},                   // pressed beside the field: no drag
  };
  for (const Case& c : cases) {
    Editing editing(false, std::string(kFree) + kHeld + "[3,-1,0,0,20,0,1]", std::string(80, 'X'));
    editing.Input(ScreenInput::Press(1, c.press_column));
    EXPECT_EQ(editing.dialog->At(Dlg::kScreen).screen.dragging, c.press_column == 6);
    editing.Input(ScreenInput::Release(c.drop_row, c.drop_column));
    SCOPED_TRACE(std::to_string(c.drop_row) + "," + std::to_string(c.drop_column));
    EXPECT_EQ(editing.Caret(), "1," + std::to_string(c.press_column));
    EXPECT_EQ(SlotText(editing.screen().slot(1)), c.row1);
    EXPECT_EQ(SlotText(editing.screen().slot(3)), c.row3);
    EXPECT_EQ(editing.screen().slot(2).kind, kDateTimeVariable);
    if (std::string(c.row3) != kFree) {
      const int column = editing.screen().slot(3).column;
      EXPECT_EQ(editing.Row(3).substr(column, 7), "       ");
    }
  }
}

TEST(MessageParamsDialog, TheScreenShowsTextOperandsTheClockAndTheCaret) {
  FixedClock clock({2026, 3, 4, 5, 6, 7, 0});
  Editing editing(false, "[167,13,0,2,4,0,0][3,-1,0,0,20,0,0][0,-1,255,0,20,0,0][186,4,0,1,7,0,0]",
                  "Hi,,,,\x01\x80~");
  const editor::ScreenSurface& shown = editing.dialog->At(Dlg::kScreen).screen;
  EXPECT_EQ(shown.rows, 4);
  EXPECT_EQ(shown.RowText(0), "HiM1.5\x01 ~           ");  // 0x80 is not drawn
  EXPECT_EQ(shown.RowText(1), "2026/03/04 05:06:07 ");
  EXPECT_EQ(shown.RowText(3), " AIW4               ");
  EXPECT_TRUE(shown.InField(3, 7));
  EXPECT_FALSE(shown.InField(3, 8));
  editing.Caret(0, 2);
  editing.Caret(0, 3);
  EXPECT_EQ(shown.Cell(0, 2), "M");
  EXPECT_EQ(shown.caret_row, 0);
  EXPECT_EQ(shown.caret_column, 3);
}

TEST(MessageParamsDialog, DoubleByteTextIsEditedInPlace) {
  Editing editing(true, "", "A,B,C,D,E,F,G,H,I,J,K,L,M,N,O,P,Q,R,S,T,");
  editing.Caret(0, 15);
  editing.Input(ScreenInput::DoubleClick());
  const editor::ScreenSurface& shown = editing.dialog->At(Dlg::kScreen).screen;
  ASSERT_TRUE(shown.edit);
  EXPECT_EQ(shown.edit->row, 0);
  EXPECT_EQ(shown.edit->column, 15);
  EXPECT_EQ(shown.edit->text, "PQRST");
  editing.Input(ScreenInput::EditDone("\xe9\x80xyz+"));  // the last one does not fit
  EXPECT_FALSE(shown.edit);
  EXPECT_EQ(editing.screen().cell(0, 15), 0xE9);
  EXPECT_EQ(editing.screen().cell(0, 16), 0x80);
  EXPECT_EQ(editing.screen().cell(0, 19), 'z');
  EXPECT_EQ(shown.RowText(0), "ABCDEFGHIJKLMNO\xe9\x80xyz");
  // An empty text blanks the stretch; a cancelled edit changes nothing.
  editing.Caret(0, 5);
  editing.Input(ScreenInput::DoubleClick());
  editing.Input(ScreenInput::EditCancelled());
  EXPECT_EQ(editing.screen().cell(0, 5), 'F');
  editing.Input(ScreenInput::DoubleClick());
  editing.Input(ScreenInput::EditDone(""));
  EXPECT_EQ(shown.RowText(0), "ABCDE               ");
  // The single-byte editor opens no edit box.
  Editing single(false);
  single.Input(ScreenInput::DoubleClick());
  EXPECT_FALSE(single.dialog->At(Dlg::kScreen).screen.edit);
}

TEST(MessageParamsDialog, OkStoresARecordTheSmsOutputBlockCodes) {
  Editing editing(false, "", "");
  editing.Type("AB");
  editing.Caret(1, 5);
  editing.InsertRegister("VW10");
  editing.dialog->UserSelects(Dlg::DecimalsId(1), 2);
  editing.dialog->UserClicks(editor::kIdOk);
  ASSERT_EQ(editing.dialog->end_result(), editor::DialogResult::kOk);
  const std::vector<uint8_t> record = CodeAlone(kSmsOutput, SmsOutputText(editing.params));
  ASSERT_EQ(record.size(), 310u);
  // length 22 + 5 + 7 + 1, no date/time, VW10 in slot 1 with two decimals
  EXPECT_EQ(HexAt(record, 140, 18), "23 00 00 FF A1 FF FF FF FF 80 0A FF FF FF FF 41 42 20");
  EXPECT_EQ(HexAt(record, 295, 8), "00 14 05 07 00 14 00 14");
  EXPECT_EQ(HexAt(record, 306, 4), "00 A1 00 00");
}

TEST(MessageParamsDialog, OkStoresADoubleByteScreenAndCancelStoresNothing) {
  FakeView view;
  SmsOutputParams params = ParseSmsOutputText(SmsText("3", "", ""));
  const std::string before = SmsOutputText(params);
  for (bool ok : {false, true}) {
    CWSmsMessageParamsDialog dialog;
    dialog.Attach(&view);
    dialog.Load(params);
    dialog.Open();
    dialog.UserScreenInput(Dlg::kScreen, ScreenInput::Press(1, 0));
    dialog.UserScreenInput(Dlg::kScreen, ScreenInput::DoubleClick());
    dialog.UserScreenInput(Dlg::kScreen, ScreenInput::EditDone("H\xe9"));
    dialog.UserClicks(Dlg::kSourceDateTime);
    dialog.UserScreenInput(Dlg::kScreen, ScreenInput::Press(0, 1));
    dialog.UserClicks(Dlg::kInsert);  // not at column 0
    dialog.UserScreenInput(Dlg::kScreen, ScreenInput::Press(2, 0));
    dialog.UserClicks(Dlg::kInsert);
    dialog.UserClicks(ok ? editor::kIdOk : editor::kIdCancel);
    if (!ok) {
      EXPECT_EQ(SmsOutputText(params), before);
    }
  }
  EXPECT_EQ(view.messages.size(), 2u);
  const std::vector<uint8_t> record = CodeAlone(kSmsOutput, SmsOutputText(params));
  ASSERT_EQ(record.size(), 310u);
  // length: the date/time field of row 2 ends at 88 + 40 bytes; slot 2 flags 0x02
  EXPECT_EQ(HexAt(record, 140, 7), "80 00 02 FF FF 01 FF");
  EXPECT_EQ(HexAt(record, 199, 6), "00 48 00 E9 00 20");
  EXPECT_EQ(HexAt(record, 295, 8), "00 28 00 28 00 28 00 28");
}

TEST(MessageParamsDialog, OkStoresARecordTheEmailBlockCodes) {
  MailParams params =
      ParseMailText("A:0,0,0,1,0,8,0,B:,C:,D:,E:,F:,G:[0,-1,255,0,20,0,0],H:,,,,,,,");
  FakeView view;
  CSmsMessageParamsDialog dialog;
  dialog.Attach(&view);
  dialog.Load(params);
  dialog.Open();
  dialog.UserScreenInput(Dlg::kScreen, ScreenInput::Press(3, 0));
  dialog.UserScreenInput(Dlg::kScreen, ScreenInput::Char('T'));
  dialog.UserTypes(Dlg::kRegister, "Q0.3");
  dialog.UserTypes(Dlg::kCount, "4");
  dialog.UserClicks(Dlg::kInsert);
  dialog.UserClicks(editor::kIdOk);
  const std::vector<uint8_t> record = CodeAlone(kEmail, MailText(params));
  // mail part at 21: length 66 + 1 + 4 + 1, Q0.3 in slot 3 as area 0xB4, bit 3
  EXPECT_EQ(HexAt(record, 25, 15), "48 00 00 FF FF FF B4 FF FF FF FF FF FF 00 03");
  EXPECT_EQ(HexAt(record, 40 + 66, 3), "54 20 20");
  EXPECT_EQ(HexAt(record, 40 + 140, 8), "00 14 00 14 00 14 01 04");
}

TEST(MessageParamsDialog, SetMessageOpensTheDialogOfTheFormat) {
  struct Case {
    const char* format;
    bool ok;
  };
  for (const Case c : {Case{"0", true}, Case{"3", true}, Case{"3", false}}) {
    SmsOutputParams sms = ParseSmsOutputText(SmsText(c.format, "", ""));
    MailParams mail =
        ParseMailText(std::string("A:0,") + c.format + ",0,1,0,8,0,B:,C:,D:,E:,F:,G:");
    FakeView view;
    for (int run = 0; run < 2; ++run) {
      view.dialog_scripts.push_back([&c](editor::DialogModel& d) {
        auto& dialog = dynamic_cast<Dlg&>(d);
        EXPECT_EQ(dialog.screen().rows(), c.format[0] == '3' ? 3 : 4);
        EXPECT_EQ(dialog.Find(Dlg::DecimalsId(3)) != nullptr, c.format[0] != '3');
        dialog.UserScreenInput(Dlg::kScreen, ScreenInput::Char(' '));
        dialog.UserClicks(c.ok ? editor::kIdOk : editor::kIdCancel);
      });
    }
    EXPECT_EQ(EditMessageScreen(sms, view), c.ok);
    EXPECT_EQ(EditMessageScreen(mail, view), c.ok);
    EXPECT_EQ(view.dialog_captions, std::vector<std::string>(2, "message for parameters"));
    // A typed space turns the fresh (0x20, 0x20) cell into (0, 0x20) on OK only.
    const bool stored = c.ok && c.format[0] == '3';
    EXPECT_EQ(sms.message.screen.double_rows[0][0].lead == 0, stored);
    EXPECT_EQ(mail.message.screen.double_rows[0][0].lead == 0, stored);
  }
}

TEST(MessageParamsDialog, BrokenScreensOpenDrawAndStoreInsideTheStructure) {
  const std::string rows = std::string("\xff\x81\x01") + std::string(100, '\xe9');
  const std::string groups =
      "[50,99999,7,250,250,200,1][161,-5,0,19,255,9,0][255,1,0,0,0,0,0]"
      "[3,0,0,30,0,0,0][1,2,3]";
  for (bool double_byte : {false, true}) {
    Editing editing(double_byte, groups, rows);
    const int last = editing.screen().rows() - 1;
    for (int r = 0; r <= last; ++r) {
      editing.Input(ScreenInput::Press(r, 19));
      editing.Input(ScreenInput::Release(last - r, 0));
      editing.Keys({ScreenKey::kBackspace, ScreenKey::kDelete, ScreenKey::kEnter});
      editing.Type("q ");
      editing.dialog->UserClicks(Dlg::kDelete);
      editing.Input(ScreenInput::DoubleClick());
      editing.Input(ScreenInput::EditDone(std::string(30, '\xe9')));
    }
    editing.Input(ScreenInput::Press(99, -4));
    editing.dialog->UserClicks(editor::kIdOk);
    // Whatever the screen holds, it codes.
    EXPECT_EQ(CodeAlone(kSmsOutput, SmsOutputText(editing.params)).size(), 310u);
  }
}

}  // namespace
}  // namespace ostrevan::testing
