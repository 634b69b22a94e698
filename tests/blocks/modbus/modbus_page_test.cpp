#include <gtest/gtest.h>

#include <cstring>

#include "blocks/modbus/modbus_link_pages.h"
#include "blocks/modbus/modbus_page.h"
#include "ostrevan/plugin.h"
#include "support/edit_export.h"

namespace ostrevan::testing {
namespace {

using editor::LabelId;
using editor::PageModel;
using Page = CPropertyModbus;
using Serial = CPropertyModbusRs232;
using Net = CPropertyModbusNet;

constexpr int kModbus = 1;
constexpr char kDefaultText[] = "A:0,1,5,B:9600,8,1,N,C:,D:1,1,1,0,E:176,0,1,1";
constexpr char kNetworkText[] = "A:12,2,3,B:502,3,1,0,C:10.0.0.7,D:1,3,10,0,E:161,20,10,1";

// Function_Edit through `view`, on a buffer of the announced 100 bytes.
std::string EditText(FakeView& view, const std::string& text, int* result = nullptr) {
  EditOutcome edited = EditThroughExport(kModbus, text, view);
  if (result) *result = edited.result;
  return edited.text;
}

Page& ModbusPage(CPropertyBasic& sheet) { return dynamic_cast<Page&>(sheet.page(0)); }

TEST(ModbusPage, OpensWithTheParametersShown) {
  SelectCpu("OSV-2410");
  FakeView view;
  view.sheet_script = [](CPropertyBasic& sheet) {
    Page& page = ModbusPage(sheet);
    EXPECT_EQ(page.At(Page::kPortList).SelectedText(), "COM0(RS232/PRO-RS485)");
    EXPECT_EQ(page.At(Page::kCommand).SelectedText(), "01 Read Coils(0x)");
    EXPECT_EQ(page.At(Page::kOrder).SelectedText(), "High Low");
    EXPECT_EQ(page.At(Page::kDataAddress).text, "I0.0");
    EXPECT_EQ(page.At(Page::kDataAddress).tooltip, "I0.0 ~ I15.7 <br>V0.0 ~ V2047.7");
    PageModel* link = page.link_page();
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->template_id(), Serial::kTemplateId);
    EXPECT_EQ(link->At(Serial::kBaudRate).SelectedText(), "9600");
    EXPECT_EQ(link->At(Serial::kTimeout).text, "5");
    sheet.ClickOk();
  };
  int result = 0;
  EXPECT_EQ(EditText(view, kDefaultText, &result), kDefaultText);
  EXPECT_EQ(result, 1);
}

TEST(ModbusPage, APortOfTheOtherKindSwapsTheChildForTheLoadedValues) {
  FakeView view;
  view.sheet_script = [&view](CPropertyBasic& sheet) {
    Page& page = ModbusPage(sheet);
    PageModel* serial = page.link_page();
    serial->UserSelects(Serial::kProtocol, 2);  // dropped with the serial child
    serial->UserTypes(Serial::kTimeout, "9");
    view.refreshed.clear();
    page.UserSelects(Page::kPortList, 5);  // "Ethernet: Socket 1"
    EXPECT_NE(std::find(view.refreshed.begin(), view.refreshed.end(), Page::kLinkFrame),
              view.refreshed.end());
    PageModel* net = page.link_page();
    ASSERT_EQ(net->template_id(), Net::kTemplateId);
    EXPECT_EQ(net->At(Net::kProtocol).SelectedText(), "Modbus(RTU)");
    EXPECT_EQ(net->At(Net::kTimeout).text, "5");
    EXPECT_EQ(net->At(Net::kTargetIp).text, "192.168.0.21");
    sheet.ClickOk();
  };
  EXPECT_EQ(EditText(view, kDefaultText),
            "A:11,1,5,B:0,0,1,0,C:192.168.0.21,D:1,1,1,0,E:176,0,1,1");

  view.sheet_script = [](CPropertyBasic& sheet) {
    Page& page = ModbusPage(sheet);
    page.UserSelects(Page::kPortList, 2);  // "COM2(Built-in RS485)"
    EXPECT_EQ(page.link_page()->template_id(), Serial::kTemplateId);
    page.link_page()->UserSelects(Serial::kStopBits, 1);  // "1.5"
    page.link_page()->UserSelects(Serial::kParity, 3);
    sheet.ClickOk();
  };
  EXPECT_EQ(EditText(view, kNetworkText), "A:3,2,3,B:9600,8,0,M,C:,D:1,3,10,0,E:161,20,10,1");
}

TEST(ModbusPage, ACommandChangeLimitsTheCount) {
  struct Case {
    const char* text;
    std::vector<int> commands;  // items chosen in turn
    const char* count_shown;
  };
  const Case cases[] = {
      {"A:0,1,5,B:9600,8,1,N,C:,D:1,1,100,0,E:176,0,1,1", {}, "100"},
      {"A:0,1,5,B:9600,8,1,N,C:,D:1,1,100,0,E:176,0,1,1", {2}, "50"},
      {"A:0,1,5,B:9600,8,1,N,C:,D:1,1,100,0,E:176,0,1,1", {2, 0}, "50"},  // not restored
      {"A:0,1,5,B:9600,8,1,N,C:,D:1,1,300,0,E:176,0,1,1", {1}, "256"},
      {"A:0,1,5,B:9600,8,1,N,C:,D:1,1,300,0,E:176,0,1,1", {3}, "50"},
      {"A:0,1,5,B:9600,8,1,N,C:,D:1,1,300,0,E:176,0,1,1", {4}, "32"},
      {"A:0,1,5,B:9600,8,1,N,C:,D:1,1,300,0,E:176,0,1,1", {5}, "64"},
      // on opening too; a code without an item allows 2
      {"A:0,1,5,B:9600,8,1,N,C:,D:1,3,300,0,E:176,0,1,1", {}, "50"},
      {"A:0,1,5,B:9600,8,1,N,C:,D:1,5,300,0,E:176,0,1,1", {}, "2"},
  };
  for (const Case& c : cases) {
    FakeView view;
    view.sheet_script = [&c](CPropertyBasic& sheet) {
      Page& page = ModbusPage(sheet);
      for (int item : c.commands) page.UserSelects(Page::kCommand, item);
      EXPECT_EQ(page.At(Page::kCount).text, c.count_shown) << c.text;
      sheet.ClickCancel();
    };
    EditText(view, c.text);
  }
}

TEST(ModbusPage, TypedCountsAreNotLimitedAgain) {
  FakeView view;
  view.sheet_script = [](CPropertyBasic& sheet) {
    ModbusPage(sheet).UserTypes(Page::kCount, "900");
    sheet.ClickOk();
  };
  EXPECT_EQ(EditText(view, kDefaultText), "A:0,1,5,B:9600,8,1,N,C:,D:1,1,900,0,E:176,0,132,1");
}

TEST(ModbusPage, NetworkChildEnablesByRoleAndTransport) {
  struct Case {
    int role;       // 0 Client, 1 Server
    int transport;  // 0 TCP, 1 UDP
    bool remote, ip, port;
  };
  const Case cases[] = {
      {0, 0, true, false, false},
      {0, 1, true, false, false},
      {1, 0, false, true, false},
      {1, 1, false, true, true},
  };
  for (const Case& c : cases) {
    FakeView view;
    view.sheet_script = [&c](CPropertyBasic& sheet) {
      PageModel* net = ModbusPage(sheet).link_page();
      net->UserSelects(Net::kLocalCpu, c.role);
      net->UserSelects(Net::kTransport, c.transport);
      for (int id : {Net::kRemote, LabelId(Net::kRemote)}) EXPECT_EQ(net->At(id).enabled, c.remote);
      for (int id : {Net::kTargetIp, LabelId(Net::kTargetIp)}) EXPECT_EQ(net->At(id).enabled, c.ip);
      for (int id : {Net::kTargetPort, LabelId(Net::kTargetPort)}) {
        EXPECT_EQ(net->At(id).enabled, c.port) << c.role << c.transport;
      }
      net->UserSelects(Net::kRemote, 7);
      net->UserTypes(Net::kTargetIp, "1.2.3.4");
      net->UserTypes(Net::kTargetPort, "8080");
      sheet.ClickOk();
    };
    std::string expected = std::string("A:12,2,3,B:8080,7,") + (c.transport == 0 ? "1" : "0") +
                           "," + (c.role == 1 ? "1" : "0") +
                           ",C:1.2.3.4,D:1,3,10,0,E:161,20,10,1";
    EXPECT_EQ(EditText(view, kNetworkText), expected);
  }
}

TEST(ModbusPage, ARegisterOfTheWrongKindKeepsTheSheetOpen) {
  struct Case {
    int command;           // item chosen, -1 none
    const char* register_text;
    bool accepted;
  };
  const Case cases[] = {
      {2, nullptr, false},   // I0.0 under a register command
      {2, "VW10", true},     {5, "MW4", true},   {5, "M4.1", false},
      {0, "V1.7", true},     {4, "Q0.1", true},  {4, "QW0", false},
      {-1, "X5", false},     // does not parse: area 0
      {1, "", false},
  };
  for (const Case& c : cases) {
    FakeView view;
    view.sheet_script = [&c, &view](CPropertyBasic& sheet) {
      Page& page = ModbusPage(sheet);
      if (c.command >= 0) page.UserSelects(Page::kCommand, c.command);
      if (c.register_text) page.UserTypes(Page::kDataAddress, c.register_text);
      sheet.ClickOk();
      EXPECT_EQ(sheet.end_result().has_value(), c.accepted);
      if (!sheet.end_result()) sheet.ClickCancel();
    };
    int result = -1;
    std::string text = EditText(view, kDefaultText, &result);
    EXPECT_EQ(result, c.accepted ? 1 : 0) << c.command;
    if (c.accepted) continue;
    EXPECT_EQ(text, kDefaultText);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0],
              editor::ErrorMessage("The register you used does not match the modbus command, "
                                   "please select it again!"));
  }
}

