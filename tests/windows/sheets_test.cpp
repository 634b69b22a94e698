// The real sheets of the real ostrevan.dll, Function_Edit's modal loop
// driven by a timer acting as the user. The pages' rules are proven
// headless; here what needs the window system: real input, message boxes
// over the modal loop, the dialogs run from the pages, the file-open
// dialog; and, as the host keeps the plug-in loaded all day, the GDI and
// USER objects and the heaps back where they were after many visits.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "windows/plugin_dll.h"
#include "windows/resource_meter.h"
#include "windows/ui_script.h"

namespace ostrevan::windows_testing {
namespace {

// Control ids of the pages and dialogs, as the models define them.
constexpr int kWifiMode = 1401, kGprsPort = 2045, kRecordIndex = 1338;
constexpr int kModbusPort = 1183, kParity = 1192, kTransport = 1244;  // and its serial or network form
constexpr int kSmsStyle = 1202, kSmsPhonebook = 1220, kCallDial = 1301, kSmsInPhonebook = 1720;
constexpr int kMailStyle = 1405, kAttachment1 = 1501;
constexpr int kParamsMessage = 1802, kMessageEditor = 1803, kSetMessage = 1806, kVbStart = 1811;
constexpr int kBookGrid = 1100, kBookAdd = 1101, kBookDelete = 1103, kBookItem = 1001;
constexpr int kMessageScreen = 1001;
constexpr int kMqttTls = 2110, kMqttSelfSigned = 2113, kMqttBrowseCaFile = 2117;
constexpr int kMqttStartByte = 2301, kMqttGrid = 2401, kMqttAdd = 2402, kMqttDelete = 2404;
constexpr int kMqttItemRegister = 2502, kMqttItemComment = 2501;
constexpr int kFileNameBox = 0x47c;  // the common file dialog's file name box

// What the user does in a sheet, and what Function_Edit gives back.
struct Visit {
  const char* name;
  int type;
  std::string text;
  std::vector<Act> acts;
  int result;
  std::string after = {};  // the text after, or empty: as it was
  bool again = true;  // repeatable: it leaves nothing the next visit would find changed
  const char* cpu = "";
};
void PrintTo(const Visit& visit, std::ostream* out) { *out << visit.name; }

// False when `visit` did not end as expected. `while_open`: the counts with the sheet open.
bool Make(const PluginDll& dll, const Visit& visit, UINT tick_ms = 40,
          ResourceCounts* while_open = nullptr) {
  dll.variable_init(visit.cpu, nullptr);
  std::vector<Act> acts{Wait("Property")};
  if (while_open) acts.push_back(Check([=](HWND) { *while_open = MeasureResources(); }));
  acts.insert(acts.end(), visit.acts.begin(), visit.acts.end());
  uint32_t length = 0;
  dll.param_length(visit.type, &length);
  std::vector<char> buffer(length, '\0');
  visit.text.copy(buffer.data(), length - 1);
  UiScript script(tick_ms);
  int result = script.Then(acts).Run([&] { return dll.edit(visit.type, buffer.data()); });
  const std::string& after = visit.after.empty() ? visit.text : visit.after;
  EXPECT_EQ(result, visit.result);
  EXPECT_EQ(buffer.data(), after);
  return result == visit.result && buffer.data() == after;
}

const char kSmsText[] = "A:1,0,1,0,8,0,0,0,0,B:+4930111,C:,D:,E:,F:,G:Hi,H:,";

// Values typed or chosen are stored on OK; a refused check shows its box
// over the sheet, which stays open with the focus at the fault.
const Visit kVisits[] = {
    {"WifiMode", 11, "A:1", {Choose(kWifiMode, 0), Click(IDOK)}, 1, "A:0"},
    {"GprsPort", 4, "A:5,0,0,0,5010,B:10.0.0.1", {TypeIn(kGprsPort, "5020"), Click(IDOK)}, 1,
     "A:5,0,0,0,5020,B:10.0.0.1"},
    {"GprsDataSend", 12, "A:0,0,10,B:502,C:10.0.0.2,D:1,1,16,1,E:0,161,0,1,1", {Click(IDCANCEL)},
     0},
    // The port picks the serial or the network form.
    {"ModbusForms", 1, "A:11,1,5,B:502,0,1,0,C:192.168.1.10,D:1,3,1,0,E:178,0,1,1",
     {Shown(kTransport), Choose(kModbusPort, 0), Shown(kParity), Choose(kModbusPort, 5),
      Shown(kTransport), Click(IDCANCEL)}, 0},
    {"MemoryRead", 2, "A:1,0,0,0,0,0,0,B: ,C:1,161,0,1,D:0,1,E:LOG,F:", {Click(IDCANCEL)}, 0},
    {"MemoryWriteRefused", 3, "A:1,0,0,0,1,0,1,1,0,B: ,C:9,176,0,1,D:LOG,E:",
     {TypeIn(kRecordIndex, "70000"), Click(IDOK),
      Ask("Please enter an integer between 0 and 65535.", IDOK), Focused(kRecordIndex),
      Click(IDCANCEL)}, 0, "", true, "OSV-2410"},
    // The message page swapped to Ladder Style and back; the call tab.
    {"SmsOutputPages", 9, kSmsText,
     {Choose(kSmsStyle, 1), Shown(kVbStart), Choose(kSmsStyle, 0), Shown(kMessageEditor), Tab(1),
      Shown(kCallDial), Click(IDCANCEL)}, 0},
    // The phone book's row 2 deleted, an entry added: the receiver the book
    // lost is emptied. The book is kept between visits.
    {"SmsOutputPhonebook", 9, kSmsText,
     {Click(kSmsPhonebook), Wait("Phonebook"), Grid(kBookGrid, {150, 67}), Click(kBookDelete),
      Ask("Delete [02],[+4930111] ?", IDYES), Click(kBookAdd), Wait("Phonebook settings"),
      TypeIn(kBookItem, "+4930222"), Click(IDOK), Gone("Phonebook settings"), Click(IDOK),
      Gone("Phonebook"), Click(IDOK)},
     1, "A:1,0,1,0,8,0,0,0,0,B:,C:,D:,E:,F:,G:Hi,H:,", false},
    {"SmsOutputMessage", 9, "A:1,0,1,0,8,0,0,0,0,B:,C:,D:,E:,F:,G:,H:,",
     {Click(kParamsMessage), Click(kSetMessage), Wait("message for parameters"),
      Keys(kMessageScreen, "AB"), Click(IDOK), Gone("message for parameters"), Click(IDOK)},
     1, "A:0,0,1,0,8,0,0,0,0,B:,C:,D:,E:,F:,G:AB" + std::string(78, ',') +  // 80 cells
            ",H:[0,-1,255,0,20,0,0][0,-1,255,0,20,0,0][0,-1,255,0,20,0,0][0,-1,255,0,20,0,0]"},
    {"SmsInputPhonebook", 8, "A:0,8,1,B:+4930111,C:,D:,E:,F:",
     {Click(kSmsInPhonebook), Wait("Phonebook"), Click(IDOK), Gone("Phonebook"), Click(IDCANCEL)},
     0},
    {"EmailPages", 10, "A:1,0,0,1,0,8,0,B:Alarm,C:,D:,E:,F:Hi,G:,,H:level.csv,,,,,,,",
     {Choose(kMailStyle, 1), Shown(kVbStart), Choose(kMailStyle, 0), Tab(1), Shown(kAttachment1),
      Click(IDCANCEL)}, 0},
    {"MqttConnect", 7, "A:30,10,0,1884,1,1,0,0,0,B:id,C:,D:,E:10.0.0.3,F:ca.pem,G:,H:,I:",
     {Click(kMqttTls), Click(IDCANCEL)}, 0},
    {"MqttSubscribe", 5, "A:30,30,10,0,160,0,0,0,0,B:1,0,1,C:,D:,E:,F:in",
     {Tab(1), Shown(kMqttStartByte), Click(IDCANCEL)}, 0},
    // Add, Edit by a double click on row 2, Delete asked twice: No, Yes.
    {"MqttPublishItems", 6,
     "A:30,30,10,0,0,B:1,0,1,C:,D:,E:,F:t,G1:176,0,3,2,5,0,H1:in,I1:Inputs,G2:161,0,10,1,0,0,"
     "H2:lvl,I2:Level",
     {Tab(1), Click(kMqttAdd), Wait("MQTT item"), TypeIn(kMqttItemRegister, "VD4"),
      TypeIn(kMqttItemComment, "Flow"), Click(IDOK), Gone("MQTT item"),
      Grid(kMqttGrid, {40, 50}, true), Wait("MQTT item"), TypeIn(kMqttItemRegister, "MW2"),
      Click(IDOK), Gone("MQTT item"), Grid(kMqttGrid, {40, 30}), Click(kMqttDelete),
      Ask("Delete [Inputs - BOOL] ?", IDNO), Click(kMqttDelete),
      Ask("Delete [Inputs - BOOL] ?", IDYES), Click(IDOK)},
     1, "A:30,30,10,0,0,B:1,0,1,C:,D:,E:,F:t,G1:169,0,2,1,0,0,H1:lvl,I1:Level,G2:162,0,4,1,0,0,"
        "H2:,I2:Flow"},
};

// The IPv4 address controls made on this thread: Wine's keeps a font of
// each. Counted, so that this is excused only where and as often as it happens.
long g_address_controls = 0;

LRESULT CALLBACK CountAddressControls(int code, WPARAM wparam, LPARAM lparam) {
  char name[32] = {};
  if (code == HCBT_CREATEWND && GetClassNameA(reinterpret_cast<HWND>(wparam), name, sizeof name) &&
      lstrcmpiA(name, WC_IPADDRESSA) == 0)
    ++g_address_controls;
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

// The GDI objects the window system keeps of each (the visits made the first).
long SystemGdiPerAddressControl() {
  constexpr long kMade = 10;
  long before = MeasureResources().gdi_objects;
  for (long made = 0; made < kMade; ++made) {
    DestroyWindow(CreateWindowExA(0, WC_IPADDRESSA, "", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                                  nullptr, nullptr));
  }
  return (MeasureResources().gdi_objects - before + kMade - 1) / kMade;
}

class Sheets : public ::testing::TestWithParam<Visit> {};

// Each visit made once, and where repeatable again and again with the DLL loaded once.
TEST_P(Sheets, TakeRealInputAndLeaveNothingBehind) {
  const Visit& visit = GetParam();
  PluginDll dll;
  if (!Make(dll, visit) || !visit.again) return;
  HHOOK hook = SetWindowsHookExA(WH_CBT, &CountAddressControls, nullptr, GetCurrentThreadId());
  int failed = 0;
  auto make = [&](int times, ResourceCounts* open = nullptr) {
    while (times-- > 0) failed += !Make(dll, visit, kEnduranceTickMs, open);
  };
  make(kEnduranceWarmUp);
  g_address_controls = 0;
  ResourceCounts start = MeasureResources(), open;
  make(1, &open);  // the loop is only as good as the meter: the open sheet shows in every count
  ResourceCounts grown = open - start;
  EXPECT_TRUE(grown.gdi_objects > 0 && grown.user_objects > 0 && grown.heap_blocks > 0)
      << Describe(grown);
  make(kEnduranceRounds);
  ResourceCounts end = MeasureResources();
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(failed, 0) << "visits that did not end as expected";
  ResourceCounts slack = kEnduranceSlack;
  slack.gdi_objects += SystemGdiPerAddressControl() * g_address_controls;
  ExpectBackToStart(start, end, slack, visit.name);
}

INSTANTIATE_TEST_SUITE_P(Visits, Sheets, ::testing::ValuesIn(kVisits),
                         [](const auto& info) { return std::string(info.param.name); });

// "..." through the real file-open dialog: the chosen file's full path.
TEST(MqttConnectSheet, TheCaFileButtonOpensTheFileDialog) {
  char folder[MAX_PATH] = {}, path[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  ASSERT_NE(GetTempFileNameA(folder, "ca", 0, path), 0u);
  const std::string after = std::string("A:30,10,0,1884,1,1,0,0,0,B:,C:,D:,E:0.0.0.0,F:") + path;
  Make(PluginDll(), {"CaFile", 7, "A:30,10,0,1884,1,0,0,0,0,B:,C:,D:,E:0.0.0.0,F:,G:,H:,I:",
                     {Click(kMqttTls), Click(kMqttSelfSigned), Click(kMqttBrowseCaFile),
                      Wait("Open"), TypeIn(kFileNameBox, path), Click(IDOK), Gone("Open"),
                      Click(IDOK)},
                     1, after + ",G:,H:,I:"});
  DeleteFileA(path);
}

}  // namespace
}  // namespace ostrevan::windows_testing
