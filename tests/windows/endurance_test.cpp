// The host keeps the plug-in loaded all day and opens its sheets again and
// again: every sheet, and the phone book and message dialogs run from them,
// opened and closed 60 times in this one process, must leave the GDI and
// USER objects and the heaps where they were.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "windows/plugin_dll.h"
#include "windows/resource_meter.h"
#include "windows/ui_script.h"

namespace ostrevan::windows_testing {
namespace {

// Control ids of the pages, as the models define them.
constexpr int kWifiMode = 1401;
constexpr int kPort = 1183;
constexpr int kParity = 1192;     // on the serial child form only
constexpr int kTransport = 1244;  // on the network child form only
constexpr int kSerialPort = 0, kSocket1 = 5;
constexpr int kFileName = 1339;      // the memory card pages
constexpr int kWriteMode = 1346;     // Memory Write only
constexpr int kServerIp = 2044;      // the GPRS pages
constexpr int kSendCommand = 1292;   // GPRS Data Send (and Modbus)
constexpr int kSmsStyle = 1202, kMailStyle = 1405;  // the messaging pages
constexpr int kMessageEditor = 1803, kVbStart = 1811;  // their message pages
constexpr int kSmsReceiver1 = 1211, kSmsInVbStart = 1702, kSmsInPhonebook = 1720;
constexpr int kMailSubject = 1404, kAttachment1 = 1501, kCallDial = 1301;
constexpr int kSetMessage = 1806;                   // on a Params Message page
constexpr int kScreen = 1001, kInsert = 1002, kRegister = 1004;  // the message dialog
constexpr int kMqttTls = 2110, kMqttNetwork = 2201, kMqttStartByte = 2301, kMqttAdd = 2402;

// ------------------------------------------------------------ the meter

// Where the meter's own allocations live, so that none is optimised away.
char* volatile g_held = nullptr;

struct MeterCase {
  const char* name;
  // Takes one object and gives back what releases it.
  std::function<std::function<void()>()> take;
  long ResourceCounts::*counter;
  long grows_by;  // at least
};

class Meter : public ::testing::TestWithParam<MeterCase> {};

// The endurance loops are only as good as what they measure: one object
// taken must show, and giving it back must bring the count back.
TEST_P(Meter, SeesOneObjectComeAndGo) {
  const MeterCase& c = GetParam();
  MeasureResources();  // the first look brings up the display driver and its objects
  c.take()();          // the first of a kind may bring the system's own objects
  ResourceCounts before = MeasureResources();
  std::function<void()> release = c.take();
  ResourceCounts held = MeasureResources();
  release();
  ResourceCounts after = MeasureResources();
  EXPECT_GE((held - before).*c.counter, c.grows_by) << Sources() << ": " << Describe(held);
  EXPECT_EQ(after.*c.counter, before.*c.counter) << Sources() << ": " << Describe(after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Meter,
    ::testing::Values(
        MeterCase{"Brush",
                  [] {
                    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
                    return [brush] { DeleteObject(brush); };
                  },
                  &ResourceCounts::gdi_objects, 1},
        MeterCase{"HiddenWindow",
                  [] {
                    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr,
                                                  nullptr, nullptr, nullptr);
                    return [window] { DestroyWindow(window); };
                  },
                  &ResourceCounts::user_objects, 1},
        MeterCase{"AllocationBlock",
                  [] {
                    g_held = new char[24];
                    return [] { delete[] g_held; };
                  },
                  &ResourceCounts::heap_blocks, 1},
        MeterCase{"AllocationBytes",
                  [] {
                    g_held = new char[4000];
                    return [] { delete[] g_held; };
                  },
                  &ResourceCounts::heap_bytes, 4000}),
    [](const auto& info) { return std::string(info.param.name); });

// ----------------------------------------------------------- the sheets

enum class Action {
  kClose,         // closed as soon as it is there
  kSwapChildren,  // the port changed to a socket and back first
  kSwapStyle,     // the message page swapped to Ladder Style and back first
  kSecondTab,     // the second tab shown first
  kPhoneBook,     // the phone book dialog run from the page and confirmed first
  kMessage,       // the message dialog run from the page: an in-place edit, a
                  // variable inserted, confirmed
  kMqttItem,      // the second tab shown and the MQTT item dialog run from its Add first
};

// One way of opening a sheet.
struct Visit {
  const char* text;
  int shown_control;  // present on opening: the page (and child form) was built
  Action action;
  int button;
};

struct SheetCase {
  const char* name;
  int type;
  std::vector<Visit> visits;  // taking turns, one per open
};

// What the window system itself keeps of each IPv4 address control made
// and destroyed, in GDI objects. Wine's control makes a font for its
// fields and never deletes it; this is measured here, not assumed, so that
// it is excused only where it happens and only as often as such a control
// was built.
long SystemGdiPerAddressControl() {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_INTERNET_CLASSES};
  InitCommonControlsEx(&classes);
  HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                nullptr, nullptr);
  auto make_one = [parent] {
    DestroyWindow(CreateWindowExA(0, WC_IPADDRESSA, "", WS_CHILD, 0, 0, 100, 20, parent, nullptr,
                                  nullptr, nullptr));
  };
  make_one();
  constexpr long kMade = 10;
  long before = MeasureResources().gdi_objects;
  for (long made = 0; made < kMade; ++made) make_one();
  long grown = MeasureResources().gdi_objects - before;
  DestroyWindow(parent);
  return (grown + kMade - 1) / kMade;
}

