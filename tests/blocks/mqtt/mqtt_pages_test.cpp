// The MQTT pages and the item dialog through Function_Edit.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "blocks/mqtt/mqtt_comm_page.h"
#include "blocks/mqtt/mqtt_connect_page.h"
#include "blocks/mqtt/mqtt_item_dialog.h"
#include "blocks/mqtt/mqtt_read_page.h"
#include "blocks/mqtt/mqtt_test_support.h"
#include "blocks/mqtt/mqtt_write_page.h"
#include "support/page_table.h"

namespace ostrevan::testing {
namespace {

using editor::LabelId;
using editor::MessageAnswer;
using Connect = CPropertyMqttConnect;
using Comm = CPropertyMqttComm;
using Read = CPropertyMqttRead;
using Write = CPropertyMqttWrite;
using Item = CMqttWriteItemDialog;

constexpr char kPublishText[] =
    "A:30,30,10,0,0,B:1,0,1,C:,D:,E:,F:t,G1:176,0,3,2,5,0,H1:in,I1:Inputs,"
    "G2:161,0,10,1,0,0,H2:lvl,I2:Level";
constexpr char kConnect4G[] = "A:30,10,0,1884,1,0,0,0,1,B:,C:,D:,E:0.0.0.0,F:,G:,H:,I:";
constexpr char kOnlyOne[] = "A:0,0,0,0,0,B:1,0,1,C:,D:,E:,F:,G1:177,0,2,1,2,0,H1:d,I1:c";

std::string ConnectText(int tls, const char* ca, const char* certificate, const char* key) {
  return std::string("A:30,10,0,1884,1,") + std::to_string(tls) + ",0,0,0,B:,C:,D:,E:0.0.0.0,F:" +
         ca + ",G:" + certificate + ",H:" + key + ",I:";
}

// On opening: the radio pair from the paths, the enabling from TLS and the
// radio; OK clears the paths unless "Self signed certificates" is chosen.
PageRow Certificates(const char* name, int tls, const char* ca, const char* certificate,
                     const char* key, bool self_signed, bool paths, std::string stored) {
  Acts acts = {Checked(Connect::kSelfSigned, self_signed),
               Checked(Connect::kCaSigned, !self_signed),
               Enabled(Connect::kCaSigned, tls), Enabled(Connect::kSelfSigned, tls)};
  for (int id : {Connect::kCaFile, LabelId(Connect::kKeyFile), Connect::kBrowseKeyFile})
    acts.push_back(Enabled(id, paths));
  acts.push_back(Ok());
  return {name, kConnect, ConnectText(tls, ca, certificate, key), acts, stored};
}

// The network list: "4G" only for a model that supports it; a 4G record
// without it shows no selection and is kept.
PageRow Network(int type, int list, const char* text, bool has_4g) {
  return {"the network list follows the CPU model", type, text,
          {[list, has_4g](PageRun& run) {
             EXPECT_EQ(run.form->At(list).items.size(), has_4g ? 2u : 1u);
           },
           Selection(list, has_4g ? 1 : -1), Ok()},
          "", 1, {}, has_4g ? "OSV-2410-4G" : "OSV-2410"};
}

// Delete on grid row `row` (-1: none focused), the message box and its
// answer, the grid's rows (the header row included) after it.
PageRow Delete(const char* text, int row, MessageAnswer answer, editor::MessageBox box,
               int rows, std::string stored) {
  return {"delete", kPublish, text,
          {ShowPage(1), Answer(answer), FocusCell(Write::kGrid, row, 0), Click(Write::kDelete),
           Said({box}),
           [rows](PageRun& run) { EXPECT_EQ(run.form->At(Write::kGrid).grid.rows(), rows); },
           Ok()},
          stored};
}

TEST(MqttPages, Table) {
  const editor::MessageBox question = editor::Confirmation("Delete [Inputs - BOOL] ?");
  RunRows({
      Certificates("only a key path", 1, "", "", "k.key", false, false, ConnectText(1, "", "", "")),
      Certificates("a CA file", 1, "ca.pem", "", "k.key", true, true, ""),
      Certificates("TLS off, self signed", 0, "", "c.crt", "", true, false, ""),
      Certificates("TLS off, CA signed", 0, "", "", "k.key", false, false,
                   ConnectText(0, "", "", "")),
      {"domain, browse, client id and timeout are stored", kConnect, ConnectText(0, "", "", ""),
       {Click(Connect::kByDomain), Enabled(Connect::kDomain, true), Enabled(Connect::kIp, false),
        Type(Connect::kDomain, "broker.example.com"), Click(Connect::kTls),
        Click(Connect::kSelfSigned),
        [](PageRun& run) { run.view->file_choice = "C:\\certs\\ca.pem"; },
        Click(Connect::kBrowseCaFile),
        Click(Connect::kNewClientId),
        [](PageRun& run) {
          EXPECT_TRUE(std::regex_match(run.form->At(Connect::kClientId).text,
                                       std::regex("[0-9]{12,15}")));
        },
        Type(Connect::kClientId, "plc7"),
        Type(Connect::kConnectionTimeout, "5"),  // accepted; the record codes it as 10
        Click(Connect::kCleanSession), Ok()},
       "A:30,5,0,1884,0,1,1,0,0,B:plc7,C:,D:,E:0.0.0.0,F:C:\\certs\\ca.pem,G:,H:,"
       "I:broker.example.com"},
      Network(kConnect, Connect::kNetwork, kConnect4G, false),
      Network(kConnect, Connect::kNetwork, kConnect4G, true),
      // the comm page of both blocks
      Network(kSubscribe, Comm::kNetwork, "A:30,30,10,0,160,0,0,1,0,B:1,0,1,C:,D:,E:,F:", false),
      Network(kPublish, Comm::kNetwork, "A:30,30,10,0,1,B:1,0,1,C:,D:,E:,F:", true),
      // the comm page follows its block and passes the hidden fields through
      {"subscribe comm page", kSubscribe, "A:30,40,20,3,160,0,0,0,1,B:0,0,0,C:id,D:u,E:pw,F:in/t",
       {Label(Comm::kUseInterval, "Subscribe interval time"), Expect(Comm::kRetained,
        &editor::Control::visible, false), Expect(Comm::kAzureC2d, &editor::Control::visible, true),
        Expect(Comm::kClientId, &editor::Control::visible, false), Click(Comm::kUseInterval),
        Enabled(Comm::kInterval, false), Enabled(Comm::kIntervalUnit, false), Click(Comm::kQos1),
        Click(Comm::kAzureC2d), Ok()},
       "A:0,40,20,3,160,0,0,0,0,B:1,0,0,C:id,D:u,E:pw,F:in/t"},
      {"publish comm page", kPublish, "A:30,40,20,3,0,B:0,1,0,C:id,D:u,E:pw,F:out/t",
       {Label(Comm::kUseInterval, "Publish interval time"), Expect(Comm::kRetained,
        &editor::Control::visible, true), Expect(Comm::kAzureC2d, &editor::Control::visible, false),
        Click(Comm::kUseInterval), Enabled(Comm::kInterval, false),
        Enabled(Comm::kIntervalUnit, false), Click(Comm::kQos1), Click(Comm::kRetained), Ok()},
       "A:0,40,20,3,0,B:1,0,0,C:id,D:u,E:pw,F:out/t"},
      // a count of 0 shows 1; "As Received" disables it
      {"read page", kSubscribe, "A:30,30,10,0,160,0,0,0,0,B:1,0,1,C:,D:,E:,F:",
       {ShowPage(1), Expect(Read::kStartByte, &editor::Control::tooltip, "VB0 ~ VB2047 <br>"),
        Max(Read::kStartByte, 2047), Text(Read::kCharCount, "1"), Enabled(Read::kCharCount, false),
        Choose(Read::kReceiveNumber, 0), Enabled(Read::kCharCount, true),
        Type(Read::kStartByte, "100"), Ok()},
       "A:30,30,10,0,160,100,1,0,0,B:1,1,1,C:,D:,E:,F:"},
      // Add, then Edit by a double click: the register change refills the
      // format list; an operand that names nothing is stored with area 0.
      {"add and edit run the item dialog", kPublish, kPublishText,
       {ShowPage(1),
        InDialog({Text(Item::kRegister, "I0.0"), Enabled(Item::kFormat, false),
                  Expect(Item::kLength, &editor::Control::visible, false),
                  Type(Item::kRegister, "VD4"),
                  Items(Item::kFormat, {"DINT", "UDINT", "DWORD", "FLOAT"}),
                  Enabled(Item::kFormat, true), Choose(Item::kFormat, 3), Choose(Item::kCount, 3),
                  Type(Item::kComment, "Flow"), Ok()}),
        InDialog({Shows(Item::kFormat, "INT"), Type(Item::kRegister, "X5"), Ok()}),
        Click(Write::kAdd), FocusCell(Write::kGrid, 2, 1), DoubleClick(Write::kGrid), Ok()},
       "A:30,30,10,0,0,B:1,0,1,C:,D:,E:,F:t,G1:176,0,3,2,5,0,H1:in,I1:Inputs,"
       "G2:0,0,5,1,0,0,H2:lvl,I2:Level,G3:162,0,4,4,4,0,H3:,I3:Flow",
       1, {[](PageRun& run) {
         EXPECT_EQ(run.view->dialog_captions, std::vector<std::string>(2, "MQTT item"));
       }}},
      {"a double click on no item opens nothing", kPublish, kPublishText,
       {ShowPage(1), FocusCell(Write::kGrid, -1, -1), DoubleClick(Write::kGrid), Ok()}, "", 1,
       {[](PageRun& run) { EXPECT_TRUE(run.view->dialog_captions.empty()); }}},
      Delete(kPublishText, -1, MessageAnswer::kOk,
             editor::ErrorMessage("Please select the recorder you want to delete."), 3, ""),
      Delete(kPublishText, 1, MessageAnswer::kNo, question, 3, ""),
      Delete(kPublishText, 1, MessageAnswer::kYes, question, 2,
             "A:30,30,10,0,0,B:1,0,1,C:,D:,E:,F:t,G1:161,0,10,1,0,0,H1:lvl,I1:Level"),
      Delete(kOnlyOne, 1, MessageAnswer::kYes, editor::Confirmation("Delete [c - BYTE] ?"), 1,
             "A:0,0,0,0,0,B:1,0,1,C:,D:,E:,F:"),
  });
}

// Add opens the item dialog until twelve items are shown.
TEST(MqttWritePage, AddStopsAtTwelveItems) {
  MqttPublishParams one = ParseMqttPublishText("A:0,0,0,0,0,B:1,0,1,C:,D:,E:,F:,G1:176,0,0,1,5,0,"
                                               "H1:,I1:a");
  FakeView view;
  for (int add = 0; add < 13; ++add)
    view.dialog_scripts.push_back([](editor::DialogModel& d) { d.UserClicks(editor::kIdOk); });
  view.sheet_script = [](CPropertyBasic& sheet) {
    sheet.ShowPage(1);
    for (int add = 0; add < 13; ++add) sheet.page(1).UserClicks(Write::kAdd);
    sheet.ClickOk();
  };
  EXPECT_TRUE(EditMqttPublish(one, view));
  EXPECT_EQ(view.dialog_captions.size(), 11u);
  EXPECT_EQ(one.items[11].count, 1);
  EXPECT_EQ(one.items[12].count, 0);
}

}  // namespace
}  // namespace ostrevan::testing
