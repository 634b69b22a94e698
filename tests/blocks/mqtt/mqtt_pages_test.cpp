// The MQTT pages and the item dialog through Function_Edit.
#include <gtest/gtest.h>

#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "blocks/mqtt/mqtt_comm_page.h"
#include "blocks/mqtt/mqtt_connect_page.h"
#include "blocks/mqtt/mqtt_item_dialog.h"
#include "blocks/mqtt/mqtt_read_page.h"
#include "blocks/mqtt/mqtt_test_support.h"
#include "blocks/mqtt/mqtt_write_page.h"
#include "support/edit_export.h"

namespace ostrevan::testing {
namespace {

using editor::LabelId;
using editor::PageModel;
using Connect = CPropertyMqttConnect;
using Comm = CPropertyMqttComm;
using Read = CPropertyMqttRead;
using Write = CPropertyMqttWrite;
using Item = CMqttWriteItemDialog;

constexpr char kPublishText[] =
    "A:30,30,10,0,0,B:1,0,1,C:,D:,E:,F:t,G1:176,0,3,2,5,0,H1:in,I1:Inputs,"
    "G2:161,0,10,1,0,0,H2:lvl,I2:Level";

std::string ConnectText(int tls, const char* ca, const char* certificate, const char* key) {
  return std::string("A:30,10,0,1884,1,") + std::to_string(tls) + ",0,0,0,B:,C:,D:,E:0.0.0.0,F:" +
         ca + ",G:" + certificate + ",H:" + key + ",I:";
}

// Edits `text` with tab `tab` shown: `script` acts on that page, then OK.
EditOutcome EditOnPage(int type, const std::string& text, FakeView& view, size_t tab,
                       std::function<void(PageModel&)> script) {
  view.sheet_script = [tab, script](CPropertyBasic& sheet) {
    sheet.ShowPage(tab);
    script(sheet.page(tab));
    sheet.ClickOk();
  };
  return EditThroughExport(type, text, view);
}

// On opening: the radio pair from the paths, the enabling from TLS and the
// radio; OK clears the paths unless "Self signed certificates" is chosen.
TEST(MqttConnectPage, CertificateChoiceDecidesEnablingAndWhatOkStores) {
  struct Case {
    const char* name;
    std::string text;
    bool self_signed, paths_enabled;
    std::string stored;
  };
  const Case cases[] = {
      {"only a key path", ConnectText(1, "", "", "k.key"), false, false, ConnectText(1, "", "", "")},
      {"a CA file", ConnectText(1, "ca.pem", "", "k.key"), true, true,
       ConnectText(1, "ca.pem", "", "k.key")},
      {"TLS off, self signed", ConnectText(0, "", "c.crt", ""), true, false,
       ConnectText(0, "", "c.crt", "")},
      {"TLS off, CA signed", ConnectText(0, "", "", "k.key"), false, false,
       ConnectText(0, "", "", "")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeView view;
    EditOutcome edited = EditOnPage(kConnect, c.text, view, 0, [&c](PageModel& page) {
      bool tls = page.At(Connect::kTls).checked;
      EXPECT_EQ(page.At(Connect::kSelfSigned).checked, c.self_signed);
      EXPECT_EQ(page.At(Connect::kCaSigned).checked, !c.self_signed);
      EXPECT_EQ(page.At(Connect::kCaSigned).enabled, tls);
      EXPECT_EQ(page.At(Connect::kSelfSigned).enabled, tls);
      for (int id : {Connect::kCaFile, LabelId(Connect::kKeyFile), Connect::kBrowseKeyFile})
        EXPECT_EQ(page.At(id).enabled, c.paths_enabled) << id;
    });
    EXPECT_EQ(edited.result, 1);
    EXPECT_EQ(edited.text, c.stored);
  }
}

TEST(MqttConnectPage, DomainBrowseClientIdAndTimeoutAreStored) {
  FakeView view;
  view.file_choice = "C:\\certs\\ca.pem";
  auto script = [&view](PageModel& page) {
    page.UserClicks(Connect::kByDomain);
    EXPECT_TRUE(page.At(Connect::kDomain).enabled);
    EXPECT_FALSE(page.At(Connect::kIp).enabled);
    page.UserTypes(Connect::kDomain, "broker.example.com");
    page.UserClicks(Connect::kTls);
    page.UserClicks(Connect::kSelfSigned);
    page.UserClicks(Connect::kBrowseCaFile);
    ASSERT_EQ(view.file_requests.size(), 1u);
    EXPECT_EQ(view.file_requests[0].filter, "CA certificate files(*.pem)|*.pem|All file(*.*)|*.*||");
    page.UserClicks(Connect::kNewClientId);
    EXPECT_TRUE(std::regex_match(page.At(Connect::kClientId).text, std::regex("[0-9]{12,15}")));
    page.UserTypes(Connect::kClientId, "plc7");
    page.UserTypes(Connect::kConnectionTimeout, "5");  // accepted; the record codes it as 10
    page.UserClicks(Connect::kCleanSession);
  };
  EXPECT_EQ(EditOnPage(kConnect, ConnectText(0, "", "", ""), view, 0, script).text,
            "A:30,5,0,1884,0,1,1,0,0,B:plc7,C:,D:,E:0.0.0.0,F:C:\\certs\\ca.pem,G:,H:,"
            "I:broker.example.com");
}

// The network list of the Connect and Comm pages: "4G" only for a model
// that supports it; a 4G record without it shows no selection and is kept.
TEST(MqttPages, NetworkListFollowsTheCpuModel) {
  struct Block {
    int type, list;
    std::string text;
  };
  const Block blocks[] = {
      {kConnect, Connect::kNetwork, "A:30,10,0,1884,1,0,0,0,1,B:,C:,D:,E:0.0.0.0,F:,G:,H:,I:"},
      {kSubscribe, Comm::kNetwork, "A:30,30,10,0,160,0,0,1,0,B:1,0,1,C:,D:,E:,F:"},
      {kPublish, Comm::kNetwork, "A:30,30,10,0,1,B:1,0,1,C:,D:,E:,F:"},
  };
  for (const Block& block : blocks) {
    for (bool has_4g : {false, true}) {
      SCOPED_TRACE(std::to_string(block.type) + (has_4g ? " with 4G" : " without 4G"));
      SelectCpu(has_4g ? "OSV-2410-4G" : "OSV-2410");
      FakeView view;
      EditOutcome edited = EditOnPage(block.type, block.text, view, 0, [&](PageModel& page) {
        EXPECT_EQ(page.At(block.list).items.size(), has_4g ? 2u : 1u);
        EXPECT_EQ(page.At(block.list).selection, has_4g ? 1 : -1);
      });
      EXPECT_EQ(edited.text, block.text);
    }
  }
}

TEST(MqttCommPage, FollowsItsBlockAndPassesTheHiddenFieldsThrough) {
  struct Case {
    int type;
    std::string text, stored;
    const char* interval_label;
    bool publish;
  };
  const Case cases[] = {
      {kSubscribe, "A:30,40,20,3,160,0,0,0,1,B:0,0,0,C:id,D:u,E:pw,F:in/t",
       "A:0,40,20,3,160,0,0,0,0,B:1,0,0,C:id,D:u,E:pw,F:in/t", "Subscribe interval time", false},
      {kPublish, "A:30,40,20,3,0,B:0,1,0,C:id,D:u,E:pw,F:out/t",
       "A:0,40,20,3,0,B:1,0,0,C:id,D:u,E:pw,F:out/t", "Publish interval time", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.interval_label);
    FakeView view;
    EditOutcome edited = EditOnPage(c.type, c.text, view, 0, [&c](PageModel& page) {
      EXPECT_EQ(page.At(Comm::kUseInterval).label, c.interval_label);
      EXPECT_EQ(page.At(Comm::kRetained).visible, c.publish);
      EXPECT_EQ(page.At(Comm::kAzureC2d).visible, !c.publish);
      EXPECT_FALSE(page.At(Comm::kClientId).visible);
      page.UserClicks(Comm::kUseInterval);  // off: interval 0
      EXPECT_FALSE(page.At(Comm::kInterval).enabled);
      page.UserClicks(Comm::kQos1);
      page.UserClicks(c.publish ? Comm::kRetained : Comm::kAzureC2d);  // off
    });
    EXPECT_EQ(edited.text, c.stored);
  }
}

TEST(MqttReadPage, CharCountZeroShowsOneAndTheListEnablesIt) {
  SelectCpu("OSV-2410");
  FakeView view;
  auto script = [](PageModel& page) {
    EXPECT_EQ(page.At(Read::kStartByte).tooltip, "VB0 ~ VB2047 <br>");
    EXPECT_EQ(page.At(Read::kStartByte).range->max, 2047);
    EXPECT_EQ(page.At(Read::kCharCount).text, "1");
    EXPECT_FALSE(page.At(Read::kCharCount).enabled);  // "As Received"
    page.UserSelects(Read::kReceiveNumber, 0);
    EXPECT_TRUE(page.At(Read::kCharCount).enabled);
    page.UserTypes(Read::kStartByte, "100");
  };
  EXPECT_EQ(EditOnPage(kSubscribe, "A:30,30,10,0,160,0,0,0,0,B:1,0,1,C:,D:,E:,F:", view, 1, script)
                .text,
            "A:30,30,10,0,160,100,1,0,0,B:1,1,1,C:,D:,E:,F:");
}

// --------------------------------------------------------------- Publish

TEST(MqttWritePage, GridShowsTheItemsInSlotOrder) {
  for (int scroll_bar : {17, 24}) {
    FakeView view;
    view.scroll_bar_height = scroll_bar;
    EditOutcome edited = EditOnPage(kPublish, kPublishText, view, 1, [&](PageModel& page) {
      const editor::Grid& grid = page.At(Write::kGrid).grid;
      EXPECT_EQ(grid.cells, (std::vector<std::vector<std::string>>{
                                {"Comment", "Register", "count", "Format", "Description"},
                                {"Inputs", "I0.3", "2", "BOOL", "in"},
                                {"Level", "VW10", "1", "INT", "lvl"}}));
      EXPECT_EQ(grid.row_heights[1], scroll_bar == 17 ? 20 : 26);
    });
    EXPECT_EQ(edited.text, kPublishText);
  }
}

// Add, then Edit by a double click: the register change refills the format
// list; an operand that names nothing is stored with area 0.
TEST(MqttWritePage, AddAndEditRunTheItemDialog) {
  FakeView view;
  view.dialog_scripts.push_back([](editor::DialogModel& dialog) {
    EXPECT_EQ(dialog.caption(), "MQTT item");
    EXPECT_EQ(dialog.At(Item::kRegister).text, "I0.0");
    EXPECT_FALSE(dialog.At(Item::kFormat).enabled);
    EXPECT_FALSE(dialog.At(Item::kLength).visible);
    dialog.UserTypes(Item::kRegister, "VD4");
    EXPECT_EQ(dialog.At(Item::kFormat).items,
              (std::vector<std::string>{"DINT", "UDINT", "DWORD", "FLOAT"}));
    EXPECT_TRUE(dialog.At(Item::kFormat).enabled);
    dialog.UserSelects(Item::kFormat, 3);
    dialog.UserSelects(Item::kCount, 3);
    dialog.UserTypes(Item::kComment, "Flow");
    dialog.UserClicks(editor::kIdOk);
  });
  view.dialog_scripts.push_back([](editor::DialogModel& dialog) {
    EXPECT_EQ(dialog.At(Item::kFormat).SelectedText(), "INT");
    dialog.UserTypes(Item::kRegister, "X5");
    dialog.UserClicks(editor::kIdOk);
  });
  EditOutcome edited = EditOnPage(kPublish, kPublishText, view, 1, [](PageModel& page) {
    page.UserClicks(Write::kAdd);
    page.UserFocusesCell(Write::kGrid, 2, 1);
    page.UserDoubleClicks(Write::kGrid);
  });
  EXPECT_EQ(edited.text,
            "A:30,30,10,0,0,B:1,0,1,C:,D:,E:,F:t,G1:176,0,3,2,5,0,H1:in,I1:Inputs,"
            "G2:0,0,5,1,0,0,H2:lvl,I2:Level,G3:162,0,4,4,4,0,H3:,I3:Flow");
}

TEST(MqttWritePage, DeleteAsksAndShiftsTheLaterSlotsUp) {
  using editor::MessageAnswer;
  const editor::MessageBox question = editor::Confirmation("Delete [Inputs - BOOL] ?");
  struct Case {
    std::string text;
    int row;  // -1: none selected
    MessageAnswer answer;
    editor::MessageBox message;
    std::string stored;
  };
  const std::string only = "A:0,0,0,0,0,B:1,0,1,C:,D:,E:,F:";
  const Case cases[] = {
      {kPublishText, -1, MessageAnswer::kOk,
       editor::ErrorMessage("Please select the recorder you want to delete."), kPublishText},
      {kPublishText, 1, MessageAnswer::kNo, question, kPublishText},
      {kPublishText, 1, MessageAnswer::kYes, question,
       "A:30,30,10,0,0,B:1,0,1,C:,D:,E:,F:t,G1:161,0,10,1,0,0,H1:lvl,I1:Level"},
      {only + ",G1:177,0,2,1,2,0,H1:d,I1:c", 1, MessageAnswer::kYes,
       editor::Confirmation("Delete [c - BYTE] ?"), only},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    FakeView view;
    view.answers.push_back(c.answer);
    EditOutcome edited = EditOnPage(kPublish, c.text, view, 1, [&c](PageModel& page) {
      page.UserFocusesCell(Write::kGrid, c.row, 0);
      page.UserClicks(Write::kDelete);
      if (c.text != kPublishText) {
        EXPECT_EQ(page.At(Write::kGrid).grid.rows(), 1);
      }
    });
    EXPECT_EQ(view.messages, std::vector<editor::MessageBox>{c.message});
    EXPECT_EQ(edited.text, c.stored);
  }
}

// Straight on the record: slots past the twelfth are shown too, and Add
// counts the items shown.
TEST(MqttWritePage, SlotLimits) {
  auto run = [](MqttPublishParams& params, FakeView& view, std::function<void(PageModel&)> script) {
    view.sheet_script = [script](CPropertyBasic& sheet) {
      sheet.ShowPage(1);
      script(sheet.page(1));
      sheet.ClickOk();
    };
    EXPECT_TRUE(EditMqttPublish(params, view));
  };
  MqttPublishParams full = ParseMqttPublishText(kPublishText);
  full.items.fill(full.items[0]);
  full.items[5].area = -3;  // not shown
  FakeView view;
  run(full, view, [](PageModel& page) {
    EXPECT_EQ(page.At(Write::kGrid).grid.rows(), 16);
    page.UserClicks(Write::kAdd);  // more than 12 shown: nothing
    page.UserFocusesCell(Write::kGrid, 15, 0);
    page.UserClicks(Write::kDelete);
  });
  EXPECT_TRUE(view.dialog_captions.empty());
  EXPECT_EQ(full.items[15].count, 0);
  EXPECT_EQ(full.items[14].count, 2);

  MqttPublishParams one = ParseMqttPublishText("A:0,0,0,0,0,B:1,0,1,C:,D:,E:,F:,G1:176,0,0,1,5,0,"
                                               "H1:,I1:a");
  for (int add = 0; add < 13; ++add)
    view.dialog_scripts.push_back([](editor::DialogModel& d) { d.UserClicks(editor::kIdOk); });
  run(one, view, [](PageModel& page) {
    for (int add = 0; add < 13; ++add) page.UserClicks(Write::kAdd);
  });
  EXPECT_EQ(view.dialog_captions.size(), 11u) << "no dialog once 12 items are shown";
  EXPECT_EQ(one.items[11].count, 1);
  EXPECT_EQ(one.items[12].count, 0);
}

}  // namespace
}  // namespace ostrevan::testing