struct Opened {
  bool as_expected = false;
  int address_controls = 0;  // IPv4 address controls built during the open
};

BOOL CALLBACK CountAddressControl(HWND window, LPARAM count) {
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpiA(name, WC_IPADDRESSA) == 0) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

// The IPv4 address controls shown below `sheet` now.
int AddressControls(HWND sheet) {
  int count = 0;
  EnumChildWindows(sheet, &CountAddressControl, reinterpret_cast<LPARAM>(&count));
  return count;
}

Opened OpenOnce(const PluginDll& dll, int type, const Visit& visit) {
  uint32_t length = 0;
  dll.param_length(type, &length);
  std::vector<char> buffer(length, '\0');
  std::string(visit.text).copy(buffer.data(), length - 1);
  Opened opened;
  UiScript script(kEnduranceTickMs);
  script.Then([&] {
    HWND sheet = FindDialog("Property");
    if (!sheet) return false;
    opened.as_expected = FindControl(sheet, visit.shown_control) != nullptr;
    opened.address_controls += AddressControls(sheet);
    if (visit.action == Action::kSwapChildren) {
      SelectItem(sheet, kPort, kSocket1);
      opened.as_expected = opened.as_expected && FindControl(sheet, kTransport) != nullptr &&
                           FindControl(sheet, kParity) == nullptr;
      opened.address_controls += AddressControls(sheet);
      SelectItem(sheet, kPort, kSerialPort);
      opened.as_expected = opened.as_expected && FindControl(sheet, kParity) != nullptr &&
                           FindControl(sheet, kTransport) == nullptr;
    }
    if (visit.action == Action::kSwapStyle) {
      const int style = FindControl(sheet, kSmsStyle) ? kSmsStyle : kMailStyle;
      SelectItem(sheet, style, 1);
      opened.as_expected = opened.as_expected && FindControl(sheet, kVbStart) != nullptr &&
                           FindControl(sheet, kMessageEditor) == nullptr;
      SelectItem(sheet, style, 0);
      opened.as_expected = opened.as_expected && FindControl(sheet, kMessageEditor) != nullptr;
    }
    if (visit.action == Action::kSecondTab) {
      ShowTab(sheet, 1);
      opened.as_expected = opened.as_expected && (FindControl(sheet, kCallDial) != nullptr ||
                                                  FindControl(sheet, kAttachment1) != nullptr ||
                                                  FindControl(sheet, kMqttStartByte) != nullptr);
    }
    if (visit.action == Action::kPhoneBook) {
      PostClick(sheet, kSmsInPhonebook);
      return true;
    }
    if (visit.action == Action::kMessage) {
      PostClick(sheet, kSetMessage);
      return true;
    }
    if (visit.action == Action::kMqttItem) {
      ShowTab(sheet, 1);
      PostClick(sheet, kMqttAdd);
      return true;
    }
    PostClick(sheet, visit.button);
    return true;
  });
  HWND message = nullptr;
  auto in_place_edit = [&message] {
    return FindWindowExA(GetDlgItem(message, kScreen), nullptr, "Edit", nullptr);
  };
  if (visit.action == Action::kMessage) {
    script
        .Then([&] {
          if (!(message = FindDialog("message for parameters"))) return false;
          PostMessageA(GetDlgItem(message, kScreen), WM_LBUTTONDBLCLK, MK_LBUTTON,
                       MAKELPARAM(5, 5));
          return true;
        })
        .Then([&] {
          HWND edit = in_place_edit();
          if (!edit) return false;
          SetWindowTextA(edit, "Level");
          PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 1);
          return true;
        })
        .Then([&] {
          if (in_place_edit()) return false;
          TypeText(message, kRegister, "VW4");
          PostClick(message, kInsert);
          return true;
        })
        .Then([&] {
          PostClick(message, IDOK);
          return true;
        })
        .Then([&] {
          if (FindDialog("message for parameters")) return false;
          PostClick(FindDialog("Property"), visit.button);
          return true;
        });
  }
  const char* dialog = visit.action == Action::kPhoneBook ? "Phonebook"
                       : visit.action == Action::kMqttItem ? "MQTT item"
                                                            : nullptr;
  if (dialog) {
    script
        .Then([dialog] {
          HWND opened_dialog = FindDialog(dialog);
          if (opened_dialog) PostClick(opened_dialog, IDOK);
          return opened_dialog != nullptr;
        })
        .Then([&, dialog] {
          if (FindDialog(dialog)) return false;
          PostClick(FindDialog("Property"), visit.button);
          return true;
        });
  }
  int result = script.Run([&] { return dll.edit(type, buffer.data()); });
  opened.as_expected = opened.as_expected && result == (visit.button == IDOK ? 1 : 0);
  return opened;
}

