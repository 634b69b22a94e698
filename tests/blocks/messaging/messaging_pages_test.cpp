// The SMS Output, SMS Input and EMAIL pages through Function_Edit: what
// they show, their rules, the phone book exchange, and the text and record
// that come out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "blocks/messaging/mail_page.h"
#include "blocks/messaging/message_params_dialog.h"
#include "blocks/messaging/messaging_support.h"
#include "blocks/messaging/sms_input_page.h"
#include "blocks/messaging/sms_output_page.h"
#include "core/app.h"
#include "editor/phone_book_dialog.h"
#include "support/edit_export.h"
#include "support/plugin_fixture.h"

namespace ostrevan::testing {
namespace {

using editor::PageModel;
using editor::ScreenInput;
using Out = CPropertySmsOut;
using Call = CPropertyProgramSms_In_Dial;
using Msg = CPropertyMessage;
using Vb = CPropertyMessageVB;
using In = CPropertySmsIn;
using Mail = CPropertyMail;
using Att = CPropertyMail_Attachment;
using Book = editor::CPhoneBookDialog;

constexpr char kDefaultNumber[] = "+41000000000";
constexpr char kOutDefault[] = "A:1,0,1,0,8,0,0,0,0,B:,C:,D:,E:,F:,G:,H:,";
constexpr char kMailDefault[] = "A:1,0,0,1,0,8,0,B:,C:,D:,E:,F:,G:,,H:,,,,,,,";

std::string OutText(const std::string& a, const std::string& receivers, const std::string& g,
                    const std::string& h = ",") {
  return "A:" + a + receivers + ",G:" + g + ",H:" + h;
}

std::string HexOf(const std::string& text) {
  return Hex(std::vector<uint8_t>(text.begin(), text.end()));
}

// A 20-byte receiver slot of a record.
std::string Slot(const std::string& number) {
  std::string slot = number.substr(0, 20);
  slot.resize(20, '\0');
  return HexOf(slot);
}

MessageChildPage* Child(PageModel& page, int frame) {
  return static_cast<MessageChildPage*>(page.ChildIn(frame));
}

std::vector<std::string> Items(std::vector<std::string> addresses) {
  addresses.emplace_back();
  return addresses;
}

class MessagingPages : public ::testing::Test {
 protected:
  void SetUp() override {
    App().phone_book().Reset();
    SelectCpu("OSV-2410");
  }
  void TearDown() override { App().phone_book().Reset(); }
  PhoneBook& book() { return App().phone_book(); }
  void SetEntry(size_t index, const std::string& address) {
    book().entries()[index] = PhoneBookEntry{"", address, ""};
  }
};

// A receiver the phone book lacks goes into its first free entry and is
// selected; the lists offer every used entry in entry order.
TEST_F(MessagingPages, AMissingReceiverFillsTheFirstFreeEntry) {
  struct Case {
    int type;
    std::string text;
    int first_list;
    size_t record_offset;  // of receiver 1
  };
  const Case cases[] = {
      {kSmsOutput, OutText("1,0,1,0,8,0,0,0,0", ",B:+4930111,C:,D:,E:,F:", ""),
       Out::kFirstReceiver, 40},
      {kSmsInput, "A:0,8,1,B:+4930111,C:,D:,E:,F:", In::kFirstReceiver, 18},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    book().Reset();
    for (size_t i = 1; i < 4; ++i) SetEntry(i, "+" + std::to_string(i));
    SetEntry(5, "+5");  // entry 5 (index 4) is the first free one
    FakeView view;
    view.sheet_script = [&](CPropertyBasic& sheet) {
      EXPECT_EQ(book().entries()[4].address, "+4930111");
      const editor::Control& list = sheet.page(0).At(c.first_list);
      EXPECT_EQ(list.items, Items({kDefaultNumber, "+1", "+2", "+3", "+4930111", "+5"}));
      EXPECT_EQ(list.selection, 4);
      sheet.ClickOk();
    };
    EditOutcome edited = EditThroughExport(c.type, c.text, view);
    EXPECT_EQ(edited.text, c.text);
    EXPECT_EQ(HexAt(CodeAlone(c.type, edited.text), c.record_offset, 20), Slot("+4930111"));
  }
}

TEST_F(MessagingPages, AReceiverTheFullPhoneBookCannotTakeStaysUnselected) {
  for (size_t i = 0; i < kPhoneBookSize; ++i) SetEntry(i, "+" + std::to_string(100 + i));
  const std::string text = OutText("1,0,1,0,8,0,0,0,0", ",B:+77,C:+100,D:,E:,F:", "");
  FakeView view;
  view.sheet_script = [&](CPropertyBasic& sheet) {
    EXPECT_FALSE(book().Contains("+77"));
    EXPECT_EQ(sheet.page(0).At(Out::kFirstReceiver).selection, -1);
    EXPECT_EQ(sheet.page(0).At(Out::kFirstReceiver + 1).selection, 0);
    EXPECT_EQ(sheet.page(0).At(Out::kFirstReceiver).items.size(), kPhoneBookSize + 1);
    sheet.ClickOk();
  };
  EXPECT_EQ(EditThroughExport(kSmsOutput, text, view).text, text);
}

// A picked item goes through the phone book lookup.
TEST_F(MessagingPages, APickedItemBecomesTheLookedUpAddress) {
  SetEntry(1, "ops,north");
  SetEntry(2, "OPS,NORTH");
  SetEntry(3, "tail,");
  struct Case {
    const char* name;
    int item;
    const char* stored;
  };
  const Case cases[] = {
      {"a plain number", 0, kDefaultNumber},
      {"the empty item", 4, ""},
      // case-insensitive: the first entry that matches gives the address
      {"a text with a comma", 2, "ops,north"},
      {"nothing behind the comma: nothing found", 3, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeView view;
    view.sheet_script = [&](CPropertyBasic& sheet) {
      sheet.page(0).UserSelects(In::kFirstReceiver + 2, c.item);
      sheet.ClickOk();
    };
    EditOutcome edited = EditThroughExport(kSmsInput, "A:0,8,1,B:,C:,D:+41000000000,E:,F:", view);
    EXPECT_EQ(edited.text, std::string("A:0,8,1,B:,C:,D:") + c.stored + ",E:,F:");
  }
}

// The "Phonebook" button: after the dialog's OK the lists are filled anew
// (on the call page too) and receivers the book lost are emptied; the
// phone book keeps the dialog's changes whether the sheet is confirmed or
// cancelled.
TEST_F(MessagingPages, ThePhoneBookButtonRefillsTheListsAndItsChangesOutliveTheSheet) {
  const std::string text =
      OutText("1,0,1,0,8,0,0,0,0", ",B:+4930111,C:+41000000000,D:,E:,F:", "");
  for (bool confirm : {true, false}) {
    SCOPED_TRACE(confirm ? "sheet OK" : "sheet Cancel");
    book().Reset();
    FakeView view;
    view.dialog_scripts.push_back([](editor::DialogModel& dialog) {
      EXPECT_EQ(dialog.caption(), "Phonebook");
      EXPECT_EQ(dialog.At(Book::kGrid).grid.cells[2][1], "+4930111");
      dialog.UserFocusesCell(Book::kGrid, 2, 1);
      dialog.UserClicks(Book::kDelete);  // confirmed with Yes
      dialog.UserClicks(editor::kIdOk);
    });
    view.sheet_script = [&](CPropertyBasic& sheet) {
      sheet.ShowPage(1);
      sheet.page(0).UserClicks(Out::kPhonebook);
      view.Pump();  // the page notification to the call page
      for (size_t page : {0u, 1u}) {
        const int first = page == 0 ? Out::kFirstReceiver : Call::kFirstReceiver;
        EXPECT_EQ(sheet.page(page).At(first).items, Items({kDefaultNumber}));
        EXPECT_EQ(sheet.page(page).At(first).selection, 1) << "receiver 1 emptied";
        EXPECT_EQ(sheet.page(page).At(first + 1).selection, 0);
      }
      if (confirm) {
        sheet.ClickOk();
      } else {
        sheet.ClickCancel();
      }
    };
    EditOutcome edited = EditThroughExport(kSmsOutput, text, view);
    EXPECT_EQ(view.messages.size(), 1u) << "the delete question";
    EXPECT_FALSE(book().Contains("+4930111"));
    EXPECT_EQ(edited.result, confirm ? 1 : 0);
    EXPECT_EQ(edited.text, confirm ? OutText("1,0,1,0,8,0,0,0,0", ",B:,C:+41000000000,D:,E:,F:", "")
                                   : text);
  }
}

// The call page: what the dial and confirmation boxes enable, and the dial
// state reaching the params page and its message page.
TEST_F(MessagingPages, TheDialBoxDisablesTheMessageAndEnablesTheCall) {
  FakeView view;
  view.sheet_script = [&](CPropertyBasic& sheet) {
    sheet.ShowPage(1);
    PageModel& out = sheet.page(0);
    PageModel& call = sheet.page(1);
    struct Step {
      int click;  // 0: none
      bool lists, confirmation, waiting;
    };
    const Step steps[] = {{0, false, false, false},
                          {Call::kDial, true, true, false},
                          {Call::kConfirmation, true, true, true},
                          {Call::kDial, false, false, false},
                          {Call::kDial, true, true, true}};
    for (const Step& step : steps) {
      if (step.click) call.UserClicks(step.click);
      view.Pump();
      SCOPED_TRACE("dial " + std::to_string(call.At(Call::kDial).checked));
      EXPECT_EQ(call.At(Call::kFirstReceiver + 3).enabled, step.lists);
      EXPECT_EQ(call.At(Call::kConfirmation).enabled, step.confirmation);
      EXPECT_EQ(call.At(Call::kWaiting).enabled, step.waiting);
      EXPECT_EQ(call.At(Call::kLoops).enabled, step.waiting);
      const bool dial = call.At(Call::kDial).checked;
      EXPECT_EQ(out.At(Out::kFirstReceiver).enabled, !dial);
      EXPECT_EQ(out.At(Out::kFormat).enabled, !dial);
      EXPECT_EQ(out.At(Out::kStyle).enabled, !dial);
      PageModel* message = Child(out, Out::kMessageFrame);
      EXPECT_EQ(message->At(Msg::kTextMessage).enabled, !dial);
      EXPECT_EQ(message->At(Msg::kEditor).enabled, !dial);
      EXPECT_FALSE(message->At(Msg::kSetMessage).enabled);
    }
    // a new message page learns the dial state too
    call.UserClicks(Call::kDial);
    view.Pump();
    out.UserSelects(Out::kStyle, 1);
    call.UserClicks(Call::kDial);
    view.Pump();
    EXPECT_FALSE(Child(out, Out::kMessageFrame)->At(Vb::kVbStart).enabled);
    sheet.ClickCancel();
  };
  EditThroughExport(kSmsOutput, kOutDefault, view);
}

TEST_F(MessagingPages, DialModeStoresTheCallAndNoMessage) {
  SetEntry(1, "+4930111");
  FakeView view;
  view.sheet_script = [&](CPropertyBasic& sheet) {
    Child(sheet.page(0), Out::kMessageFrame)->UserTypes(Msg::kEditor, "Typed meanwhile");
    sheet.ShowPage(1);
    PageModel& call = sheet.page(1);
    call.UserClicks(Call::kDial);
    call.UserClicks(Call::kConfirmation);
    call.UserTypes(Call::kWaiting, "15.5");
    call.UserTypes(Call::kLoops, "3");
    call.UserSelects(Call::kFirstReceiver + 1, 1);
    view.Pump();
    sheet.ClickOk();
  };
  EditOutcome edited = EditThroughExport(
      kSmsOutput, OutText("0,3,1,0,8,0,0,0,0", ",B:,C:,D:,E:,F:", TextScreen({"AB"}),
                          "[0,-1,255,0,20,0,0][0,-1,255,0,20,0,0][0,-1,255,0,20,0,0]"),
      view);
  EXPECT_EQ(edited.result, 1);
  EXPECT_EQ(edited.text, OutText("1,0,1,0,8,1,1500,3,1", ",B:,C:+4930111,D:,E:,F:", ""));
  std::vector<uint8_t> record = CodeAlone(kSmsOutput, edited.text);
  EXPECT_EQ(HexAt(record, 24, 6), "05 00 01 14 0F 03");
  EXPECT_EQ(HexAt(record, 60, 20), Slot("+4930111"));
  EXPECT_EQ(HexAt(record, 140, 2), "00 20") << "an empty Text Message";
}

TEST_F(MessagingPages, ClearingTheDialBoxLeavesTheConfirmationAsItWas) {
  FakeView view;
  view.sheet_script = [&](CPropertyBasic& sheet) {
    sheet.ShowPage(1);
    sheet.page(1).UserClicks(Call::kConfirmation);  // off, but not stored
    sheet.page(1).UserClicks(Call::kDial);
    view.Pump();
    EXPECT_TRUE(sheet.page(0).At(Out::kFormat).enabled);
    sheet.ClickOk();
  };
  EditOutcome edited = EditThroughExport(
      kSmsOutput, OutText("1,0,1,0,8,1,1000,2,1", ",B:,C:,D:,E:,F:", ""), view);
  EXPECT_EQ(edited.text, OutText("1,0,1,0,8,1,1000,2,0", ",B:,C:,D:,E:,F:", ""));
}

// The message page is replaced on every style change; what was typed into
// one survives in the next because each stores into the same message.
TEST_F(MessagingPages, SwitchingTheStyleThereAndBackKeepsTheMessageAndTheVbValues) {
  FakeView view;
  view.sheet_script = [&](CPropertyBasic& sheet) {
    PageModel& out = sheet.page(0);
    Child(out, Out::kMessageFrame)->UserTypes(Msg::kEditor, "Pump 2 off");
    out.UserSelects(Out::kStyle, 1);
    PageModel* vb = Child(out, Out::kMessageFrame);
    EXPECT_EQ(vb->At(Vb::kVbMaxCount).text, "8");
    vb->UserTypes(Vb::kVbStart, "100");
    vb->UserTypes(Vb::kVbMaxCount, "50");
    out.UserSelects(Out::kStyle, 0);
    EXPECT_EQ(Child(out, Out::kMessageFrame)->At(Msg::kEditor).text, "Pump 2 off");
    out.UserSelects(Out::kStyle, 1);
    EXPECT_EQ(Child(out, Out::kMessageFrame)->At(Vb::kVbStart).text, "100");
    sheet.ClickOk();
  };
  EditOutcome edited = EditThroughExport(kSmsOutput, kOutDefault, view);
  EXPECT_EQ(edited.text, OutText("1,0,0,100,50,0,0,0,0", ",B:,C:,D:,E:,F:", "Pump 2 off"));
  std::vector<uint8_t> record = CodeAlone(kSmsOutput, edited.text);
  EXPECT_EQ(record.size(), 140u);
  EXPECT_EQ(HexAt(record, 30, 5), "A0 00 64 00 32");
}

// The format sets the limits: 100 characters or 70 UTF-16 characters, a
// VB count of 128 or 70.
TEST_F(MessagingPages, TheFormatSetsTheMessageLimits) {
  struct Case {
    int format_item;
    std::string typed;
    size_t kept;
    const char* max_label;
    long vb_max;
    std::string record_head;  // length byte and first message bytes
  };
  const Case cases[] = {
      {0, std::string(150, 'x'), 100, "Max. 128", 128, "64 78 78"},
      {1, std::string(75, 'y'), 70, "Max. 70", 70, "8C 00 79"},
      // one byte of the code page, one UTF-16 character
      {1, std::string(69, 'y') + "\x80z", 70, "Max. 70", 70, "8C 00 79"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.max_label + std::string(" ") + std::to_string(c.typed.size()));
    FakeView view;
    view.sheet_script = [&](CPropertyBasic& sheet) {
      PageModel& out = sheet.page(0);
      out.UserSelects(Out::kFormat, c.format_item);
      PageModel* message = Child(out, Out::kMessageFrame);
      message->UserTypes(Msg::kEditor, c.typed);
      EXPECT_EQ(message->At(Msg::kEditor).text.size(), c.kept);
      EXPECT_EQ(message->At(Msg::kRemaining).text, "0");
      message->UserTypes(Msg::kEditor, "abc");
      EXPECT_EQ(message->At(Msg::kRemaining).text, std::to_string(c.kept - 3));
      message->UserTypes(Msg::kEditor, c.typed);
      out.UserSelects(Out::kStyle, 1);
      PageModel* vb = Child(out, Out::kMessageFrame);
      EXPECT_EQ(vb->At(Vb::kMaxLabel).label, c.max_label);
      EXPECT_EQ(vb->At(Vb::kVbMaxCount).range->max, c.vb_max);
      out.UserSelects(Out::kStyle, 0);
      sheet.ClickOk();
    };
    EditOutcome edited = EditThroughExport(kSmsOutput, kOutDefault, view);
    SmsOutputParams params = ParseSmsOutputText(edited.text);
    EXPECT_EQ(params.message.format, c.format_item == 0 ? 0 : 3);
    EXPECT_EQ(params.message.text, c.typed.substr(0, c.kept));
    EXPECT_EQ(HexAt(CodeAlone(kSmsOutput, edited.text), 140, 3), c.record_head);
  }
}

// TEXT messages refuse characters beyond 0xFF; the page then stores no
// message (text and kind stay), the rest of the sheet stores.
TEST_F(MessagingPages, ATextMessageRefusesCharactersBeyondLatin1) {
  struct Case {
    const char* name;
    int format_item;
    bool params_kind;
    std::string typed;
    std::string message;  // shown, or empty
    std::string stored_a;
    std::string stored_g;
  };
  const Case cases[] = {
      {"euro sign in TEXT", 0, false, "Price 5\x80 and \x99", "This sign \x80\x99 can not be used!",
       "1,0,1,0,8,0,0,0,0", "Hello"},
      {"also when a Params Message is chosen", 0, true, "\x9f", "This sign \x9f can not be used!",
       "1,0,1,0,8,0,0,0,0", "Hello"},
      {"Latin-1 only", 0, false, "Gr\xfc\xdf" "e", "", "1,0,1,0,8,0,0,0,0", "Gr\xfc\xdf" "e"},
      {"PDU(UCS2) takes them", 1, false, "5\x80", "", "1,3,1,0,8,0,0,0,0", "5\x80"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeView view;
    view.sheet_script = [&](CPropertyBasic& sheet) {
      PageModel& out = sheet.page(0);
      out.UserSelects(Out::kFormat, c.format_item);
      out.UserSelects(Out::kFirstReceiver, 0);
      PageModel* message = Child(out, Out::kMessageFrame);
      message->UserTypes(Msg::kEditor, c.typed);
      if (c.params_kind) message->UserClicks(Msg::kParamsMessage);
      sheet.ClickOk();
    };
    EditOutcome edited =
        EditThroughExport(kSmsOutput, OutText("1,0,1,0,8,0,0,0,0", ",B:,C:,D:,E:,F:", "Hello"), view);
    EXPECT_EQ(edited.result, 1);
    if (c.message.empty()) {
      EXPECT_TRUE(view.messages.empty());
    } else {
      ASSERT_EQ(view.messages.size(), 1u);
      EXPECT_EQ(view.messages[0], editor::ErrorMessage(c.message));
    }
    EXPECT_EQ(edited.text, OutText(c.stored_a, ",B:+41000000000,C:,D:,E:,F:", c.stored_g));
  }
}

// "Set Message" opens the screen editor of the format; its OK stores the
// screen, which the sheet's OK then writes.
TEST_F(MessagingPages, SetMessageOpensTheScreenEditorOfTheFormat) {
  struct Case {
    int type;
    std::string text;
    int format_item;  // -1: the page has no format list
    int template_id;
    size_t screen_at;  // in the record
    std::string screen;
  };
  const Case cases[] = {
      {kSmsOutput, kOutDefault, 0, 4720, 155, "41 42 20"},
      {kSmsOutput, kOutDefault, 1, 4721, 155, "00 41 00 42"},
      // a mail always goes out in TEXT format, whatever its text says
      {kEmail, "A:1,3,3,1,0,8,0,B:,C:,D:,E:,F:,G:,,H:,,,,,,,", -1, 4720, 25 + 15, "41 42 20"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.template_id);
    FakeView view;
    view.dialog_scripts.push_back([&](editor::DialogModel& dialog) {
      EXPECT_EQ(dialog.template_id(), c.template_id);
      EXPECT_EQ(dialog.caption(), "message for parameters");
      if (c.template_id == 4721) {
        dialog.UserScreenInput(MessageParamsDialog::kScreen, ScreenInput::DoubleClick());
        dialog.UserScreenInput(MessageParamsDialog::kScreen, ScreenInput::EditDone("AB"));
      } else {
        for (char ch : {'A', 'B'}) {
          dialog.UserScreenInput(MessageParamsDialog::kScreen, ScreenInput::Char(ch));
        }
      }
      dialog.UserClicks(editor::kIdOk);
    });
    view.sheet_script = [&](CPropertyBasic& sheet) {
      PageModel& page = sheet.page(0);
      if (c.format_item >= 0) page.UserSelects(Out::kFormat, c.format_item);
      const int frame = c.type == kEmail ? Mail::kMessageFrame : Out::kMessageFrame;
      PageModel* message = Child(page, frame);
      for (int kind : {Msg::kParamsMessage, Msg::kTextMessage, Msg::kParamsMessage}) {
        message->UserClicks(kind);
        EXPECT_EQ(message->At(Msg::kSetMessage).enabled, kind == Msg::kParamsMessage);
        EXPECT_EQ(message->At(Msg::kEditor).enabled, kind == Msg::kTextMessage);
      }
      message->UserClicks(Msg::kSetMessage);
      sheet.ClickOk();
    };
    EditOutcome edited = EditThroughExport(c.type, c.text, view);
    EXPECT_EQ(view.dialog_captions.size(), 1u);
    std::vector<uint8_t> record = CodeAlone(c.type, edited.text);
    EXPECT_EQ(HexAt(record, c.screen_at, c.template_id == 4721 ? 4 : 3), c.screen)
        << edited.text;
  }
}

TEST_F(MessagingPages, NumbersOutOfRangeKeepTheSheetOpen) {
  struct Case {
    int type;
    std::string text;
    int frame;  // 0: on the page itself
    int id;
    const char* typed;
    const char* message;
  };
  const Case cases[] = {
      {kSmsOutput, OutText("1,0,0,0,8,0,0,0,0", ",B:,C:,D:,E:,F:", ""), Out::kMessageFrame,
       Vb::kVbStart, "2048", "Please enter an integer between 0 and 2047."},
      {kSmsOutput, OutText("1,0,0,0,8,0,0,0,0", ",B:,C:,D:,E:,F:", ""), Out::kMessageFrame,
       Vb::kVbMaxCount, "129", "Please enter an integer between 0 and 128."},
      {kEmail, "A:1,0,0,0,0,8,0,B:,C:,D:,E:,F:,G:,,H:,,,,,,,", Mail::kMessageFrame,
       Vb::kVbMaxCount, "-1", "Please enter an integer between 0 and 128."},
      {kSmsInput, "A:0,8,0,B:,C:,D:,E:,F:", 0, In::kVbStart, "100000000",
       "Please enter an integer between 0 and 99999999."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    FakeView view;
    view.sheet_script = [&](CPropertyBasic& sheet) {
      PageModel* page = c.frame ? Child(sheet.page(0), c.frame) : &sheet.page(0);
      page->UserTypes(c.id, c.typed);
      sheet.ClickOk();
      EXPECT_FALSE(sheet.end_result());
      ASSERT_EQ(view.messages.size(), 1u);
      EXPECT_EQ(view.messages[0].text, c.message);
      sheet.ClickCancel();
    };
    EditOutcome edited = EditThroughExport(c.type, c.text, view);
    EXPECT_EQ(edited.result, 0);
    EXPECT_EQ(edited.text, c.text);
  }
}

TEST_F(MessagingPages, SmsInputStoresItsPageAndCodesIt) {
  FakeView view;
  view.sheet_script = [&](CPropertyBasic& sheet) {
    PageModel& page = sheet.page(0);
    EXPECT_FALSE(page.At(In::kFirstReceiver).enabled);
    page.UserClicks(In::kIdentification);
    EXPECT_TRUE(page.At(In::kFirstReceiver + 4).enabled);
    page.UserSelects(In::kFirstReceiver + 4, 0);
    page.UserTypes(In::kVbStart, "100");
    page.UserTypes(In::kVbMaxCount, "50");
    page.UserClicks(In::kIdentification);
    EXPECT_FALSE(page.At(In::kFirstReceiver + 4).enabled);
    page.UserClicks(In::kIdentification);
    sheet.ClickOk();
  };
  EditOutcome edited = EditThroughExport(kSmsInput, "A:0,8,0,B:,C:,D:,E:,F:", view);
  EXPECT_EQ(edited.text, "A:100,50,1,B:,C:,D:,E:,F:+41000000000");
  std::vector<uint8_t> record = CodeAlone(kSmsInput, edited.text);
  EXPECT_EQ(HexAt(record, 12, 6), "11 A0 00 64 00 32");
  EXPECT_EQ(HexAt(record, 98, 20), Slot(kDefaultNumber));
}

TEST_F(MessagingPages, TheMailPageStoresTextFormatAndTheGsmChannel) {
  FakeView view;
  view.sheet_script = [&](CPropertyBasic& sheet) {
    PageModel& page = sheet.page(0);
    EXPECT_FALSE(page.At(Mail::kChannel).enabled);
    PageModel* message = Child(page, Mail::kMessageFrame);
    page.UserTypes(Mail::kFirstReceiver + 1, std::string(60, 'r'));
    page.UserTypes(Mail::kSubject, "Tank 3");
    // no character check for a mail
    message->UserTypes(Msg::kEditor, "Level \x80");
    sheet.ClickOk();
  };
  EditOutcome edited = EditThroughExport(
      kEmail, "A:1,3,3,1,0,8,0,B:Old,C:ops@example.com,D:,E:,F:Hi,G:,,H:,,,,,,,", view);
  EXPECT_TRUE(view.messages.empty());
  EXPECT_EQ(edited.text, "A:1,0,0,1,0,8,0,B:Tank 3,C:ops@example.com,D:" + std::string(50, 'r') +
                             ",E:,F:Level \x80,G:,,H:,,,,,,,");
  std::vector<uint8_t> record = CodeAlone(kEmail, edited.text);
  EXPECT_EQ(HexAt(record, 21 + 4, 8), "07 4C 65 76 65 6C 20 80");
}

TEST_F(MessagingPages, TheMailStyleShowsItsMessagePageAndIsStored) {
  FakeView view;
  view.sheet_script = [&](CPropertyBasic& sheet) {
    PageModel& page = sheet.page(0);
    EXPECT_EQ(page.At(Mail::kStyle).selection, 0);
    page.UserSelects(Mail::kStyle, 1);
    Child(page, Mail::kMessageFrame)->UserTypes(Vb::kVbStart, "100");
    sheet.ClickOk();
  };
  EXPECT_EQ(EditThroughExport(kEmail, kMailDefault, view).text,
            "A:1,0,0,0,100,8,0,B:,C:,D:,E:,F:,G:,,H:,,,,,,,");
}

// Attachment names are squeezed into the first slots, on opening and on
// storing; a tab never shown keeps them as they were.
TEST_F(MessagingPages, AttachmentsAreSqueezedIntoTheFirstSlots) {
  SelectCpu("OSV-2410-4G");
  const std::string text = "A:1,0,0,1,0,8,0,B:,C:,D:,E:,F:,G:,,H:,,a.txt,,,b.txt,,";
  FakeView view;
  view.sheet_script = [&](CPropertyBasic& sheet) {
    sheet.ShowPage(1);
    PageModel& page = sheet.page(1);
    EXPECT_EQ(page.At(Att::kFirstName + 1).text, "b.txt");
    editor::FormModel* hint = page.ChildIn(Att::kHintFrame);
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->At(CPropertyBlockHint::kHint).label,
              "The CPU [OSV-2410-4G] with the firmware version must be >= V155 can support "
              "email attachment\n");
    page.UserTypes(Att::kFirstName, "");
    page.UserTypes(Att::kFirstName + 1, "");
    page.UserTypes(Att::kFirstName + 2, "LEVEL.CSV");
    page.UserTypes(Att::kFirstName + 5, "a_name_too_long.txt");
    sheet.ClickOk();
  };
  EditOutcome edited = EditThroughExport(kEmail, text, view);
  EXPECT_EQ(edited.text, "A:1,0,0,1,0,8,0,B:,C:,D:,E:,F:,G:,,H:LEVEL.CSV,a_name_too_l,,,,,,");
  std::vector<uint8_t> record = CodeAlone(kEmail, edited.text);
  const std::string names = "LEVEL.CSV" + std::string(1, '\0') + "a_name_too_l" + '\0';
  const size_t list = record.size() - names.size() - 9;
  EXPECT_EQ(HexAt(record, list, 9), "02 0A 0D 00 00 00 00 00 00");
  EXPECT_EQ(HexAt(record, list + 9, names.size()), HexOf(names));

  FakeView unseen;
  unseen.sheet_script = [](CPropertyBasic& sheet) { sheet.ClickOk(); };
  EXPECT_EQ(EditThroughExport(kEmail, text, unseen).text, text);
}

}  // namespace
}  // namespace ostrevan::testing
