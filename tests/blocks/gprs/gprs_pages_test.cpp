// The GPRS Connect and GPRS Data Send pages through Function_Edit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "blocks/gprs/gprs_connect_page.h"
#include "blocks/gprs/gprs_data_send_page.h"
#include "core/app.h"
#include "core/operand.h"
#include "support/edit_export.h"

namespace ostrevan::testing {
namespace {

using Connect = CPropertyGprsConnect;
using Send = CPropertyGprsDataSend;
using Server = GprsServerPage;

constexpr int kGprsConnect = 4;
constexpr int kGprsDataSend = 12;
constexpr char kConnectDefault[] = "A:5,1,0,0,5010,B:192.168.0.21";
constexpr char kSendDefault[] = "A:1,0,10,B:0,C:,D:1,1,15,1,E:0,176,0,1,1";

// Both pages: the radios and what they enable, after every click.
TEST(GprsPages, RadioClicksApplyTheEnablingRules) {
  struct State {
    bool plc, customize, by_ip, by_domain;  // checked
    bool address_radios, ip, port, domain;  // enabled
  };
  struct Case {
    const char* name;
    std::vector<int> clicks;
    State state;
  };
  const Case cases[] = {
      {"PLC system", {}, {true, false, true, false, false, false, false, false}},
      {"Customize by address", {Server::kCustomize},
       {false, true, true, false, true, true, true, false}},
      {"Customize by name", {Server::kCustomize, Server::kByDomain},
       {false, true, false, true, true, false, true, true}},
      {"back to PLC system keeps the address kind", {Server::kCustomize, Server::kByDomain,
                                                      Server::kPlcSystem},
       {true, false, false, true, false, false, false, false}},
  };
  for (int type : {kGprsConnect, kGprsDataSend}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.name) + ", type " + std::to_string(type));
      FakeView view;
      view.sheet_script = [&c](CPropertyBasic& sheet) {
        editor::PageModel& page = sheet.page(0);
        for (int id : c.clicks) page.UserClicks(id);
        const State& s = c.state;
        EXPECT_EQ(page.At(Server::kPlcSystem).checked, s.plc);
        EXPECT_EQ(page.At(Server::kCustomize).checked, s.customize);
        EXPECT_EQ(page.At(Server::kByIp).checked, s.by_ip);
        EXPECT_EQ(page.At(Server::kByDomain).checked, s.by_domain);
        EXPECT_EQ(page.At(Server::kByIp).enabled, s.address_radios);
        EXPECT_EQ(page.At(Server::kByDomain).enabled, s.address_radios);
        EXPECT_EQ(page.At(Server::kIp).enabled, s.ip);
        EXPECT_EQ(page.At(Server::kPort).enabled, s.port);
        EXPECT_EQ(page.At(Server::kDomain).enabled, s.domain);
        EXPECT_TRUE(page.At(Server::kPlcSystem).enabled);
        sheet.ClickCancel();
      };
      EditThroughExport(type, type == kGprsConnect ? kConnectDefault : kSendDefault, view);
    }
  }
}

TEST(GprsConnectPage, OpensWithTheRecordShownAndStoresEveryField) {
  FakeView view;
  view.sheet_script = [](CPropertyBasic& sheet) {
    editor::PageModel& page = sheet.page(0);
    EXPECT_EQ(page.At(Server::kTimeout).range->max, 100);
    EXPECT_EQ(page.At(Server::kPort).range->min, -32768);  // a signed 16-bit exchange
    EXPECT_EQ(page.At(Server::kDomain).text_limit, 50);
    page.UserTypes(Server::kTimeout, "100");
    page.UserClicks(Server::kCustomize);
    page.UserTypes(Server::kIp, "10.0.0.7");
    page.UserTypes(Server::kPort, "502");
    page.UserSelects(Connect::kCloseMode, 1);
    sheet.ClickOk();
  };
  EditOutcome edited = EditThroughExport(kGprsConnect, kConnectDefault, view);
  EXPECT_EQ(edited.result, 1);
  EXPECT_EQ(edited.text, "A:100,0,0,1,502,B:10.0.0.7");
}