class SheetEndurance : public ::testing::TestWithParam<SheetCase> {};

TEST_P(SheetEndurance, LeavesNothingBehind) {
  const SheetCase& c = GetParam();
  PluginDll dll;  // loaded once, as by the host
  std::vector<Opened> opens;
  opens.reserve(kEnduranceWarmUp + kEnduranceRounds);  // no growth inside the measured rounds
  EnduranceRun run = Endure(
      [&](int round) {
        opens.push_back(
            OpenOnce(dll, c.type, c.visits[static_cast<size_t>(round) % c.visits.size()]));
      },
      kEnduranceWarmUp, kEnduranceRounds);
  EXPECT_EQ(std::count_if(opens.begin(), opens.end(), [](const Opened& o) { return !o.as_expected; }),
            0)
      << "opens that did not show or close as expected";
  long address_controls = 0;
  for (auto open = opens.end() - kEnduranceRounds; open != opens.end(); ++open)
    address_controls += open->address_controls;
  Slack slack = kEnduranceSlack;
  slack.gdi_objects += SystemGdiPerAddressControl() * address_controls;
  ExpectBackToStart(run, slack, c.name);
}

constexpr const char* kSerialText = "A:0,1,5,B:9600,8,1,N,C:,D:1,1,1,0,E:176,0,1,1";
constexpr const char* kNetworkText = "A:11,1,5,B:502,0,1,0,C:192.168.1.10,D:1,3,1,0,E:178,0,1,1";