TEST(ModbusPage, SerialChildSelectsByTextAndKeepsUnlistedValues) {
  FakeView view;
  view.sheet_script = [](CPropertyBasic& sheet) {
    PageModel* serial = ModbusPage(sheet).link_page();
    EXPECT_EQ(serial->At(Serial::kBaudRate).selection, -1);
    EXPECT_EQ(serial->At(Serial::kStopBits).SelectedText(), "1.5");  // code 7 shows as 1.5
    EXPECT_EQ(serial->At(Serial::kParity).SelectedText(), "None");  // "Q" reads as None
    EXPECT_EQ(serial->At(Serial::kProtocol).selection, -1);
    EXPECT_EQ(serial->At(Serial::kDataBits).selection, -1);
    sheet.ClickOk();
  };
  EXPECT_EQ(EditText(view, "A:0,7,5,B:300,9,7,Q,C:,D:1,1,1,0,E:176,0,1,1"),
            "A:0,7,5,B:300,9,7,N,C:,D:1,1,1,0,E:176,0,1,1");

  view.sheet_script = [](CPropertyBasic& sheet) {
    PageModel* serial = ModbusPage(sheet).link_page();
    serial->UserSelects(Serial::kBaudRate, 5);
    serial->UserSelects(Serial::kDataBits, 0);
    serial->UserSelects(Serial::kStopBits, 2);
    serial->UserSelects(Serial::kProtocol, 1);
    serial->UserTypes(Serial::kTimeout, "12");
    ModbusPage(sheet).UserSelects(Page::kOrder, 1);
    sheet.ClickOk();
  };
  EXPECT_EQ(EditText(view, kDefaultText), "A:0,2,12,B:19200,5,2,N,C:,D:1,1,1,0,E:176,0,1,0");
}

TEST(ModbusPage, LongValuesAreCutToTheAnnouncedText) {
  FakeView view;
  view.sheet_script = [](CPropertyBasic& sheet) {
    Page& page = ModbusPage(sheet);
    page.UserSelects(Page::kPortList, 12);  // "Ethernet: Socket 8"
    page.UserTypes(Page::kSlaveAddress, "-2147483648");
    page.UserTypes(Page::kSlaveRegister, "-2147483648");
    page.UserTypes(Page::kCount, "-2147483648");
    page.UserTypes(Page::kDataAddress, "I268435455.7");
    page.link_page()->UserTypes(Net::kTargetPort, "-2147483648");
    page.link_page()->UserTypes(Net::kTargetIp, "255.255.255.255");
    sheet.ClickOk();
  };
  std::string text = EditText(view, "A:0,1,5,B:9600,8,1,N,C:,D:1,1,1,0,E:176,0,1,1");
  EXPECT_EQ(text.size(), 99u);
  EXPECT_EQ(text,
            "A:18,1,5,B:-2147483648,0,1,0,C:255.255.255.255,D:-2147483648,1,-2147483648,"
            "-2147483648,E:176,214748");
}

}  // namespace
}  // namespace ostrevan::testing
