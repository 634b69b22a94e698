// The SMS Output, SMS Input and EMAIL pages through Function_Edit: what
// they show, their rules, the phone book exchange, and the text and record
// that come out.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "blocks/messaging/mail_page.h"
#include "blocks/messaging/messaging_support.h"
#include "blocks/messaging/sms_input_page.h"
#include "blocks/messaging/sms_output_page.h"
#include "core/app.h"
#include "editor/phone_book_dialog.h"
#include "support/page_table.h"

namespace ostrevan::testing {
namespace {

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
constexpr char kInDefault[] = "A:0,8,0,B:,C:,D:,E:,F:";
const Act kMessage = InChild(Out::kMessageFrame);

std::string OutText(const std::string& a, const std::string& receivers, const std::string& g,
                    const std::string& h = ",") {
  return "A:" + a + receivers + ",G:" + g + ",H:" + h;
}
std::string HexOf(const std::string& text) { return Hex({text.begin(), text.end()}); }
// A 20-byte receiver slot of a record.
std::string Slot(const std::string& number) {
  std::string slot = number.substr(0, 20);
  slot.resize(20, '\0');
  return HexOf(slot);
}
PhoneBook& TheBook() { return App().phone_book(); }
Act InBook(const std::string& address, bool in) {
  return [=](PageRun&) { EXPECT_EQ(TheBook().Contains(address), in) << address; };
}

// Dialling (box `dial`) enables the lists and the confirmation box, which
// enables the waiting fields; it disables the message on the SMS page.
Act DialState(bool dial, bool waiting) {
  return All({Pump(), OnPage(1), Checked(Call::kDial, dial),
              Enabled(Call::kFirstReceiver + 3, dial), Enabled(Call::kConfirmation, dial),
              Enabled(Call::kWaiting, waiting), Enabled(Call::kLoops, waiting), OnPage(0),
              Enabled(Out::kFirstReceiver, !dial), Enabled(Out::kFormat, !dial),
              Enabled(Out::kStyle, !dial), kMessage, Enabled(Msg::kTextMessage, !dial),
              Enabled(Msg::kEditor, !dial), Enabled(Msg::kSetMessage, false), OnPage(1)});
}

// The format sets the limits: 100 characters or 70 UTF-16 characters, a VB count of 128 or 70.
PageRow Limits(int format, const std::string& typed, size_t kept, long vb_max, const char* head) {
  const std::string label = "Max. " + std::to_string(vb_max);
  return {"format limits", kSmsOutput, kOutDefault,
          {Choose(Out::kFormat, format), kMessage, Type(Msg::kEditor, typed),
           Expect(Msg::kEditor, &editor::Control::text, typed.substr(0, kept)),
           Text(Msg::kRemaining, "0"), Type(Msg::kEditor, "abc"),
           Text(Msg::kRemaining, std::to_string(kept - 3)), Type(Msg::kEditor, typed), OnPage(0),
           Choose(Out::kStyle, 1), kMessage, Label(Vb::kMaxLabel, label),
           Max(Vb::kVbMaxCount, vb_max), OnPage(0), Choose(Out::kStyle, 0), Ok()},
          OutText(format ? "1,3,1,0,8,0,0,0,0" : "1,0,1,0,8,0,0,0,0", ",B:,C:,D:,E:,F:",
                  typed.substr(0, kept)),
          1, {Record(140, head)}};
}

// TEXT messages refuse characters beyond 0xFF (`refused`): the message is
// not stored (text and kind stay), the rest of the sheet is.
PageRow Latin1(int format, bool params_kind, const std::string& typed, const std::string& refused) {
  Acts acts = {Choose(Out::kFormat, format), Choose(Out::kFirstReceiver, 0), kMessage,
               Type(Msg::kEditor, typed)};
  if (params_kind) acts.push_back(Click(Msg::kParamsMessage));
  acts.push_back(Ok());
  std::vector<editor::MessageBox> said;
  if (!refused.empty()) {
    said.push_back(editor::ErrorMessage("This sign " + refused + " can not be used!"));
  }
  return {"characters of a TEXT message", kSmsOutput,
          OutText("1,0,1,0,8,0,0,0,0", ",B:,C:,D:,E:,F:", "Hello"), acts,
          OutText(format ? "1,3,1,0,8,0,0,0,0" : "1,0,1,0,8,0,0,0,0", ",B:+41000000000,C:,D:,E:,F:",
                  refused.empty() ? typed : "Hello"),
          1, {Said(said)}};
}

class MessagingPages : public ::testing::Test {
 protected:
  void TearDown() override { TheBook().Reset(); }
  // Each row on a phone book holding only `entries` (index, address).
  void Run(const std::vector<PageRow>& rows,
           const std::vector<std::pair<size_t, std::string>>& entries = {}) {
    for (const PageRow& row : rows) {
      TheBook().Reset();
      for (const auto& [index, address] : entries) {
        TheBook().entries()[index] = PhoneBookEntry{"", address, ""};
      }
      FakeView view;
      RunRow(row, view);
    }
  }
};

// A receiver the book lacks goes into its first free entry (here entry 5)
// and is selected; the lists offer every used entry in entry order.
TEST_F(MessagingPages, Receivers) {
  const std::string out = OutText("1,0,1,0,8,0,0,0,0", ",B:+4930111,C:,D:,E:,F:", "");
  const std::vector<std::string> items = {kDefaultNumber, "+1", "+2", "+3", "+4930111", "+5", ""};
  Run({{"a missing receiver", kSmsOutput, out,
        {InBook("+4930111", true), Items(Out::kFirstReceiver, items),
         Selection(Out::kFirstReceiver, 4), Ok()}, "", 1, {Record(40, Slot("+4930111"))}},
       {"a missing receiver", kSmsInput, "A:0,8,1,B:+4930111,C:,D:,E:,F:",
        {Items(In::kFirstReceiver, items), Selection(In::kFirstReceiver, 4), Ok()}, "", 1,
        {Record(18, Slot("+4930111"))}}},
      {{1, "+1"}, {2, "+2"}, {3, "+3"}, {5, "+5"}});
  // A picked item goes through the book's lookup (the first entry that
  // matches without case); the empty item clears the receiver.
  const char* in = "A:0,8,1,B:,C:,D:+41000000000,E:,F:";
  std::vector<PageRow> picks;
  for (auto [item, stored] : std::vector<std::pair<int, std::string>>{{3, ""}, {2, "ops,north"}}) {
    picks.push_back({"a picked item", kSmsInput, in, {Choose(In::kFirstReceiver + 2, item), Ok()},
                     "A:0,8,1,B:,C:,D:" + stored + ",E:,F:"});
  }
  Run(picks, {{1, "ops,north"}, {2, "OPS,NORTH"}});
}

// The "Phonebook" button: after the dialog's OK the lists are filled anew
// (on the call page too) and receivers the book lost are emptied; the book
// keeps the dialog's changes whether the sheet is confirmed or cancelled.
TEST_F(MessagingPages, ThePhoneBookButtonRefillsTheLists) {
  const std::string text = OutText("1,0,1,0,8,0,0,0,0", ",B:+4930111,C:+41000000000,D:,E:,F:", "");
  Acts acts = {InDialog({[](PageRun& run) {
                           EXPECT_EQ(run.form->At(Book::kGrid).grid.cells[2][1], "+4930111");
                         },
                         FocusCell(Book::kGrid, 2, 1), Click(Book::kDelete), Ok()}),
               ShowPage(1), OnPage(0), Click(Out::kPhonebook), Pump()};
  for (size_t page : {0u, 1u}) {
    const int first = page == 0 ? Out::kFirstReceiver : Call::kFirstReceiver;
    acts.insert(acts.end(), {OnPage(page), Items(first, {kDefaultNumber, "+70", ""}),
                             Selection(first, 2), Selection(first + 1, 0)});
  }
  // the dialog shows the first fifty entries; those behind it stay
  const Acts checks = {InBook("+4930111", false), InBook("+70", true),
                       [](PageRun& run) { EXPECT_EQ(run.view->messages.size(), 1u); }};
  Acts ok = acts, cancel = acts;
  ok.push_back(Ok());
  cancel.push_back(Cancel());
  Run({{"sheet OK", kSmsOutput, text, ok,
        OutText("1,0,1,0,8,0,0,0,0", ",B:,C:+41000000000,D:,E:,F:", ""), 1, checks},
       {"sheet Cancel", kSmsOutput, text, cancel, "", 0, checks}},
      {{70, "+70"}});
}

TEST_F(MessagingPages, Table) {
  Run({
      // the dial box disables the message and enables the call
      {"dial steps", kSmsOutput, kOutDefault,
       {ShowPage(1), DialState(false, false), Click(Call::kDial), DialState(true, false),
        Click(Call::kConfirmation), DialState(true, true), Click(Call::kDial),
        DialState(false, false), Click(Call::kDial), DialState(true, true),
        // a new message page learns the dial state too
        Click(Call::kDial), Pump(), OnPage(0), Choose(Out::kStyle, 1), OnPage(1),
        Click(Call::kDial), Pump(), OnPage(0), kMessage, Enabled(Vb::kVbStart, false), Cancel()},
       "", 0},
      {"clearing the dial box leaves the confirmation as it was", kSmsOutput,
       OutText("1,0,1,0,8,1,1000,2,1", ",B:,C:,D:,E:,F:", ""),
       {ShowPage(1), Click(Call::kConfirmation), Click(Call::kDial), Pump(), OnPage(0),
        Enabled(Out::kFormat, true), Ok()},
       OutText("1,0,1,0,8,1,1000,2,0", ",B:,C:,D:,E:,F:", "")},
      // the message page is replaced on every style change; each stores into the same message
      {"switching the style there and back", kSmsOutput, kOutDefault,
       {kMessage, Type(Msg::kEditor, "Pump 2 off"), OnPage(0), Choose(Out::kStyle, 1), kMessage,
        Text(Vb::kVbMaxCount, "8"), Min(Vb::kVbStart, 0), Max(Vb::kVbStart, 2047),
        Type(Vb::kVbStart, "100"), Type(Vb::kVbMaxCount, "50"),
        OnPage(0), Choose(Out::kStyle, 0), kMessage, Text(Msg::kEditor, "Pump 2 off"), OnPage(0),
        Choose(Out::kStyle, 1), kMessage, Text(Vb::kVbStart, "100"), Ok()},
       OutText("1,0,0,100,50,0,0,0,0", ",B:,C:,D:,E:,F:", "Pump 2 off"), 1,
       {RecordSize(140), Record(30, "A0 00 64 00 32")}},
      Limits(0, std::string(150, 'x'), 100, 128, "64 78 78"),
      Limits(1, std::string(75, 'y'), 70, 70, "8C 00 79"),
      // one byte of the code page, one UTF-16 character
      Limits(1, std::string(69, 'y') + "\x80z", 70, 70, "8C 00 79"),
      Latin1(0, false, "Price 5\x80 and \x99", "\x80\x99"), Latin1(0, true, "\x9f", "\x9f"),
      Latin1(0, false, "Gr\xfc\xdf" "e", ""), Latin1(1, false, "5\x80", ""),
      // the message kind enables "Set Message" or the editor
      {"message kinds", kSmsOutput, kOutDefault,
       {kMessage, Click(Msg::kParamsMessage), Enabled(Msg::kSetMessage, true),
        Enabled(Msg::kEditor, false), Click(Msg::kTextMessage), Enabled(Msg::kSetMessage, false),
        Enabled(Msg::kEditor, true), Cancel()},
       "", 0},
      {"SMS Input stores its page", kSmsInput, kInDefault,
       {Min(In::kVbStart, 0), Max(In::kVbStart, 99999999), Enabled(In::kFirstReceiver, false),
        Click(In::kIdentification),
        Enabled(In::kFirstReceiver + 4, true), Choose(In::kFirstReceiver + 4, 0),
        Type(In::kVbStart, "100"), Type(In::kVbMaxCount, "50"), Click(In::kIdentification),
        Enabled(In::kFirstReceiver + 4, false), Click(In::kIdentification), Ok()},
       "A:100,50,1,B:,C:,D:,E:,F:+41000000000", 1,
       {Record(12, "11 A0 00 64 00 32"), Record(98, Slot(kDefaultNumber))}},
      // no character check for a mail; the receiver is cut to 50
      {"the mail page stores TEXT format and the GSM channel", kEmail,
       "A:1,3,3,1,0,8,0,B:Old,C:ops@example.com,D:,E:,F:Hi,G:,,H:,,,,,,,",
       {Enabled(Mail::kChannel, false), Type(Mail::kFirstReceiver + 1, std::string(60, 'r')),
        Type(Mail::kSubject, "Tank 3"), InChild(Mail::kMessageFrame),
        Type(Msg::kEditor, "Level \x80"), Ok()},
       "A:1,0,0,1,0,8,0,B:Tank 3,C:ops@example.com,D:" + std::string(50, 'r') +
           ",E:,F:Level \x80,G:,,H:,,,,,,,",
       1, {Said({}), Record(25, "07 4C 65 76 65 6C 20 80")}},
      {"the mail style", kEmail, kMailDefault,
       {Selection(Mail::kStyle, 0), Choose(Mail::kStyle, 1), InChild(Mail::kMessageFrame),
        Min(Vb::kVbMaxCount, 0), Max(Vb::kVbMaxCount, 128), Type(Vb::kVbStart, "100"), Ok()},
       "A:1,0,0,0,100,8,0,B:,C:,D:,E:,F:,G:,,H:,,,,,,,"},
  });
  Run({{"dial mode stores the call and no message", kSmsOutput,
       OutText("0,3,1,0,8,0,0,0,0", ",B:,C:,D:,E:,F:", TextScreen({"AB"}),
               "[0,-1,255,0,20,0,0][0,-1,255,0,20,0,0][0,-1,255,0,20,0,0]"),
       {kMessage, Type(Msg::kEditor, "Typed meanwhile"), ShowPage(1), Click(Call::kDial),
        Click(Call::kConfirmation), Type(Call::kWaiting, "15.5"), Type(Call::kLoops, "3"),
        Choose(Call::kFirstReceiver + 1, 1), Pump(), Ok()},
       OutText("1,0,1,0,8,1,1500,3,1", ",B:,C:+4930111,D:,E:,F:", ""), 1,
       {Record(24, "05 00 01 14 0F 03"), Record(60, Slot("+4930111")),
        Record(140, "00 20")}}},  // an empty Text Message
      {{1, "+4930111"}});
}

// Attachment names are squeezed into the first slots, on opening and on
// storing; a tab never shown keeps them as they were.
TEST_F(MessagingPages, AttachmentsAreSqueezedIntoTheFirstSlots) {
  const std::string text = "A:1,0,0,1,0,8,0,B:,C:,D:,E:,F:,G:,,H:,,a.txt,,,b.txt,,";
  const std::string names = "LEVEL.CSV" + std::string(1, '\0') + "a_name_too_l" + '\0';
  Run({{"attachments", kEmail, text,
        {ShowPage(1), Text(Att::kFirstName + 1, "b.txt"), Type(Att::kFirstName, ""),
         Type(Att::kFirstName + 1, ""), Type(Att::kFirstName + 2, "LEVEL.CSV"),
         Type(Att::kFirstName + 5, "a_name_too_long.txt"), Ok()},
        "A:1,0,0,1,0,8,0,B:,C:,D:,E:,F:,G:,,H:LEVEL.CSV,a_name_too_l,,,,,,", 1,
        {[names](PageRun& run) {
          std::vector<uint8_t> record = CodeAlone(kEmail, run.outcome.text);
          const size_t at = record.size() - names.size() - 9;
          EXPECT_EQ(HexAt(record, at, 9), "02 0A 0D 00 00 00 00 00 00");
          EXPECT_EQ(HexAt(record, at + 9, names.size()), HexOf(names));
        }},
        "OSV-2410-4G"},
       {"an unseen tab keeps them", kEmail, text, {Ok()}, "", 1, {}, "OSV-2410-4G"}});
}

}  // namespace
}  // namespace ostrevan::testing
