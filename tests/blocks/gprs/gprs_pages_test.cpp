// The GPRS Connect and GPRS Data Send pages through Function_Edit.
#include <gtest/gtest.h>

#include "blocks/gprs/gprs_connect_page.h"
#include "blocks/gprs/gprs_data_send_page.h"
#include "support/page_table.h"

namespace ostrevan::testing {
namespace {

using Connect = CPropertyGprsConnect;
using Send = CPropertyGprsDataSend;
using Server = GprsServerPage;

constexpr int kGprsConnect = 4;
constexpr int kGprsDataSend = 12;
constexpr char kConnectDefault[] = "A:5,1,0,0,5010,B:192.168.0.21";
constexpr char kSendDefault[] = "A:1,0,10,B:0,C:,D:1,1,15,1,E:0,176,0,1,1";
constexpr char kSend16[] = "A:1,0,10,B:0,C:,D:1,1,16,1,E:0,161,0,1,1";

// The server radios (checked) and what they enable; PLC system stays enabled.
Act ServerState(bool plc, bool by_domain, bool ip, bool domain) {
  return All({Checked(Server::kPlcSystem, plc), Checked(Server::kCustomize, !plc),
              Checked(Server::kByIp, !by_domain), Checked(Server::kByDomain, by_domain),
              Enabled(Server::kByIp, !plc), Enabled(Server::kByDomain, !plc),
              Enabled(Server::kIp, ip), Enabled(Server::kPort, !plc),
              Enabled(Server::kDomain, domain), Enabled(Server::kPlcSystem, true)});
}

TEST(GprsPages, Table) {
  const auto bits = editor::ErrorMessage("Command 15 only supports digital variables!");
  std::vector<PageRow> rows;
  for (int type : {kGprsConnect, kGprsDataSend}) {
    const char* text = type == kGprsConnect ? kConnectDefault : kSendDefault;
    rows.push_back({"PLC system", type, text, {ServerState(true, false, false, false)}, "", 0});
    rows.push_back({"customize by address", type, text,
                    {Click(Server::kCustomize), ServerState(false, false, true, false)}, "", 0});
    rows.push_back({"customize by name", type, text,
                    {Click(Server::kCustomize), Click(Server::kByDomain),
                     ServerState(false, true, false, true)}, "", 0});
    rows.push_back({"back to PLC system keeps the address kind", type, text,
                    {Click(Server::kCustomize), Click(Server::kByDomain), Click(Server::kPlcSystem),
                     ServerState(true, true, false, false)}, "", 0});
  }
  rows.insert(rows.end(), {
      {"connect stores every field", kGprsConnect, kConnectDefault,
       {Max(Server::kTimeout, 100), Min(Server::kPort, -32768),
        Expect(Server::kDomain, &editor::Control::text_limit, 50), Type(Server::kTimeout, "100"),
        Click(Server::kCustomize), Type(Server::kIp, "10.0.0.7"), Type(Server::kPort, "502"),
        Choose(Connect::kCloseMode, 1), Ok()},
       "A:100,0,0,1,502,B:10.0.0.7"},
      // a port above 32767 goes through the signed exchange and comes back
      {"a high port", kGprsConnect, "A:5,0,0,0,40000,B:1.2.3.4",
       {Text(Server::kPort, "-25536"), Selection(Connect::kCloseMode, 0), Ok()}},
      {"an unknown close mode shows none and is kept", kGprsConnect,
       "A:5,0,1,7,80,B:plc.example.net", {Text(Server::kPort, "80"),
        Selection(Connect::kCloseMode, -1), Ok()}},
      // the count byte follows the count; the spare value 7 passes through
      {"a command change limits the count and swaps the hint", kGprsDataSend,
       "A:1,0,10,B:0,C:,D:1,7,16,0,E:0,161,0,60,60",
       {Type(Send::kCount, "60"), Choose(Send::kCommand, 0), Text(Send::kCount, "32"),
        Max(Send::kCount, 32),
        Expect(Send::kDataAddress, &editor::Control::tooltip, "I0.0 ~ I15.7 <br>V0.0 ~ V2047.7"),
        Choose(Send::kCommand, 1), Text(Send::kCount, "32"), Max(Send::kCount, 64),
        Choose(Send::kCommand, 0), Type(Send::kDataAddress, "V2.1"), Pump(),
        Choose(Send::kOrder, 0), Type(Send::kRegisterAddress, "300"),
        Type(Send::kSlaveAddress, "9"), Click(Server::kCustomize), Click(Server::kByDomain),
        Type(Server::kDomain, "plc.example.net"), Ok()},
       "A:0,1,10,B:5010,C:plc.example.net,D:9,7,15,1,E:300,159,17,32,32"},
      // refused at OK, before the page's own message is handled
      {"a bit under command 16", kGprsDataSend, kSend16,
       {Type(Send::kDataAddress, "V0.0"), Ok(), StillOpen(),
        Said({editor::ErrorMessage("Command 16 only supports WORD variables!")}), Cancel()}, "", 0},
      {"a word under command 15", kGprsDataSend, kSendDefault,
       {Type(Send::kDataAddress, "VW10"), Ok(), StillOpen(), Said({bits}), Cancel()}, "", 0},
      {"no operand under command 15", kGprsDataSend, kSendDefault,
       {Type(Send::kDataAddress, "nonsense"), Ok(), StillOpen(), Said({bits}), Cancel()}, "", 0},
  });
  RunRows(rows);
}

}  // namespace
}  // namespace ostrevan::testing
