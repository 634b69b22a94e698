// The real sheet of the real ostrevan.dll: Function_Edit runs its modal
// loop on this thread while a timer acts as the user, by control id.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "windows/plugin_dll.h"
#include "windows/ui_script.h"

namespace ostrevan::windows_testing {
namespace {

constexpr int kWifi = 11;
constexpr int kModbus = 1;
constexpr int kMemoryRead = 2, kMemoryWrite = 3, kGprsConnect = 4, kGprsDataSend = 12;
constexpr int kSmsInput = 8, kSmsOutput = 9, kEmail = 10;

// Control ids of the pages, as the models define them.
constexpr int kWifiMode = 1401;
constexpr int kPort = 1183, kCommand = 1292, kDataAddress = 1294, kCount = 1185;
constexpr int kParity = 1192;
constexpr int kLocalCpu = 1191, kTransport = 1244, kRemote = 1005, kTargetIp = 1156,
              kTargetPort = 1182;
constexpr int kSocket1 = 5;  // "Ethernet: Socket 1" in the port list
constexpr int kCardPosition = 1183, kFileName = 1339, kRecordIndex = 1338, kUseRecordIndex = 1084;
constexpr int kCustomize = 2047, kByDomain = 2032, kServerIp = 2044, kDomain = 2034;
constexpr int kSendCommand = 1292, kSendCount = 1185, kSendDataAddress = 1294;
constexpr char kCardCpu[] = "OSV-2410";  // a model with an internal card
// The messaging pages, their message pages, and the dialogs they open.
constexpr int kSmsFormat = 1201, kSmsStyle = 1202, kSmsReceiver1 = 1211, kSmsPhonebook = 1220;
constexpr int kTextMessage = 1801, kParamsMessage = 1802, kMessageEditor = 1803,
              kRemaining = 1805, kSetMessage = 1806, kVbStart = 1811, kVbMaxLabel = 1814;
constexpr int kDial = 1301, kCallReceiver1 = 1311;
constexpr int kIdentification = 1705, kSmsInReceiver1 = 1711;
constexpr int kMailChannel = 1406, kAttachment1 = 1501, kAttachment3 = 1503, kBlockHint = 1601;
constexpr int kBookGrid = 1100, kBookAdd = 1101, kBookDelete = 1103, kBookItem = 1001;
constexpr int kMessageScreen = 1001;
constexpr char kDefaultNumber[] = "+41000000000";
// The MQTT pages and the item dialog.
constexpr int kMqttSubscribe = 5, kMqttPublish = 6, kMqttConnect = 7;
constexpr int kMqttTls = 2110, kMqttSelfSigned = 2113, kMqttCaFile = 2114, kMqttBrowseCaFile = 2117;
constexpr int kMqttGrid = 2401, kMqttAdd = 2402, kMqttEdit = 2403, kMqttDelete = 2404;
constexpr int kMqttItemRegister = 2502, kMqttItemFormat = 2504, kMqttItemComment = 2501;
constexpr int kFileNameBox = 0x47c;  // the common file dialog's file name box

constexpr const char* kRegisterMismatch =
    "The register you used does not match the modbus command, please select it again!";

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

UiScript::Step WaitForSheet(HWND& sheet) {
  return [&sheet] { return (sheet = FindDialog("Property")) != nullptr; };
}

UiScript::Step Do(std::function<void()> action) {
  return [action] {
    action();
    return true;
  };
}

struct WifiCase {
  const char* name;
  const char* text;
  int shown;   // selection on opening
  int choose;  // -1: leave the list alone
  int button;
  Edited expected;
};

class WifiSheet : public ::testing::TestWithParam<WifiCase> {};

TEST_P(WifiSheet, EditsTheMode) {
  const WifiCase& c = GetParam();
  HWND sheet = nullptr;
  UiScript script;
  script.Then(WaitForSheet(sheet)).Then(Do([&] {
    EXPECT_EQ(TextOf(sheet), "Property");
    EXPECT_EQ(TabTitles(sheet), std::vector<std::string>{"Params"});
    HWND list = FindControl(sheet, kWifiMode);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ComboItems(list), (std::vector<std::string>{"AP", "STA"}));
    EXPECT_EQ(ComboSelection(list), c.shown);
    if (c.choose >= 0) SelectItem(sheet, kWifiMode, c.choose);
    PostClick(sheet, c.button);
  }));
  Edited edited = Edit(kWifi, c.text, script);
  EXPECT_EQ(edited.result, c.expected.result);
  EXPECT_EQ(edited.text, c.expected.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WifiSheet,
    ::testing::Values(WifiCase{"OkTakesTheChoice", "A:0", 0, 1, IDOK, {1, "A:1"}},
                      WifiCase{"CancelKeepsTheText", "A:0", 0, 1, IDCANCEL, {0, "A:0"}},
                      WifiCase{"UnknownModeShowsNoSelectionAndIsKept", "A:5", -1, -1, IDOK,
                               {1, "A:5"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ModbusSheet, PortChangeSwapsTheChildForm) {
  HWND sheet = nullptr;
  UiScript script;
  script.Then(WaitForSheet(sheet)).Then(Do([&] {
    EXPECT_NE(FindControl(sheet, kParity), nullptr) << "serial child on a serial port";
    EXPECT_EQ(FindControl(sheet, kTransport), nullptr);
    SelectItem(sheet, kPort, kSocket1);
    EXPECT_EQ(FindControl(sheet, kParity), nullptr) << "the serial child is gone";
    HWND ip = FindControl(sheet, kTargetIp);
    ASSERT_NE(ip, nullptr) << "network child on a network port";
    PostClick(sheet, IDOK);
  }));
  Edited edited = Edit(kModbus, "A:0,1,5,B:9600,8,1,N,C:,D:1,1,1,0,E:176,0,1,1", script);
  EXPECT_EQ(edited.result, 1);
  EXPECT_EQ(edited.text.rfind("A:11,", 0), 0u) << edited.text;
  EXPECT_NE(edited.text.find(",C:"), std::string::npos) << edited.text;
}

TEST(ModbusSheet, CommandChangeLimitsTheCount) {
  HWND sheet = nullptr;
  UiScript script;
  script.Then(WaitForSheet(sheet)).Then(Do([&] {
    TypeText(sheet, kCount, "100");
    SelectItem(sheet, kCommand, 2);  // 03 Read Holding Registers: at most 50
    EXPECT_EQ(TextOf(FindControl(sheet, kCount)), "50");
    SelectItem(sheet, kCommand, 0);  // back to 01: the 100 does not come back
    EXPECT_EQ(TextOf(FindControl(sheet, kCount)), "50");
    PostClick(sheet, IDOK);
  }));
  Edited edited = Edit(kModbus, "A:0,1,5,B:9600,8,1,N,C:,D:1,1,1,0,E:176,0,1,1", script);
  EXPECT_EQ(edited.result, 1);
  EXPECT_NE(edited.text.find(",D:1,1,50,0,"), std::string::npos) << edited.text;
}

TEST(ModbusSheet, NetworkChildEnablesByRoleAndTransport) {
  struct Rule {
    int local_cpu, transport;  // items: Client/Server, TCP/UDP
    bool remote, ip, port;
  };
  const Rule rules[] = {{0, 0, true, false, false},
                        {1, 0, false, true, false},
                        {1, 1, false, true, true},
                        {0, 1, true, false, false}};
  HWND sheet = nullptr;
  UiScript script;
  script.Then(WaitForSheet(sheet)).Then(Do([&] {
    for (const Rule& rule : rules) {
      SelectItem(sheet, kLocalCpu, rule.local_cpu);
      SelectItem(sheet, kTransport, rule.transport);
      SCOPED_TRACE("local cpu " + std::to_string(rule.local_cpu) + ", transport " +
                   std::to_string(rule.transport));
      EXPECT_EQ(IsWindowEnabled(FindControl(sheet, kRemote)) != FALSE, rule.remote);
      EXPECT_EQ(IsWindowEnabled(FindControl(sheet, kTargetIp)) != FALSE, rule.ip);
      // 1182 is also the page's slave address: look in the child form.
      HWND child = GetParent(FindControl(sheet, kTransport));
      EXPECT_EQ(IsWindowEnabled(GetDlgItem(child, kTargetPort)) != FALSE, rule.port);
    }
    PostClick(sheet, IDCANCEL);
  }));
  Edited edited = Edit(kModbus, "A:11,1,5,B:502,0,1,0,C:192.168.1.10,D:1,3,1,0,E:178,0,1,1",
                       script);
  EXPECT_EQ(edited.result, 0);
}

TEST(ModbusSheet, RefusedCheckKeepsTheSheetOpenAndCancelKeepsTheText) {
  const std::string text = "A:0,1,5,B:9600,8,1,N,C:,D:1,1,1,0,E:176,0,1,1";
  HWND sheet = nullptr;
  HWND box = nullptr;
  UiScript script;
  script.Then(WaitForSheet(sheet))
      .Then(Do([&] {
        SelectItem(sheet, kCommand, 2);  // a word command on the bit operand I0.0
        TypeText(sheet, kDataAddress, "I0.0");
        PostClick(sheet, IDOK);
      }))
      .Then([&] { return (box = FindDialog("ERR")) != nullptr; })
      .Then(Do([&] {
        EXPECT_EQ(MessageText(box), kRegisterMismatch);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
      }))
      .Then([&] { return FindDialog("ERR") == nullptr; })
      .Then(Do([&] {
        EXPECT_EQ(FindDialog("Property"), sheet) << "the sheet stays open";
        PostClick(sheet, IDCANCEL);
      }));
  Edited edited = Edit(kModbus, text, script);
  EXPECT_EQ(edited.result, 0);
  EXPECT_EQ(edited.text, text);
}

bool Enabled(HWND sheet, int id) {
  HWND control = FindControl(sheet, id);
  EXPECT_NE(control, nullptr) << "no control " << id;
  return control && IsWindowEnabled(control) != FALSE;
}

TEST(MemoryReadSheet, FiltersTheFileNameAndStoresIt) {
  HWND sheet = nullptr;
  UiScript script;
  script.Then(WaitForSheet(sheet)).Then(Do([&] {
    EXPECT_FALSE(Enabled(sheet, kCardPosition));
    TypeText(sheet, kFileName, "ab-c d1234567");
    EXPECT_EQ(TextOf(FindControl(sheet, kFileName)), "ABCD12");
    PostClick(sheet, IDOK);
  }));
  Edited edited = Edit(kMemoryRead, "A:1,0,0,0,0,0,0,B: ,C:1,176,0,1,D:5,1,E:OLD,F:", script);
  EXPECT_EQ(edited.result, 1);
  EXPECT_EQ(edited.text, "A:1,0,0,0,0,0,0,B: ,C:1,176,0,1,D:5,1,E:ABCD12,F:");
}

TEST(MemoryWriteSheet, TheRecordIndexBoxClearsTheIndex) {
  HWND sheet = nullptr;
  UiScript script;
  script.Then(WaitForSheet(sheet))
      .Then(Do([&] {
        EXPECT_TRUE(Enabled(sheet, kRecordIndex));
        PostClick(sheet, kUseRecordIndex);
      }))
      .Then(Do([&] {
        EXPECT_FALSE(Enabled(sheet, kRecordIndex));
        EXPECT_EQ(TextOf(FindControl(sheet, kRecordIndex)), "0");
        PostClick(sheet, IDOK);
      }));
  Edited edited =
      Edit(kMemoryWrite, "A:1,0,0,0,1,0,1,1,0,B: ,C:9,176,0,1,D:LOG,E:", script, kCardCpu);
  EXPECT_EQ(edited.result, 1);
  // I0.0 is a bit operand: the format becomes BOOL (5)
  EXPECT_EQ(edited.text, "A:1,0,0,0,1,0,1,1,5,B: ,C:0,176,0,1,D:LOG,E:");
}

TEST(MemoryWriteSheet, ARecordIndexOutOfRangeShowsTheRangeMessage) {
  const std::string text = "A:1,0,0,0,1,0,1,1,0,B: ,C:9,176,0,1,D:LOG,E:";
  HWND sheet = nullptr;
  HWND box = nullptr;
  UiScript script;
  script.Then(WaitForSheet(sheet))
      .Then(Do([&] {
        TypeText(sheet, kRecordIndex, "70000");
        PostClick(sheet, IDOK);
      }))
      .Then([&] { return (box = FindDialog("Ostrevan")) != nullptr; })
      .Then(Do([&] {
        EXPECT_EQ(MessageText(box), "Please enter an integer between 0 and 65535.");
        PostMessageA(box, WM_COMMAND, IDOK, 0);
      }))
      .Then([&] { return FindDialog("Ostrevan") == nullptr; })
      .Then(Do([&] {
        EXPECT_EQ(FindDialog("Property"), sheet) << "the sheet stays open";
        EXPECT_EQ(GetFocus(), FindControl(sheet, kRecordIndex));
        PostClick(sheet, IDCANCEL);
      }));
  Edited edited = Edit(kMemoryWrite, text, script, kCardCpu);
  EXPECT_EQ(edited.result, 0);
  EXPECT_EQ(edited.text, text);
}

TEST(GprsConnectSheet, CustomizeByDomainName) {
  HWND sheet = nullptr;
  UiScript script;
  script.Then(WaitForSheet(sheet))
      .Then(Do([&] {
        EXPECT_FALSE(Enabled(sheet, kServerIp));
        PostClick(sheet, kCustomize);
      }))
      .Then(Do([&] {
        EXPECT_TRUE(Enabled(sheet, kServerIp));
        EXPECT_FALSE(Enabled(sheet, kDomain));
        PostClick(sheet, kByDomain);
      }))
      .Then(Do([&] {
        EXPECT_FALSE(Enabled(sheet, kServerIp));
        EXPECT_TRUE(Enabled(sheet, kDomain));
        TypeText(sheet, kDomain, "plc.example.net");
        PostClick(sheet, IDOK);
      }));
  Edited edited = Edit(kGprsConnect, "A:5,1,0,0,5010,B:192.168.0.21", script);
  EXPECT_EQ(edited.result, 1);
  EXPECT_EQ(edited.text, "A:5,0,1,0,5010,B:plc.example.net");
}

TEST(GprsDataSendSheet, ACommandChangeLimitsTheCount) {
  HWND sheet = nullptr;
  UiScript script;
  script.Then(WaitForSheet(sheet)).Then(Do([&] {
    EXPECT_FALSE(Enabled(sheet, kServerIp)) << "PLC system";
    TypeText(sheet, kSendCount, "60");
    SelectItem(sheet, kSendCommand, 0);  // 15: at most 32
    EXPECT_EQ(TextOf(FindControl(sheet, kSendCount)), "32");
    TypeText(sheet, kSendDataAddress, "V1.0");
    PostClick(sheet, IDOK);
  }));
  Edited edited = Edit(kGprsDataSend, "A:1,0,10,B:0,C:,D:1,1,16,1,E:0,161,0,60,60", script);
  EXPECT_EQ(edited.result, 1);
  EXPECT_EQ(edited.text, "A:1,0,10,B:0,C:,D:1,1,15,1,E:0,159,8,32,32");
}

TEST(GprsDataSendSheet, RefusedCheckKeepsTheSheetOpenAndCancelKeepsTheText) {
  const std::string text = "A:1,0,10,B:0,C:,D:1,1,16,1,E:0,161,0,1,1";
  HWND sheet = nullptr;
  HWND box = nullptr;
  UiScript script;
  script.Then(WaitForSheet(sheet))
      .Then(Do([&] {
        TypeText(sheet, kSendDataAddress, "V0.0");  // a bit operand for command 16
        PostClick(sheet, IDOK);
      }))
      .Then([&] { return (box = FindDialog("ERR")) != nullptr; })
      .Then(Do([&] {
        EXPECT_EQ(MessageText(box), "Command 16 only supports WORD variables!");
        PostMessageA(box, WM_COMMAND, IDOK, 0);
      }))
      .Then([&] { return FindDialog("ERR") == nullptr; })
      .Then(Do([&] {
        EXPECT_EQ(FindDialog("Property"), sheet) << "the sheet stays open";
        PostClick(sheet, IDCANCEL);
      }));
  Edited edited = Edit(kGprsDataSend, text, script);
  EXPECT_EQ(edited.result, 0);
  EXPECT_EQ(edited.text, text);
}

// ------------------------------------------------------------ messaging

UiScript::Step WaitFor(const char* caption, HWND& window) {
  return [caption, &window] { return (window = FindDialog(caption)) != nullptr; };
}

UiScript::Step WaitUntilGone(const char* caption) {
  return [caption] { return FindDialog(caption) == nullptr; };
}

std::vector<std::string> ItemsOf(HWND root, int id) {
  HWND list = FindControl(root, id);
  EXPECT_NE(list, nullptr) << "no control " << id;
  return list ? ComboItems(list) : std::vector<std::string>{};
}

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
  HWND sheet = nullptr, book = nullptr, question = nullptr, item = nullptr;
  const std::vector<std::string> before{kDefaultNumber, "+4930111", ""};
  const std::vector<std::string> after{kDefaultNumber, "+4930222", ""};
  UiScript script;
  script.Then(WaitForSheet(sheet))
      .Then(Do([&] {
        EXPECT_EQ(TabTitles(sheet), (std::vector<std::string>{"Params", "Call"}));
        EXPECT_EQ(ItemsOf(sheet, kSmsReceiver1), before);
        EXPECT_EQ(ComboSelection(FindControl(sheet, kSmsReceiver1)), 1);
        ShowTab(sheet, 1);  // the call page exists from now on
        EXPECT_EQ(ItemsOf(sheet, kCallReceiver1), before);
        ShowTab(sheet, 0);
        PostClick(sheet, kSmsPhonebook);
      }))
      .Then(WaitFor("Phonebook", book))
      .Then(Do([&] {
        ClickBookRow(book, 2);
        PostClick(book, kBookDelete);
      }))
      .Then(WaitFor("Ostrevan", question))
      .Then(Do([&] {
        EXPECT_EQ(MessageText(question), "Delete [02],[+4930111] ?");
        PostMessageA(question, WM_COMMAND, IDYES, 0);
      }))
      .Then(WaitUntilGone("Ostrevan"))
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

// Ticking the dial box on the call tab reaches the params tab and its
// message page through the sheet's page notification.
TEST(SmsOutputSheet, DiallingDisablesTheMessage) {
  HWND sheet = nullptr;
  UiScript script;
  script.Then(WaitForSheet(sheet))
      .Then(Do([&] {
        EXPECT_TRUE(Enabled(sheet, kMessageEditor));
        ShowTab(sheet, 1);
        PostClick(sheet, kDial);
      }))
      .Then(Do([&] {
        EXPECT_TRUE(Enabled(sheet, kCallReceiver1));
        SelectItem(sheet, kCallReceiver1, 0);
        ShowTab(sheet, 0);
      }))
      .Then(Do([&] {
        EXPECT_FALSE(Enabled(sheet, kSmsReceiver1));
        EXPECT_FALSE(Enabled(sheet, kSmsFormat));
        EXPECT_FALSE(Enabled(sheet, kMessageEditor));
        EXPECT_FALSE(Enabled(sheet, kTextMessage));
        PostClick(sheet, IDOK);
      }));
  Edited edited = Edit(kSmsOutput, "A:1,0,1,0,8,0,0,0,0,B:,C:,D:,E:,F:,G:Hi,H:,", script);
  EXPECT_EQ(edited.result, 1);
  EXPECT_EQ(edited.text, "A:1,0,1,0,8,0,0,0,1,B:+41000000000,C:,D:,E:,F:,G:,H:,");
}

TEST(SmsOutputSheet, StyleAndFormatSwapTheMessagePageAndItsLimits) {
  HWND sheet = nullptr;
  UiScript script;
  script.Then(WaitForSheet(sheet)).Then(Do([&] {
    SelectItem(sheet, kSmsFormat, 1);
    EXPECT_EQ(TextOf(FindControl(sheet, kRemaining)), "68");
    SelectItem(sheet, kSmsStyle, 1);
    EXPECT_EQ(FindControl(sheet, kMessageEditor), nullptr) << "the text page is gone";
    EXPECT_NE(FindControl(sheet, kVbStart), nullptr);
    EXPECT_EQ(TextOf(FindControl(sheet, kVbMaxLabel)), "Max. 70");
    SelectItem(sheet, kSmsStyle, 0);
    EXPECT_EQ(TextOf(FindControl(sheet, kMessageEditor)), "Hi");
    PostClick(sheet, IDCANCEL);
  }));
  const std::string text = "A:1,0,1,0,8,0,0,0,0,B:,C:,D:,E:,F:,G:Hi,H:,";
  Edited edited = Edit(kSmsOutput, text, script);
  EXPECT_EQ(edited.result, 0);
  EXPECT_EQ(edited.text, text);
}

// "Set Message" through the real screen editor and back.
TEST(SmsOutputSheet, SetMessageRunsTheScreenEditor) {
  HWND sheet = nullptr, editor = nullptr;
  UiScript script;
  script.Then(WaitForSheet(sheet))
      .Then(Do([&] {
        EXPECT_FALSE(Enabled(sheet, kSetMessage));
        PostClick(sheet, kParamsMessage);
      }))
      .Then(Do([&] {
        EXPECT_TRUE(Enabled(sheet, kSetMessage));
        EXPECT_FALSE(Enabled(sheet, kMessageEditor));
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

// A TEXT message with a character beyond Latin-1: the real message box,
// then the sheet closes with the message as it was.
TEST(SmsOutputSheet, ASignBeyondLatin1IsRefused) {
  HWND sheet = nullptr, box = nullptr;
  UiScript script;
  script.Then(WaitForSheet(sheet))
      .Then(Do([&] {
        // Typed: a multi-line edit reports no change for a text set whole.
        HWND edit = FindControl(sheet, kMessageEditor);
        SetFocus(edit);
        SendMessageA(edit, EM_SETSEL, 0, -1);
        for (char c : std::string("5 \x80")) SendMessageA(edit, WM_CHAR, static_cast<BYTE>(c), 1);
        EXPECT_EQ(TextOf(FindControl(sheet, kRemaining)), "97");
        PostClick(sheet, IDOK);
      }))
      .Then(WaitFor("ERR", box))
      .Then(Do([&] {
        EXPECT_EQ(MessageText(box), "This sign \x80 can not be used!");
        PostMessageA(box, WM_COMMAND, IDOK, 0);
      }));
  const std::string text = "A:1,0,1,0,8,0,0,0,0,B:,C:,D:,E:,F:,G:Hi,H:,";
  Edited edited = Edit(kSmsOutput, text, script);
  EXPECT_EQ(edited.result, 1);
  EXPECT_EQ(edited.text, text);
}

TEST(SmsInputSheet, IdentificationEnablesTheLists) {
  HWND sheet = nullptr;
  UiScript script;
  script.Then(WaitForSheet(sheet))
      .Then(Do([&] {
        EXPECT_EQ(TabTitles(sheet), std::vector<std::string>{"Params"});
        EXPECT_FALSE(Enabled(sheet, kSmsInReceiver1));
        PostClick(sheet, kIdentification);
      }))
      .Then(Do([&] {
        EXPECT_TRUE(Enabled(sheet, kSmsInReceiver1));
        SelectItem(sheet, kSmsInReceiver1, 0);
        PostClick(sheet, IDOK);
      }));
  Edited edited = Edit(kSmsInput, "A:0,8,0,B:,C:,D:,E:,F:", script);
  EXPECT_EQ(edited.result, 1);
  EXPECT_EQ(edited.text, "A:0,8,1,B:+41000000000,C:,D:,E:,F:");
}

TEST(EmailSheet, TheAttachmentTabShowsTheHintAndSqueezesTheNames) {
  HWND sheet = nullptr;
  UiScript script;
  script.Then(WaitForSheet(sheet))
      .Then(Do([&] {
        EXPECT_EQ(TabTitles(sheet), (std::vector<std::string>{"Params", "Attachment"}));
        EXPECT_FALSE(Enabled(sheet, kMailChannel));
        EXPECT_EQ(ComboItems(FindControl(sheet, kMailChannel)),
                  (std::vector<std::string>{"GSM", "Ethernet"}));
        ShowTab(sheet, 1);
      }))
      .Then(Do([&] {
        EXPECT_EQ(TextOf(FindControl(sheet, kAttachment1)), "old.csv");
        EXPECT_NE(TextOf(FindControl(sheet, kBlockHint)).find("The CPU [OSV-2410] with the "
                                                              "firmware version must be >= V155"),
                  std::string::npos);
        TypeText(sheet, kAttachment1, "");
        TypeText(sheet, kAttachment3, "LEVEL.CSV");
        PostClick(sheet, IDOK);
      }));
  Edited edited = Edit(kEmail, "A:1,0,0,1,0,8,0,B:,C:,D:,E:,F:,G:,,H:,,,,,old.csv,,", script,
                       "OSV-2410");
  EXPECT_EQ(edited.result, 1);
  EXPECT_EQ(edited.text, "A:1,0,0,1,0,8,0,B:,C:,D:,E:,F:,G:,,H:LEVEL.CSV,,,,,,,");
}

// ------------------------------------------------------------------ MQTT

constexpr char kPublishText[] =
    "A:30,30,10,0,0,B:1,0,1,C:,D:,E:,F:t,G1:176,0,3,2,5,0,H1:in,I1:Inputs,"
    "G2:161,0,10,1,0,0,H2:lvl,I2:Level";

TEST(MqttSheets, SubscribeAndPublishShowCommThenParams) {
  for (int type : {kMqttSubscribe, kMqttPublish}) {
    HWND sheet = nullptr;
    UiScript script;
    script.Then(WaitForSheet(sheet)).Then(Do([&] {
      EXPECT_EQ(TabTitles(sheet), (std::vector<std::string>{"Comm", "Params"}));
      PostClick(sheet, IDCANCEL);
    }));
    EXPECT_EQ(Edit(type, "A:30,30,10,0,0,B:1,0,1,C:,D:,E:,F:", script).result, 0);
  }
}

// A click on data row `row` (1 = the first item) of the publish grid: rows
// 20 pixels high under the header.
// A double click opens the item dialog: posted, so that the step returns.
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
  HWND sheet = nullptr, item = nullptr, question = nullptr;
  auto answer = [&](int button) {
    return Do([&, button] {
      EXPECT_EQ(MessageText(question), "Delete [Inputs - BOOL] ?");
      PostMessageA(question, WM_COMMAND, button, 0);
    });
  };
  UiScript script;
  script.Then(WaitForSheet(sheet))
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
      .Then(Do([&] {
        ClickPublishRow(sheet, 2, true);  // edits "Level"
      }))
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
      }))
      .Then(WaitFor("Ostrevan", question))
      .Then(answer(IDNO))
      .Then(WaitUntilGone("Ostrevan"))
      .Then(Do([&] { PostClick(sheet, kMqttDelete); }))
      .Then(WaitFor("Ostrevan", question))
      .Then(answer(IDYES))
      .Then(WaitUntilGone("Ostrevan"))
      .Then(Do([&] { PostClick(sheet, IDOK); }));
  Edited edited = Edit(kMqttPublish, kPublishText, script);
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
  script.Then(WaitForSheet(sheet))
      .Then(Do([&] {
        EXPECT_FALSE(Enabled(sheet, kMqttBrowseCaFile)) << "TLS is off";
        PostClick(sheet, kMqttTls);
      }))
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
