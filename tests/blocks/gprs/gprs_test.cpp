// The GPRS Connect and GPRS Data Send records, and their pages through
// Function_Edit.
#include <gtest/gtest.h>

#include "blocks/gprs/gprs_connect_page.h"
#include "blocks/gprs/gprs_data_send_page.h"
#include "core/param_text.h"
#include "ostrevan/plugin.h"
#include "support/hex_runs.h"
#include "support/host_side.h"
#include "support/page_table.h"
#include "support/plugin_fixture.h"

namespace ostrevan::testing {
namespace {

constexpr int kGprsConnect = 4;
constexpr int kGprsDataSend = 12;

const std::string kConnectHead = "00 00 49 00 00 00 00 00 00 ";
const std::string kConnectTail = Zeros(8) + "00 07";

TEST(GprsConnectBlock, CodesTheIpAndTheDomainForm) {
  const std::string long_name(60, 'n');
  ExpectRecords(kGprsConnect, {
      {"", kConnectHead + "00 05 92 13 C0 A8 00 15 00 00 " + kConnectTail},
      {"A:5,0,1,0,5010,B:abc", kConnectHead + "03 05 92 13 " + TextField("abc", 50) + kConnectTail},
      {"A:30,0,0,1,502,B:10.0.0.7", kConnectHead + "05 1E F6 01 0A 00 00 07 00 00 " + kConnectTail},
      // only close mode 1 sets its bit; any non-zero flag is 1; wide values cut
      {"A:1,1,7,2,70000,B:\"" + long_name, kConnectHead + "02 01 70 11 " + TextField(long_name.substr(0, 50), 50) + kConnectTail},
      {"A:300,0,0,0,80,B:10.20", kConnectHead + "01 2C 50 00 0A 14 00 00 00 00 " + kConnectTail},
      // A runs up to "B:": without it the defaults stay
      {"A:9,0,0,0,1", kConnectHead + "00 05 92 13 C0 A8 00 15 00 00 " + kConnectTail},
  });
}

TEST(GprsConnectBlock, DecodesTheFormTheRecordNames) {
  ExpectDecoded(kGprsConnect, {
      // bytes above 127 drop out of the domain name
      {"A:5,1,0,0,5010,B:192.168.0.21", kConnectHead + "07 0A 50 00 61 C3 62 80 63 " + Zeros(45) + kConnectTail,
       "A:10,0,1,1,80,B:abc"},
      // an IP record over a domain text; close mode 2 is no longer 1
      {"A:5,0,1,2,5010,B:old.name", kConnectHead + "00 05 92 13 C0 A8 00 15 00 00 " + kConnectTail,
       "A:5,1,0,0,5010,B:192.168.0.21"},
      {"A:5,0,1,0,5010,B:old.name", "00 00 49", "A:0,1,0,0,0,B:0.0.0.0"},
  });
}

const std::string kSendHead = "00 00 48 00 00 00 00 00 00 01 00 ";
const std::string kSendTail = Zeros(8) + "00 00 07";
const std::string kDefaultRecord =
    kSendHead + "01 00 0A 92 13 C0 A8 00 15 00 00 0F 00 00 01 B0 00 01 00 " + kSendTail;
const std::string kIpRecord =
    kSendHead + "01 01 05 F6 01 0A 01 02 03 00 00 0F 00 10 20 B4 FF F7 FC " + kSendTail;

TEST(GprsDataSendBlock, CodesTextsToRecords) {
  const std::string long_name(60, 'd');
  ExpectRecords(kGprsDataSend, {
      {"", kDefaultRecord},
      {"A:0,1,20,B:8080,C:plc.example.net,D:3,1,16,0,E:100,161,300,10,10",
       kSendHead + "01 03 14 90 1F " + TextField("plc.example.net", 50) + "10 00 64 0A A1 2C 03 05 " + kSendTail},
      {"A:0,0,5,B:502,C:10.1.2.3,D:247,1,15,1,E:16,180,16383,32,32", kIpRecord},
      // the PLC's own settings: the text's port and address are not read
      {"A:1,0,10,B:9999,C:1.2.3.4,D:1,1,15,1,E:0,176,0,1,1", kDefaultRecord},
      // wide values cut to their fields; index bit 14 is lost
      {"A:0,0,300,B:70000,C:1.2.3.4.5,D:513,0,16,0,E:70000,161,16384,0,300",
       kSendHead + "01 01 2C 70 11 01 02 03 04 00 00 10 11 70 2C A1 00 01 01 " + kSendTail},
      {"A:0,9,10,B:1,C:\"" + long_name + ",D:1,1,15,1,E:0,176,0,1,1",
       kSendHead + "01 03 0A 01 00 " + TextField(long_name.substr(0, 50), 50) + "0F 00 00 01 B0 00 01 00 " + kSendTail},
  });
}

TEST(GprsDataSendBlock, DecodesRecordsKeepingSpareAndCountByte) {
  ExpectDecoded(kGprsDataSend, {
      {"A:1,0,10,B:0,C:,D:1,1,15,1,E:0,176,0,1,1",
       kSendHead + "01 03 14 90 1F 70 6C C3 63 2E 6E 65 74 " + Zeros(42) + "10 00 64 0A A1 2C 03 05 " + kSendTail,
       "A:0,1,20,B:8080,C:plc.net,D:3,1,16,0,E:100,161,300,1,10"},
      // only bit 0 of the packed byte is the order: FE keeps "High Low"
      {"A:1,0,10,B:0,C:,D:1,7,15,1,E:0,176,0,9,1",
       kSendHead + "01 01 05 F6 01 0A 01 02 03 00 00 0F 00 10 20 B4 FF F7 FE " + kSendTail,
       "A:0,0,5,B:502,C:10.1.2.3,D:247,7,15,1,E:16,180,16383,9,32"},
      // a record with the PLC's settings drops the text's server
      {"A:0,0,5,B:502,C:10.1.2.3,D:247,1,15,1,E:16,180,16383,32,32", kDefaultRecord,
       "A:1,0,10,B:0,C:,D:1,1,15,1,E:0,176,0,32,1"},
      {"A:0,0,5,B:502,C:10.1.2.3,D:247,3,15,1,E:16,180,16383,32,32", "00 00 48",
       "A:1,0,0,B:0,C:,D:0,3,0,1,E:0,0,0,32,0"},
      // the count byte is the fourth number behind the first ",E:", here
      // inside the server's name, where it reads as 0
      {"A:0,1,5,B:502,C:a,E:9,D:247,3,15,1,E:16,180,16383,32,32", kDefaultRecord,
       "A:1,0,10,B:0,C:,D:1,3,15,1,E:0,176,0,0,1"},
      // signs, as scanf reads them
      {"A:0,0,5,B:502,C:10.1.2.3,D:247,-3,15,1,E:16,180,16383,+32,32", kDefaultRecord,
       "A:1,0,10,B:0,C:,D:1,253,15,1,E:0,176,0,32,1"},
  });
}

// A text that runs to the 1,023-character limit without a NUL: its lists
// end at the limit, and nothing behind it is read.
TEST(GprsDataSendBlock, ReadsNoTextPastItsLimit) {
  std::string text = "A:0,0,5,B:502,C:";
  const std::string lists = ",D:247,3,15,1,E:16,180,16383,32,3";
  text += std::string(kMaxParamText - text.size() - lists.size(), 'n') + lists;
  ExactBuffer buffer(text.size());
  buffer.SetBytes(text.data(), text.size());
  std::vector<uint8_t> record = Bytes(kDefaultRecord);
  EXPECT_EQ(Function_Decode(kGprsDataSend, buffer.text(), record.data(),
                            static_cast<uint32_t>(record.size())),
            1);
  EXPECT_EQ(buffer.Text(), "A:1,0,10,B:0,C:,D:1,3,15,1,E:0,176,0,32,1");
}

using Connect = CPropertyGprsConnect;
using Send = CPropertyGprsDataSend;
using Server = GprsServerPage;

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