TEST(GprsConnectPage, KeepsWhatItCannotShow) {
  struct Case {
    const char* name;
    const char* text;
    const char* port_shown;
    int close_selection;
  };
  const Case cases[] = {
      // a port above 32767 goes through the signed exchange and comes back
      {"a high port", "A:5,0,0,0,40000,B:1.2.3.4", "-25536", 0},
      // a close mode without an item shows none and is kept
      {"an unknown close mode", "A:5,0,1,7,80,B:plc.example.net", "80", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeView view;
    view.sheet_script = [&c](CPropertyBasic& sheet) {
      EXPECT_EQ(sheet.page(0).At(Server::kPort).text, c.port_shown);
      EXPECT_EQ(sheet.page(0).At(Connect::kCloseMode).selection, c.close_selection);
      sheet.ClickOk();
    };
    EXPECT_EQ(EditThroughExport(kGprsConnect, c.text, view).text, c.text);
  }
}

TEST(GprsDataSendPage, ACommandChangeLimitsTheCountAndSwapsTheHint) {
  SelectCpu("OSV-2410");
  FakeView view;
  view.sheet_script = [&view](CPropertyBasic& sheet) {
    editor::PageModel& page = sheet.page(0);
    page.UserTypes(Send::kCount, "60");
    page.UserSelects(Send::kCommand, 0);  // 15: at most 32
    EXPECT_EQ(page.At(Send::kCount).text, "32");
    EXPECT_EQ(page.At(Send::kCount).range->max, 32);
    EXPECT_EQ(page.At(Send::kDataAddress).tooltip, "I0.0 ~ I15.7 <br>V0.0 ~ V2047.7");
    page.UserSelects(Send::kCommand, 1);  // the 60 does not come back
    EXPECT_EQ(page.At(Send::kCount).text, "32");
    EXPECT_EQ(page.At(Send::kCount).range->max, 64);
    page.UserSelects(Send::kCommand, 0);
    page.UserTypes(Send::kDataAddress, "V2.1");
    view.Pump();
    page.UserSelects(Send::kOrder, 0);
    page.UserTypes(Send::kRegisterAddress, "300");
    page.UserTypes(Send::kSlaveAddress, "9");
    page.UserClicks(Server::kCustomize);
    page.UserClicks(Server::kByDomain);
    page.UserTypes(Server::kDomain, "plc.example.net");
    sheet.ClickOk();
  };
  EditOutcome edited = EditThroughExport(
      kGprsDataSend, "A:1,0,10,B:0,C:,D:1,7,16,0,E:0,161,0,60,60", view);
  EXPECT_EQ(edited.result, 1);
  // the count byte follows the count; the spare value 7 passes through
  EXPECT_EQ(edited.text, "A:0,1,10,B:5010,C:plc.example.net,D:9,7,15,1,E:300,159,17,32,32");
}

TEST(GprsDataSendPage, RefusesAnOperandOfTheWrongKind) {
  struct Case {
    const char* text;
    const char* typed;
    const char* message;
  };
  const Case cases[] = {
      {"A:1,0,10,B:0,C:,D:1,1,16,1,E:0,161,0,1,1", "V0.0",
       "Command 16 only supports WORD variables!"},
      {kSendDefault, "VW10", "Command 15 only supports digital variables!"},
      {kSendDefault, "nonsense", "Command 15 only supports digital variables!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    FakeView view;
    view.sheet_script = [&](CPropertyBasic& sheet) {
      sheet.page(0).UserTypes(Send::kDataAddress, c.typed);
      sheet.ClickOk();  // before the page's own message is handled
      EXPECT_FALSE(sheet.end_result());
      ASSERT_EQ(view.messages.size(), 1u);
      EXPECT_EQ(view.messages[0], editor::ErrorMessage(c.message));
      sheet.ClickCancel();
    };
    EditOutcome edited = EditThroughExport(kGprsDataSend, c.text, view);
    EXPECT_EQ(edited.result, 0);
    EXPECT_EQ(edited.text, c.text);
  }
}

}  // namespace
}  // namespace ostrevan::testing
