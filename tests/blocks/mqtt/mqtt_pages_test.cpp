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
#include "blocks/mqtt/mqtt_write_page.h"
#include "blocks/mqtt/mqtt_test_support.h"
#include "support/edit_export.h"

namespace ostrevan::testing {
namespace {

using editor::LabelId;
using Connect = CPropertyMqttConnect;
using Comm = CPropertyMqttComm;
using Read = CPropertyMqttRead;
using Write = CPropertyMqttWrite;
using Item = CMqttWriteItemDialog;

constexpr char kNo4G[] = "OSV-2410";
constexpr char kWith4G[] = "OSV-2410-4G";
constexpr char kPublishText[] =
    "A:30,30,10,0,0,B:1,0,1,C:,D:,E:,F:t,G1:176,0,3,2,5,0,H1:in,I1:Inputs,"
    "G2:161,0,10,1,0,0,H2:lvl,I2:Level";

std::string ConnectText(int tls, const char* ca, const char* certificate, const char* key) {
  return std::string("A:30,10,0,1884,1,") + std::to_string(tls) + ",0,0,0,B:,C:,D:,E:0.0.0.0,F:" +
         ca + ",G:" + certificate + ",H:" + key + ",I:";
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
    view.sheet_script = [&c](CPropertyBasic& sheet) {
      editor::PageModel& page = sheet.page(0);
      bool tls = page.At(Connect::kTls).checked;
      EXPECT_EQ(page.At(Connect::kSelfSigned).checked, c.self_signed);
      EXPECT_EQ(page.At(Connect::kCaSigned).checked, !c.self_signed);
      EXPECT_EQ(page.At(Connect::kCaSigned).enabled, tls);
      EXPECT_EQ(page.At(Connect::kSelfSigned).enabled, tls);
      for (int id : {Connect::kCaFile, LabelId(Connect::kKeyFile), Connect::kBrowseKeyFile})
        EXPECT_EQ(page.At(id).enabled, c.paths_enabled) << id;
      sheet.ClickOk();
    };
    EditOutcome edited = EditThroughExport(kConnect, c.text, view);
    EXPECT_EQ(edited.result, 1);
    EXPECT_EQ(edited.text, c.stored);
  }
}

TEST(MqttConnectPage, FixedControlsBrowseAndClientIdAndEveryFieldStored) {
  FakeView view;
  view.file_choice = "C:\\certs\\ca.pem";
  view.sheet_script = [&view](CPropertyBasic& sheet) {
    editor::PageModel& page = sheet.page(0);
    EXPECT_EQ(sheet.tab_title(0), "Params");
    EXPECT_EQ(page.At(Connect::kProtocol).text, "TLSV1.2");
    EXPECT_TRUE(page.At(Connect::kProtocol).read_only);
    EXPECT_TRUE(page.At(Connect::kPemFormatted).checked);
    EXPECT_FALSE(page.At(Connect::kPemFormatted).enabled);
    EXPECT_EQ(page.At(Connect::kDomain).text_limit, 250);
    EXPECT_EQ(page.At(Connect::kConnectionTimeout).range->max, 60);
    EXPECT_EQ(page.At(Connect::kPingInterval).range->max, 255);
    EXPECT_EQ(page.At(Connect::kPort).range->max, 65535);
    EXPECT_FALSE(page.At(Connect::kDomain).enabled);
    page.UserClicks(Connect::kByDomain);
    EXPECT_TRUE(page.At(Connect::kDomain).enabled);
    EXPECT_FALSE(page.At(Connect::kIp).enabled);
    page.UserTypes(Connect::kDomain, "broker.example.com");
    page.UserClicks(Connect::kTls);
    page.UserClicks(Connect::kSelfSigned);
    EXPECT_TRUE(page.At(Connect::kBrowseCaFile).enabled);
    page.UserClicks(Connect::kBrowseCaFile);
    ASSERT_EQ(view.file_requests.size(), 1u);
    EXPECT_EQ(view.file_requests[0].filter, "CA certificate files(*.pem)|*.pem|All file(*.*)|*.*||");
    page.UserClicks(Connect::kNewClientId);
    EXPECT_TRUE(std::regex_match(page.At(Connect::kClientId).text, std::regex("[0-9]{12,15}")))
        << page.At(Connect::kClientId).text;
    page.UserTypes(Connect::kClientId, "plc7");
    page.UserTypes(Connect::kConnectionTimeout, "5");  // accepted; the record codes it as 10
    page.UserClicks(Connect::kCleanSession);
    sheet.ClickOk();
  };
  EditOutcome edited = EditThroughExport(kConnect, ConnectText(0, "", "", ""), view);
  EXPECT_EQ(edited.text,
            "A:30,5,0,1884,0,1,1,0,0,B:plc7,C:,D:,E:0.0.0.0,F:C:\\certs\\ca.pem,G:,H:,"
            "I:broker.example.com");
}

// Every text field at its limit makes a text longer than the buffer: it is
// cut at the announced length (the guard byte behind it stays).
TEST(MqttConnectPage, ATextLongerThanTheBufferIsCut) {
  FakeView view;
  view.sheet_script = [](CPropertyBasic& sheet) {
    editor::PageModel& page = sheet.page(0);
    page.UserClicks(Connect::kTls);
    page.UserClicks(Connect::kSelfSigned);
    page.UserClicks(Connect::kByDomain);
    for (int id : {Connect::kClientId, Connect::kUserName, Connect::kPassword, Connect::kDomain,
                   Connect::kCaFile, Connect::kCertificateFile, Connect::kKeyFile})
      page.UserTypes(id, std::string(250, 'x'));
    sheet.ClickOk();
  };
  EditOutcome edited = EditThroughExport(kConnect, ConnectText(0, "", "", ""), view);
  EXPECT_EQ(edited.result, 1);
  EXPECT_EQ(edited.text.size(), 1023u);
}

// The network list of the Connect and Comm pages: "4G" only for a model
// that supports it; a 4G record without it shows no selection and is kept.
TEST(MqttPages, NetworkListFollowsTheCpuModel) {
  struct Block {
    int type, page, list;
    std::string text;
  };
  const Block blocks[] = {
      {kConnect, 0, Connect::kNetwork, "A:30,10,0,1884,1,0,0,0,1,B:,C:,D:,E:0.0.0.0,F:,G:,H:,I:"},
      {kSubscribe, 0, Comm::kNetwork, "A:30,30,10,0,160,0,0,1,0,B:1,0,1,C:,D:,E:,F:"},
      {kPublish, 0, Comm::kNetwork, "A:30,30,10,0,1,B:1,0,1,C:,D:,E:,F:"},
  };
  for (const Block& block : blocks) {
    for (const char* cpu : {kNo4G, kWith4G}) {
      SCOPED_TRACE(std::to_string(block.type) + " " + cpu);
      SelectCpu(cpu);
      bool has_4g = cpu == kWith4G;
      FakeView view;
      view.sheet_script = [&](CPropertyBasic& sheet) {
        const editor::Control& list = sheet.page(block.page).At(block.list);
        EXPECT_EQ(list.items.size(), has_4g ? 2u : 1u);
        EXPECT_EQ(list.selection, has_4g ? 1 : -1);
        sheet.ClickOk();
      };
      EXPECT_EQ(EditThroughExport(block.type, block.text, view).text, block.text);
    }
  }
}

TEST(MqttCommPage, FollowsItsBlockAndPassesTheHiddenFieldsThrough) {
  struct Case {
    int type;
    std::string text, stored;
    const char* interval_label;
    bool retained_shown;
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
    view.sheet_script = [&c](CPropertyBasic& sheet) {
      EXPECT_EQ(sheet.tab_title(0), "Comm");
      EXPECT_EQ(sheet.tab_title(1), "Params");
      editor::PageModel& page = sheet.page(0);
      EXPECT_EQ(page.At(Comm::kUseInterval).label, c.interval_label);
      EXPECT_EQ(page.At(Comm::kRetained).visible, c.retained_shown);
      EXPECT_EQ(page.At(Comm::kAzureC2d).visible, !c.retained_shown);
      EXPECT_FALSE(page.At(Comm::kClientId).visible);
      EXPECT_EQ(page.At(Comm::kRemote).selection, 3);
      EXPECT_TRUE(page.At(Comm::kInterval).enabled);
      page.UserClicks(Comm::kUseInterval);  // off: interval 0
      EXPECT_FALSE(page.At(Comm::kInterval).enabled);
      page.UserClicks(Comm::kQos1);
      page.UserClicks(c.retained_shown ? Comm::kRetained : Comm::kAzureC2d);  // off
      sheet.ClickOk();
    };
    EXPECT_EQ(EditThroughExport(c.type, c.text, view).text, c.stored);
  }
}

TEST(MqttReadPage, CharCountZeroShowsOneAndTheListEnablesIt) {
  SelectCpu(kNo4G);
  FakeView view;
  view.sheet_script = [](CPropertyBasic& sheet) {
    sheet.ShowPage(1);
    editor::PageModel& page = sheet.page(1);
    EXPECT_EQ(page.At(Read::kStartByte).tooltip, "VB0 ~ VB2047 <br>");
    EXPECT_EQ(page.At(Read::kStartByte).range->max, 2047);
    EXPECT_EQ(page.At(Read::kCharCount).text, "1");
    EXPECT_EQ(page.At(Read::kReceiveNumber).selection, 1);
    EXPECT_FALSE(page.At(Read::kCharCount).enabled);
    page.UserSelects(Read::kReceiveNumber, 0);
    EXPECT_TRUE(page.At(Read::kCharCount).enabled);
    page.UserTypes(Read::kStartByte, "100");
    sheet.ClickOk();
  };
  EXPECT_EQ(EditThroughExport(kSubscribe, "A:30,30,10,0,160,0,0,0,0,B:1,0,1,C:,D:,E:,F:", view).text,
            "A:30,30,10,0,160,100,1,0,0,B:1,1,1,C:,D:,E:,F:");
}

// --------------------------------------------------------------- Publish

// Runs the Publish sheet on its "Params" page; `script` gets the page.
EditOutcome EditPublish(const std::string& text, FakeView& view,
                        std::function<void(editor::PageModel&)> script) {
  view.sheet_script = [script](CPropertyBasic& sheet) {
    sheet.ShowPage(1);
    script(sheet.page(1));
    sheet.ClickOk();
  };
  return EditThroughExport(kPublish, text, view);
}

TEST(MqttWritePage, GridShowsTheItemsInSlotOrder) {
  for (int scroll_bar : {17, 24}) {
    FakeView view;
    view.scroll_bar_height = scroll_bar;
    EditOutcome edited = EditPublish(kPublishText, view, [&](editor::PageModel& page) {
      const editor::Grid& grid = page.At(Write::kGrid).grid;
      EXPECT_EQ(grid.cells, (std::vector<std::vector<std::string>>{
                                {"Comment", "Register", "count", "Format", "Description"},
                                {"Inputs", "I0.3", "2", "BOOL", "in"},
                                {"Level", "VW10", "1", "INT", "lvl"}}));
      EXPECT_EQ(grid.column_widths, (std::vector<int>{80, 100, 70, 110, 70}));
      EXPECT_EQ(grid.row_heights[1], scroll_bar == 17 ? 20 : 26);
    });
    EXPECT_EQ(edited.text, kPublishText);
  }
}

// Add through the item dialog: the register change refills the format
// list, and OK stores the next slot.
TEST(MqttWritePage, AddRunsTheItemDialog) {
  FakeView view;
  view.dialog_scripts.push_back([](editor::DialogModel& dialog) {
    EXPECT_EQ(dialog.caption(), "MQTT item");
    EXPECT_EQ(dialog.At(Item::kRegister).text, "I0.0");
    EXPECT_FALSE(dialog.At(Item::kFormat).enabled);
    EXPECT_FALSE(dialog.At(Item::kLength).visible);
    EXPECT_EQ(dialog.At(Item::kCount).items.size(), 16u);
    dialog.UserTypes(Item::kRegister, "VD4");
    EXPECT_EQ(dialog.At(Item::kFormat).items,
              (std::vector<std::string>{"DINT", "UDINT", "DWORD", "FLOAT"}));
    EXPECT_EQ(dialog.At(Item::kFormat).selection, 0);
    EXPECT_TRUE(dialog.At(Item::kFormat).enabled);
    dialog.UserSelects(Item::kFormat, 3);
    dialog.UserSelects(Item::kCount, 3);
    dialog.UserTypes(Item::kComment, "Flow");
    dialog.UserClicks(editor::kIdOk);
  });
  EditOutcome edited = EditPublish(kPublishText, view, [](editor::PageModel& page) {
    page.UserClicks(Write::kAdd);
    EXPECT_EQ(page.At(Write::kGrid).grid.cells.back(),
              (std::vector<std::string>{"Flow", "VD4", "4", "FLOAT", ""}));
  });
  EXPECT_EQ(edited.text, std::string(kPublishText) + ",G3:162,0,4,4,4,0,H3:,I3:Flow");
}

TEST(MqttWritePage, EditByDoubleClickStoresAnUnknownRegisterWithAreaZero) {
  FakeView view;
  view.dialog_scripts.push_back([](editor::DialogModel& dialog) {
    EXPECT_EQ(dialog.At(Item::kFormat).SelectedText(), "INT");
    dialog.UserTypes(Item::kRegister, "X5");
    dialog.UserClicks(editor::kIdOk);
  });
  EditOutcome edited = EditPublish(kPublishText, view, [](editor::PageModel& page) {
    page.UserFocusesCell(Write::kGrid, 2, 1);
    page.UserDoubleClicks(Write::kGrid);
  });
  EXPECT_EQ(view.dialog_captions.size(), 1u);
  EXPECT_NE(edited.text.find(",G2:0,0,5,1,0,0,H2:lvl,I2:Level"), std::string::npos) << edited.text;
}

TEST(MqttWritePage, DeleteAsksAndShiftsTheLaterSlotsUp) {
  struct Case {
    const char* name;
    int row;  // -1: none selected
    editor::MessageAnswer answer;
    editor::MessageBox message;
    std::string stored;
  };
  const Case cases[] = {
      {"nothing selected", -1, editor::MessageAnswer::kOk,
       editor::ErrorMessage("Please select the recorder you want to delete."), kPublishText},
      {"answered No", 1, editor::MessageAnswer::kNo,
       editor::Confirmation("Delete [Inputs - BOOL] ?"), kPublishText},
      {"answered Yes", 1, editor::MessageAnswer::kYes,
       editor::Confirmation("Delete [Inputs - BOOL] ?"),
       "A:30,30,10,0,0,B:1,0,1,C:,D:,E:,F:t,G1:161,0,10,1,0,0,H1:lvl,I1:Level"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeView view;
    view.answers.push_back(c.answer);
    EditOutcome edited = EditPublish(kPublishText, view, [&c](editor::PageModel& page) {
      page.UserFocusesCell(Write::kGrid, c.row, 0);
      page.UserClicks(Write::kDelete);
    });
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0], c.message);
    EXPECT_EQ(edited.text, c.stored);
  }
}

