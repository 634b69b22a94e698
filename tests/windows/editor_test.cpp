// The real sheet of the real ostrevan.dll: Function_Edit runs its modal
// loop on this thread while a timer acts as the user, by control id. The
// pages' rules are proven headless (tests/blocks/*/..._pages_test.cpp);
// here only what needs the window system: the sheets and their tabs, real
// message boxes over the modal loop, real keys and clicks, the dialogs run
// from the pages and the file-open dialog.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "windows/plugin_dll.h"
#include "windows/ui_script.h"

namespace ostrevan::windows_testing {
namespace {

constexpr int kModbus = 1, kMemoryWrite = 3, kSmsOutput = 9;
constexpr int kMqttPublish = 6, kMqttConnect = 7;

// Control ids of the pages, as the models define them.
constexpr int kCommand = 1292, kDataAddress = 1294;
constexpr int kRecordIndex = 1338;
constexpr int kSmsReceiver1 = 1211, kSmsPhonebook = 1220, kCallReceiver1 = 1311;
constexpr int kParamsMessage = 1802, kMessageEditor = 1803, kRemaining = 1805, kSetMessage = 1806;
constexpr int kBookGrid = 1100, kBookAdd = 1101, kBookDelete = 1103, kBookItem = 1001;
constexpr int kMessageScreen = 1001;
constexpr int kMqttTls = 2110, kMqttSelfSigned = 2113, kMqttCaFile = 2114, kMqttBrowseCaFile = 2117;
constexpr int kMqttGrid = 2401, kMqttAdd = 2402, kMqttDelete = 2404;
constexpr int kMqttItemRegister = 2502, kMqttItemFormat = 2504, kMqttItemComment = 2501;
constexpr int kFileNameBox = 0x47c;  // the common file dialog's file name box
constexpr char kDefaultNumber[] = "+41000000000";
constexpr char kCardCpu[] = "OSV-2410";  // a model with an internal card

struct Edited {
  int result;
  std::string text;
};

// Runs Function_Edit on `text` while `script` plays, with `cpu` selected.
Edited Edit(int type, const std::string& text, UiScript& script, const char* cpu = "") {
  PluginDll dll;
  dll.variable_init(cpu, nullptr);
  uint32_t length = 0;
  dll.param_length(type, &length);
  std::vector<char> buffer(length, '\0');
  text.copy(buffer.data(), length - 1);
  int result = script.Run([&] { return dll.edit(type, buffer.data()); });
  return {result, buffer.data()};
}

bool Enabled(HWND sheet, int id) {
  HWND control = FindControl(sheet, id);
  EXPECT_NE(control, nullptr) << "no control " << id;
  return control && IsWindowEnabled(control) != FALSE;
}

std::vector<std::string> ItemsOf(HWND root, int id) {
  HWND list = FindControl(root, id);
  EXPECT_NE(list, nullptr) << "no control " << id;
  return list ? ComboItems(list) : std::vector<std::string>{};
}

// Every block's sheet opens through the DLL with its tabs in order; Cancel
// leaves the text as it was.
TEST(Sheets, EveryBlockOpensWithItsTabsAndCancelKeepsTheText) {
  using Tabs = std::vector<std::string>;
  const Tabs params{"Params"};
  const struct {
    int type;
    const char* text;
    Tabs tabs;
  } cases[] = {
      {11, "A:1", params},
      {kModbus, "A:0,1,5,B:9600,8,1,N,C:,D:1,1,1,0,E:176,0,1,1", params},
      {2, "A:1,0,0,0,0,0,0,B: ,C:1,161,0,1,D:0,1,E:LOG,F:", params},
      {kMemoryWrite, "A:1,0,0,0,1,0,1,1,0,B: ,C:0,161,0,1,D:LOG,E:", params},
      {4, "A:5,0,0,0,5010,B:10.0.0.1", params},
      {12, "A:0,0,10,B:502,C:10.0.0.2,D:1,1,16,1,E:0,161,0,1,1", params},
      {8, "A:0,8,1,B:+4930111,C:,D:,E:,F:", params},
      {kSmsOutput, "A:1,0,1,0,8,0,0,0,0,B:+4930111,C:,D:,E:,F:,G:Hi,H:,", {"Params", "Call"}},
      {10, "A:1,0,0,1,0,8,0,B:Alarm,C:,D:,E:,F:Hi,G:,,H:level.csv,,,,,,,",
       {"Params", "Attachment"}},
      {5, "A:30,30,10,0,160,0,0,0,0,B:1,0,1,C:,D:,E:,F:in", {"Comm", "Params"}},
      {kMqttPublish, "A:30,30,10,0,0,B:1,0,1,C:,D:,E:,F:out,G1:176,0,0,1,5,0,H1:,I1:a",
       {"Comm", "Params"}},
      {kMqttConnect, "A:30,10,0,1884,1,1,0,0,0,B:id,C:,D:,E:10.0.0.3,F:ca.pem,G:,H:,I:", params},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.type);
    HWND sheet = nullptr;
    UiScript script;
    script.Then(WaitFor("Property", sheet)).Then(Do([&] {
      EXPECT_EQ(TabTitles(sheet), c.tabs);
      PostClick(sheet, IDCANCEL);
    }));
    Edited edited = Edit(c.type, c.text, script);
    EXPECT_EQ(edited.result, 0);
    EXPECT_EQ(edited.text, c.text);
  }
}

// A refused check shows the real message box over the modal sheet; the
// sheet stays open, with the focus on the control at fault.
TEST(Sheets, ARefusedCheckShowsItsMessageAndKeepsTheSheetOpen) {
  const struct {
    int type;
    const char* text;
    const char* cpu;
    int command_item;  // -1: left alone
    int id;
    const char* typed;
    const char* caption;
    const char* message;
  } cases[] = {
      {kModbus, "A:0,1,5,B:9600,8,1,N,C:,D:1,1,1,0,E:176,0,1,1", "", 2, kDataAddress, "I0.0",
       "ERR", "The register you used does not match the modbus command, please select it again!"},
      {kMemoryWrite, "A:1,0,0,0,1,0,1,1,0,B: ,C:9,176,0,1,D:LOG,E:", kCardCpu, -1, kRecordIndex,
       "70000", "Ostrevan", "Please enter an integer between 0 and 65535."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    HWND sheet = nullptr;
    UiScript script;
    script.Then(WaitFor("Property", sheet)).Then(Do([&] {
      if (c.command_item >= 0) SelectItem(sheet, kCommand, c.command_item);
      TypeText(sheet, c.id, c.typed);
      PostClick(sheet, IDOK);
    }));
    AnswerBox(script, c.caption, c.message, IDOK).Then(Do([&] {
      EXPECT_EQ(FindDialog("Property"), sheet) << "the sheet stays open";
      if (c.type == kMemoryWrite) {
        EXPECT_EQ(GetFocus(), FindControl(sheet, c.id));
      }
      PostClick(sheet, IDCANCEL);
    }));
    Edited edited = Edit(c.type, c.text, script, c.cpu);
    EXPECT_EQ(edited.result, 0);
    EXPECT_EQ(edited.text, c.text);
  }
}

// ------------------------------------------------------------ messaging

// A click on the address of `row` (1 = the first entry) in the phone book
// grid: header 30 pixels high, rows 25.
void ClickBookRow(HWND book, int row) {
  HWND grid = GetDlgItem(book, kBookGrid);
  LPARAM at = MAKELPARAM(150, 30 + (row - 1) * 25 + 12);
  SendMessageA(grid, WM_LBUTTONDOWN, 0, at);
  SendMessageA(grid, WM_LBUTTONUP, 0, at);
}

// The "Phonebook" button through the real phone book dialog: the entry of
// row 2 deleted after the real question, a new one added through the item
// editor, OK; both tabs' lists come back refilled and the receiver that the
// book lost is emptied.
TEST(SmsOutputSheet, ThePhonebookButtonRunsThePhoneBookAndRefillsTheLists) {
  HWND sheet = nullptr, book = nullptr, item = nullptr;
  const std::vector<std::string> before{kDefaultNumber, "+4930111", ""};
  const std::vector<std::string> after{kDefaultNumber, "+4930222", ""};
  UiScript script;
  script.Then(WaitFor("Property", sheet))
      .Then(Do([&] {
        EXPECT_EQ(ItemsOf(sheet, kSmsReceiver1), before);
        ShowTab(sheet, 1);  // the call page exists from now on
        EXPECT_EQ(ItemsOf(sheet, kCallReceiver1), before);
        ShowTab(sheet, 0);
        PostClick(sheet, kSmsPhonebook);
      }))
      .Then(WaitFor("Phonebook", book))
      .Then(Do([&] {
        ClickBookRow(book, 2);
        PostClick(book, kBookDelete);
      }));
  AnswerBox(script, "Ostrevan", "Delete [02],[+4930111] ?", IDYES)
      .Then(Do([&] { PostClick(book, kBookAdd); }))
      .Then(WaitFor("Phonebook settings", item))
      .Then(Do([&] {
        EXPECT_EQ(SendMessageA(GetDlgItem(item, kBookItem), EM_GETLIMITTEXT, 0, 0), 49);
        TypeText(item, kBookItem, "+4930222");
        PostClick(item, IDOK);
      }))
      .Then(WaitUntilGone("Phonebook settings"))
      .Then(Do([&] { PostClick(book, IDOK); }))
      .Then(WaitUntilGone("Phonebook"))
      .Then(Do([&] {
        EXPECT_EQ(ItemsOf(sheet, kSmsReceiver1), after);
        EXPECT_EQ(ComboSelection(FindControl(sheet, kSmsReceiver1)), 2) << "emptied";
        ShowTab(sheet, 1);
      }))
      .Then(Do([&] {  // the call page took the notification in the meantime
        EXPECT_EQ(ItemsOf(sheet, kCallReceiver1), after);
        EXPECT_EQ(ComboSelection(FindControl(sheet, kCallReceiver1)), 2);
        PostClick(sheet, IDOK);
      }));
  Edited edited = Edit(kSmsOutput, "A:1,0,1,0,8,0,0,0,0,B:+4930111,C:,D:,E:,F:,G:Hi,H:,", script);
  EXPECT_EQ(edited.result, 1);
  EXPECT_EQ(edited.text, "A:1,0,1,0,8,0,0,0,0,B:,C:,D:,E:,F:,G:Hi,H:,");
}

// "Set Message" through the real screen editor and back.
TEST(SmsOutputSheet, SetMessageRunsTheScreenEditor) {
  HWND sheet = nullptr, editor = nullptr;
  UiScript script;
  script.Then(WaitFor("Property", sheet))
      .Then(Do([&] { PostClick(sheet, kParamsMessage); }))
      .Then(Do([&] {
        EXPECT_TRUE(Enabled(sheet, kSetMessage));
        PostClick(sheet, kSetMessage);
      }))
      .Then(WaitFor("message for parameters", editor))
      .Then(Do([&] {
        HWND screen = GetDlgItem(editor, kMessageScreen);
        SetFocus(screen);
        for (char c : std::string("AB")) PostMessageA(screen, WM_CHAR, c, 1);
        PostClick(editor, IDOK);
      }))
      .Then(WaitUntilGone("message for parameters"))
      .Then(Do([&] { PostClick(sheet, IDOK); }));
  Edited edited = Edit(kSmsOutput, "A:1,0,1,0,8,0,0,0,0,B:,C:,D:,E:,F:,G:,H:,", script);
  EXPECT_EQ(edited.result, 1);
  EXPECT_EQ(edited.text.rfind("A:0,0,1,0,8,0,0,0,0,B:,C:,D:,E:,F:,G:AB,,,", 0), 0u) << edited.text;
  EXPECT_NE(edited.text.find(",H:[0,-1,255,0,20,0,0]"), std::string::npos) << edited.text;
}

// A TEXT message with a character beyond Latin-1, typed: the real message
// box, then the sheet closes with the message as it was.
TEST(SmsOutputSheet, ASignBeyondLatin1IsRefused) {
  HWND sheet = nullptr, box = nullptr;
  UiScript script;
  script.Then(WaitFor("Property", sheet)).Then(Do([&] {
    // Typed: a multi-line edit reports no change for a text set whole.
    HWND edit = FindControl(sheet, kMessageEditor);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    for (char c : std::string("5 \x80")) SendMessageA(edit, WM_CHAR, static_cast<BYTE>(c), 1);
    EXPECT_EQ(TextOf(FindControl(sheet, kRemaining)), "97");
    PostClick(sheet, IDOK);
  }));
  script.Then(WaitFor("ERR", box)).Then(Do([&] {  // the sheet closes behind it
    EXPECT_EQ(MessageText(box), "This sign \x80 can not be used!");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  }));
  const std::string text = "A:1,0,1,0,8,0,0,0,0,B:,C:,D:,E:,F:,G:Hi,H:,";
  Edited edited = Edit(kSmsOutput, text, script);
  EXPECT_EQ(edited.result, 1);
  EXPECT_EQ(edited.text, text);
}

// ------------------------------------------------------------------ MQTT

// A click on data row `row` (1 = the first item) of the publish grid: rows
// 20 pixels high under the header. A double click opens the item dialog:
// posted, so that the step returns.
void ClickPublishRow(HWND sheet, int row, bool twice = false) {
  HWND grid = FindControl(sheet, kMqttGrid);
  ASSERT_NE(grid, nullptr);
  LPARAM at = MAKELPARAM(40, row * 20 + 10);
  if (twice) {
    PostMessageA(grid, WM_LBUTTONDBLCLK, 0, at);
    return;
  }
  SendMessageA(grid, WM_LBUTTONDOWN, 0, at);
  SendMessageA(grid, WM_LBUTTONUP, 0, at);
}

// Add and Edit through the real item dialog; Delete asked twice, No then Yes.
TEST(MqttSheets, PublishAddEditAndDelete) {
  HWND sheet = nullptr, item = nullptr;
  const char* question = "Delete [Inputs - BOOL] ?";
  UiScript script;
  script.Then(WaitFor("Property", sheet))
      .Then(Do([&] {
        ShowTab(sheet, 1);
        PostClick(sheet, kMqttAdd);
      }))
      .Then(WaitFor("MQTT item", item))
      .Then(Do([&] {
        EXPECT_FALSE(IsWindowEnabled(FindControl(item, kMqttItemFormat)));
        TypeText(item, kMqttItemRegister, "VD4");
        EXPECT_EQ(ItemsOf(item, kMqttItemFormat),
                  (std::vector<std::string>{"DINT", "UDINT", "DWORD", "FLOAT"}));
        TypeText(item, kMqttItemComment, "Flow");
        PostClick(item, IDOK);
      }))
      .Then(WaitUntilGone("MQTT item"))
      .Then(Do([&] { ClickPublishRow(sheet, 2, true); }))  // edits "Level"
      .Then(WaitFor("MQTT item", item))
      .Then(Do([&] {
        EXPECT_EQ(TextOf(FindControl(item, kMqttItemRegister)), "VW10");
        TypeText(item, kMqttItemRegister, "MW2");
        PostClick(item, IDOK);
      }))
      .Then(WaitUntilGone("MQTT item"))
      .Then(Do([&] {
        ClickPublishRow(sheet, 1);
        PostClick(sheet, kMqttDelete);
      }));
  AnswerBox(script, "Ostrevan", question, IDNO).Then(Do([&] { PostClick(sheet, kMqttDelete); }));
  AnswerBox(script, "Ostrevan", question, IDYES).Then(Do([&] { PostClick(sheet, IDOK); }));
  Edited edited = Edit(kMqttPublish,
                       "A:30,30,10,0,0,B:1,0,1,C:,D:,E:,F:t,G1:176,0,3,2,5,0,H1:in,I1:Inputs,"
                       "G2:161,0,10,1,0,0,H2:lvl,I2:Level",
                       script);
  EXPECT_EQ(edited.result, 1);
  EXPECT_EQ(edited.text,
            "A:30,30,10,0,0,B:1,0,1,C:,D:,E:,F:t,G1:169,0,2,1,0,0,H1:lvl,I1:Level,"
            "G2:162,0,4,1,0,0,H2:,I2:Flow");
}

// "..." through the real file-open dialog: the chosen file's full path.
TEST(MqttSheets, TheCaFileButtonOpensTheFileDialog) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  char path[MAX_PATH] = {};
  ASSERT_NE(GetTempFileNameA(folder, "ca", 0, path), 0u);
  HWND sheet = nullptr, chooser = nullptr;
  UiScript script;
  script.Then(WaitFor("Property", sheet))
      .Then(Do([&] { PostClick(sheet, kMqttTls); }))
      .Then(Do([&] { PostClick(sheet, kMqttSelfSigned); }))
      .Then(Do([&] {
        EXPECT_TRUE(Enabled(sheet, kMqttCaFile));
        PostClick(sheet, kMqttBrowseCaFile);
      }))
      .Then(WaitFor("Open", chooser))
      .Then(Do([&] {
        SetDlgItemTextA(chooser, kFileNameBox, path);
        PostMessageA(chooser, WM_COMMAND, IDOK, 0);
      }))
      .Then(WaitUntilGone("Open"))
      .Then(Do([&] {
        EXPECT_EQ(TextOf(FindControl(sheet, kMqttCaFile)), path);
        PostClick(sheet, IDOK);
      }));
  Edited edited =
      Edit(kMqttConnect, "A:30,10,0,1884,1,0,0,0,0,B:,C:,D:,E:0.0.0.0,F:,G:,H:,I:", script);
  DeleteFileA(path);
  EXPECT_EQ(edited.result, 1);
  EXPECT_EQ(edited.text, std::string("A:30,10,0,1884,1,1,0,0,0,B:,C:,D:,E:0.0.0.0,F:") + path +
                             ",G:,H:,I:");
}

}  // namespace
}  // namespace ostrevan::windows_testing