// The Modbus page holds a serial or a network child form: opened on a
// serial port, on a socket, and with the child swapped while open. The
// memory card and GPRS sheets are opened and closed. The SMS Output and
// EMAIL sheets swap their message page and show their second tab, and SMS
// Output runs the PDU(UCS2) message dialog; the SMS Input sheet runs the
// phone book dialog. The MQTT Subscribe sheet shows its second tab; the
// Publish sheet runs the item dialog from its "Add". (The password dialog,
// which no page opens, is not reached through the DLL.)
INSTANTIATE_TEST_SUITE_P(
    Cases, SheetEndurance,
    ::testing::Values(SheetCase{"Wifi", 11, {{"A:1", kWifiMode, Action::kClose, IDOK}}},
                      SheetCase{"Modbus",
                                1,
                                {{kSerialText, kParity, Action::kClose, IDCANCEL},
                                 {kNetworkText, kTransport, Action::kClose, IDOK},
                                 {kSerialText, kParity, Action::kSwapChildren, IDOK}}},
                      SheetCase{"MemoryRead",
                                2,
                                {{"A:1,0,0,0,0,0,0,B: ,C:1,161,0,1,D:0,1,E:LOG,F:", kFileName,
                                  Action::kClose, IDOK}}},
                      SheetCase{"MemoryWrite",
                                3,
                                {{"A:1,0,0,0,1,0,1,1,0,B: ,C:0,161,0,1,D:LOG,E:", kWriteMode,
                                  Action::kClose, IDCANCEL}}},
                      SheetCase{"GprsConnect",
                                4,
                                {{"A:5,0,0,0,5010,B:10.0.0.1", kServerIp, Action::kClose, IDOK}}},
                      SheetCase{"GprsDataSend",
                                12,
                                {{"A:0,0,10,B:502,C:10.0.0.2,D:1,1,16,1,E:0,161,0,1,1",
                                  kSendCommand, Action::kClose, IDOK}}},
                      SheetCase{"SmsOutput",
                                9,
                                {{"A:1,0,1,0,8,0,0,0,0,B:+4930111,C:,D:,E:,F:,G:Hi,H:,",
                                  kSmsReceiver1, Action::kSwapStyle, IDOK},
                                 {"A:1,3,0,10,20,0,0,0,0,B:,C:,D:,E:,F:,G:,H:,", kVbStart,
                                  Action::kClose, IDCANCEL},
                                 {"A:1,0,1,0,8,1,1000,2,1,B:+4930111,C:,D:,E:,F:,G:,H:,",
                                  kMessageEditor, Action::kSecondTab, IDOK},
                                 {"A:0,3,1,0,8,0,0,0,0,B:,C:,D:,E:,F:,G:,H:", kSetMessage,
                                  Action::kMessage, IDOK}}},
                      SheetCase{"SmsInput",
                                8,
                                {{"A:0,8,1,B:+4930111,C:,D:,E:,F:", kSmsInVbStart,
                                  Action::kPhoneBook, IDOK},
                                 {"A:0,8,0,B:,C:,D:,E:,F:", kSmsInVbStart, Action::kClose,
                                  IDCANCEL}}},
                      SheetCase{"Email",
                                10,
                                {{"A:1,0,0,1,0,8,0,B:Alarm,C:ops@example.com,D:,E:,F:Hi,G:,,"
                                  "H:level.csv,,,,,,,",
                                  kMailSubject, Action::kSecondTab, IDOK},
                                 {"A:1,0,0,1,0,8,0,B:,C:,D:,E:,F:,G:,,H:,,,,,,,", kMailSubject,
                                  Action::kSwapStyle, IDCANCEL}}},
                      SheetCase{"MqttConnect",
                                7,
                                {{"A:30,10,0,1884,1,1,0,0,0,B:id,C:,D:,E:10.0.0.3,F:ca.pem,G:,H:,I:",
                                  kMqttTls, Action::kClose, IDOK}}},
                      SheetCase{"MqttSubscribe",
                                5,
                                {{"A:30,30,10,0,160,0,0,0,0,B:1,0,1,C:,D:,E:,F:in", kMqttNetwork,
                                  Action::kSecondTab, IDOK}}},
                      SheetCase{"MqttPublish",
                                6,
                                {{"A:30,30,10,0,0,B:1,0,1,C:,D:,E:,F:out,G1:176,0,0,1,5,0,H1:,I1:a",
                                  kMqttNetwork, Action::kMqttItem, IDCANCEL}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrevan::windows_testing