// Straight on the record: every slot is seen, and the Add limit counts the
// items shown.
TEST(MqttWritePage, FullSlotsAndTheOnlyItem) {
  MqttPublishParams full = ParseMqttPublishText(kPublishText);
  for (PublishItem& item : full.items) item = full.items[0];
  full.items[5].area = -3;  // not shown
  FakeView view;
  view.sheet_script = [](CPropertyBasic& sheet) {
    sheet.ShowPage(1);
    editor::PageModel& page = sheet.page(1);
    EXPECT_EQ(page.At(Write::kGrid).grid.rows(), 16);
    page.UserClicks(Write::kAdd);  // more than 12 shown: nothing
    page.UserFocusesCell(Write::kGrid, 15, 0);
    page.UserClicks(Write::kDelete);
    EXPECT_EQ(page.At(Write::kGrid).grid.rows(), 15);
    sheet.ClickOk();
  };
  ASSERT_TRUE(EditMqttPublish(full, view));
  EXPECT_TRUE(view.dialog_captions.empty());
  EXPECT_EQ(full.items[15].count, 0);
  EXPECT_EQ(full.items[14].count, 2);

  MqttPublishParams one = ParseMqttPublishText("A:30,30,10,0,0,B:1,0,1,C:,D:,E:,F:,G1:176,0,0,1,5,0,"
                                               "H1:,I1:a");
  view.sheet_script = [](CPropertyBasic& sheet) {
    sheet.ShowPage(1);
    editor::PageModel& page = sheet.page(1);
    for (int add = 0; add < 13; ++add) page.UserClicks(Write::kAdd);
    EXPECT_EQ(page.At(Write::kGrid).grid.rows(), 13);  // the header and 12 items
    sheet.ClickOk();
  };
  for (int add = 0; add < 13; ++add)
    view.dialog_scripts.push_back([](editor::DialogModel& d) { d.UserClicks(editor::kIdOk); });
  view.dialog_captions.clear();
  ASSERT_TRUE(EditMqttPublish(one, view));
  EXPECT_EQ(view.dialog_captions.size(), 11u) << "no dialog once 12 items are shown";

  view.answers.push_back(editor::MessageAnswer::kYes);
  view.sheet_script = [](CPropertyBasic& sheet) {
    sheet.ShowPage(1);
    editor::PageModel& page = sheet.page(1);
    for (int row = 12; row >= 1; --row) {
      page.UserFocusesCell(Write::kGrid, 1, 0);
      page.UserClicks(Write::kDelete);
    }
    EXPECT_EQ(page.At(Write::kGrid).grid.rows(), 1);
    sheet.ClickOk();
  };
  ASSERT_TRUE(EditMqttPublish(one, view));
  for (const PublishItem& item : one.items) EXPECT_EQ(item.count, 0);
}

}  // namespace
}  // namespace ostrevan::testing
