#include <gtest/gtest.h>

#include <algorithm>

#include "blocks/modbus/modbus_link_pages.h"
#include "blocks/modbus/modbus_page.h"
#include "blocks/modbus/modbus_params.h"
#include "ostrevan/plugin.h"
#include "support/page_table.h"
#include "support/plugin_fixture.h"

namespace ostrevan::testing {
namespace {

constexpr int kModbus = 1;
constexpr char kDefaultText[] = "A:0,1,5,B:9600,8,1,N,C:,D:1,1,1,0,E:176,0,1,1";
constexpr char kDefaultRecord[] =
    "00 00 81 00 00 00 00 00 00 00 00 00 05 25 80 08 01 00 00 00 00 00 00 05 01 01 01 00 00 01 "
    "B0 00 00 00 00 00 00 00 00 00 00 00 00 07";

struct TextCase {
  const char* text;
  const char* written;
};

TEST(ModbusBlock, ReadsAndWritesItsText) {
  const TextCase cases[] = {
      {"", kDefaultText},
      {kDefaultText, kDefaultText},
      // a segment without its closing key is skipped
      {"A:3,2,7", kDefaultText},
      // values missing from a present segment read as 0
      {"A:10,B:", "A:10,0,0,B:0,0,1,0,C:192.168.0.21,D:1,1,1,0,E:176,0,1,1"},
      {"A:0,1,5,B:9600,8,1,N,C:,D:7,E:161,20",
       "A:0,1,5,B:9600,8,1,N,C:,D:7,0,0,0,E:161,20,0,0"},
      // serial items that are absent keep their defaults
      {"A:2,0,9,B:4800,C:,D:1,1,1,0,E:176,0,1,1",
       "A:2,0,9,B:4800,8,1,N,C:,D:1,1,1,0,E:176,0,1,1"},
      {"A:2,0,9,B:4800,7,2,C:,D:1,1,1,0,E:176,0,1,1",
       "A:2,0,9,B:4800,7,2,N,C:,D:1,1,1,0,E:176,0,1,1"},
      {"A:0,1,5,B:19200,7,2,E,C:,D:1,1,1,0,E:176,0,1,1",
       "A:0,1,5,B:19200,7,2,E,C:,D:1,1,1,0,E:176,0,1,1"},
      // an unknown parity letter reads as None
      {"A:0,1,5,B:19200,7,0,X,C:,D:1,1,1,0,E:176,0,1,1",
       "A:0,1,5,B:19200,7,0,N,C:,D:1,1,1,0,E:176,0,1,1"},
      // a network text read under a serial port
      {"A:0,1,5,B:0,0,1,0,C:192.168.0.21,D:1,1,1,0,E:176,0,1,1",
       "A:0,1,5,B:0,0,1,N,C:,D:1,1,1,0,E:176,0,1,1"},
      // network flags: non-zero reads as 1
      {"A:12,2,9,B:80,9,5,-1,C:1.2.3.4,D:17,3,10,1000,E:161,20,10,0",
       "A:12,2,9,B:80,9,1,1,C:1.2.3.4,D:17,3,10,1000,E:161,20,10,0"},
      // C is read only up to ",D:"; without it the target IP stays
      {"A:18,1,5,B:1,2,1,0,C:10.1.1.1", "A:18,1,5,B:1,2,1,0,C:192.168.0.21,D:1,1,1,0,E:176,0,1,1"},
      // port codes outside the list are serial ports
      {"A:9,1,5,B:1200,5,2,S,C:,D:1,1,1,0,E:176,0,1,1",
       "A:9,1,5,B:1200,5,2,S,C:,D:1,1,1,0,E:176,0,1,1"},
      {"A:-1,300,5,B:1200,5,2,M,C:,D:1,1,1,0,E:432,0,1,1",
       "A:-1,44,5,B:1200,5,2,M,C:,D:1,1,1,0,E:176,0,1,1"},
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(ModbusText(ParseModbusText(c.text)), c.written) << c.text;
  }
}

TEST(ModbusBlock, CodesTextsToRecords) {
  ExpectRecords(kModbus, {
      {kDefaultText, kDefaultRecord},
      // server, TCP: target port; word data "Low High"
      {"A:11,2,3,B:502,3,1,1,C:10.0.0.7,D:17,3,10,1000,E:161,20,10,0",
       "00 00 81 00 00 00 00 00 00 00 00 0B 01 01 F6 0A 00 00 07 00 00 00 00 03 11 02 03 03 E8 0A "
       "A1 14 01 00 00 00 00 00 00 00 00 00 00 07"},
      // client, UDP: remote index and a zero
      {"A:10,1,5,B:502,3,0,0,C:192.168.0.21,D:1,1,1,0,E:176,0,1,1",
       "00 00 81 00 00 00 00 00 00 00 00 0A 07 03 00 C0 A8 00 15 00 00 00 00 05 01 01 01 00 00 01 "
       "B0 00 00 00 00 00 00 00 00 00 00 00 00 07"},
      // widths: slave address and count to 8 bits, baud and register to 16,
      // data index to 14
      {"A:0,0,5,B:70000,8,2,O,C:,D:257,16,300,65537,E:169,16383,1,1",
       "00 00 81 00 00 00 00 00 00 00 00 00 05 11 70 08 02 01 00 00 00 00 00 05 01 00 10 00 01 2C "
       "A9 FF FC 00 00 00 00 00 00 00 00 00 00 07"},
      {"A:0,1,5,B:9600,8,1,N,C:,D:1,1,1,0,E:176,16384,1,1", kDefaultRecord},
  });
}

TEST(ModbusBlock, DecodesRecordsOverTheCurrentText) {
  ExpectDecoded(kModbus, {
      {kDefaultText, kDefaultRecord, kDefaultText},
      // a network record over a serial text: B and C come from the record;
      // the count byte stays the text's
      {kDefaultText,
       "00 00 81 00 00 00 00 00 00 00 00 0B 01 01 F6 0A 00 00 07 00 00 00 00 03 11 02 03 03 E8 0A "
       "A1 14 01",
       "A:11,2,3,B:502,0,1,1,C:10.0.0.7,D:17,3,10,1000,E:161,20,1,0"},
      // client: the target port the record does not carry stays the text's
      {"A:10,1,5,B:777,0,1,1,C:1.1.1.1,D:1,1,1,0,E:176,0,9,1",
       "00 00 81 00 00 00 00 00 00 00 00 0C 07 05 00 C0 A8 00 15",
       "A:12,0,0,B:777,5,0,0,C:192.168.0.21,D:0,0,0,0,E:0,0,9,1"},
      // a serial record over a network text
      {"A:10,1,5,B:0,0,1,0,C:192.168.0.21,D:1,1,1,0,E:176,0,1,1",
       "00 00 81 00 00 00 00 00 00 00 00 03 05 4B 00 07 00 02 00 00 00 00 00 0A 02 00 04 00 10 32 "
       "A9 FF FE",
       "A:3,0,10,B:19200,7,0,E,C:,D:2,4,50,16,E:169,16383,1,0"},
      // a parity code without a letter is written as "N"; bit 1 of byte 32
      // alone also means "Low High"
      {kDefaultText,
       "00 00 81 00 00 00 00 00 00 00 00 00 05 25 80 08 01 09 00 00 00 00 00 05 01 01 01 00 00 01 "
       "B0 00 02",
       "A:0,1,5,B:9600,8,1,N,C:,D:1,1,1,0,E:176,0,1,0"},
      {"", "", "A:0,0,0,B:0,0,0,N,C:,D:0,0,0,0,E:0,0,1,1"},
  });
}

using editor::LabelId;
using Page = CPropertyModbus;
using Serial = CPropertyModbusRs232;
using Net = CPropertyModbusNet;

constexpr char kNetworkText[] = "A:12,2,3,B:502,3,1,0,C:10.0.0.7,D:1,3,10,0,E:161,20,10,1";
const Act kLink = InChild(Page::kLinkFrame);
const Act kMain = OnPage(0);

// Client or server, TCP or UDP: what the network child enables, and what it stores.
PageRow NetRole(int role, int transport, bool remote, bool ip, bool port) {
  Acts acts = {kLink, Choose(Net::kLocalCpu, role), Choose(Net::kTransport, transport)};
  const std::pair<int, bool> rules[] = {{Net::kRemote, remote}, {Net::kTargetIp, ip},
                                        {Net::kTargetPort, port}};
  for (auto [id, on] : rules) {
    acts.push_back(Enabled(id, on));
    acts.push_back(Enabled(LabelId(id), on));
  }
  acts.insert(acts.end(), {Choose(Net::kRemote, 7), Type(Net::kTargetIp, "1.2.3.4"),
                           Type(Net::kTargetPort, "8080"), Ok()});
  return {"network roles", kModbus, kNetworkText, acts,
          std::string("A:12,2,3,B:8080,7,") + (transport == 0 ? "1," : "0,") +
              (role == 1 ? "1" : "0") + ",C:1.2.3.4,D:1,3,10,0,E:161,20,10,1"};
}

// OK with a data address that does not suit the command: refused, sheet open.
PageRow Refused(int command, const char* address) {
  Acts acts;
  if (command >= 0) acts.push_back(Choose(Page::kCommand, command));
  if (address) acts.push_back(Type(Page::kDataAddress, address));
  acts.insert(acts.end(), {Ok(), StillOpen(),
                           Said({editor::ErrorMessage("The register you used does not match the "
                                                      "modbus command, please select it again!")}),
                           Cancel()});
  return {"a register of the wrong kind", kModbus, kDefaultText, acts, "", 0};
}

TEST(ModbusPage, Table) {
  std::vector<PageRow> rows = {
      // the serial child's protocol goes with it; the timeout is the loaded one
      {"a network port swaps the child", kModbus, kDefaultText,
       {kLink, Choose(Serial::kProtocol, 2), Type(Serial::kTimeout, "9"), kMain,
        [](PageRun& run) { run.view->refreshed.clear(); }, Choose(Page::kPortList, 5),
        [](PageRun& run) {
          const auto& ids = run.view->refreshed;
          EXPECT_NE(std::find(ids.begin(), ids.end(), Page::kLinkFrame), ids.end());
        },
        kLink, IsForm(Net::kTemplateId), Shows(Net::kProtocol, "Modbus(RTU)"),
        Text(Net::kTimeout, "5"), Text(Net::kTargetIp, "192.168.0.21"), Ok()},
       "A:11,1,5,B:0,0,1,0,C:192.168.0.21,D:1,1,1,0,E:176,0,1,1"},
      {"a serial port swaps it back", kModbus, kNetworkText,
       {Choose(Page::kPortList, 2), kLink, IsForm(Serial::kTemplateId),
        Choose(Serial::kStopBits, 1), Choose(Serial::kParity, 3), Ok()},
       "A:3,2,3,B:9600,8,0,M,C:,D:1,3,10,0,E:161,20,10,1"},
      {"typed counts are not limited again", kModbus, kDefaultText,
       {Type(Page::kCount, "900"), Ok()}, "A:0,1,5,B:9600,8,1,N,C:,D:1,1,900,0,E:176,0,132,1"},
      // code 7 shows as 1.5, "Q" as None; unlisted values show nothing and are kept
      {"the serial child selects by text", kModbus, "A:0,7,5,B:300,9,7,Q,C:,D:1,1,1,0,E:176,0,1,1",
       {kLink, Selection(Serial::kBaudRate, -1), Shows(Serial::kStopBits, "1.5"),
        Shows(Serial::kParity, "None"), Selection(Serial::kProtocol, -1),
        Selection(Serial::kDataBits, -1), Ok()},
       "A:0,7,5,B:300,9,7,N,C:,D:1,1,1,0,E:176,0,1,1"},
      {"the serial child stores", kModbus, kDefaultText,
       {kLink, Choose(Serial::kBaudRate, 5), Choose(Serial::kDataBits, 0),
        Choose(Serial::kStopBits, 2), Choose(Serial::kProtocol, 1), Type(Serial::kTimeout, "12"),
        kMain, Choose(Page::kOrder, 1), Ok()},
       "A:0,2,12,B:19200,5,2,N,C:,D:1,1,1,0,E:176,0,1,0"},
      NetRole(0, 0, true, false, false), NetRole(0, 1, true, false, false),
      NetRole(1, 0, false, true, false), NetRole(1, 1, false, true, true),
      Refused(2, nullptr),  // I0.0 under a register command
      Refused(5, "M4.1"), Refused(4, "QW0"), Refused(-1, "X5"), Refused(1, ""),
  };
  // The command limits the count, on opening too; a code without an item allows 2.
  const struct {
    int command, count;
    std::vector<int> chosen;
    const char* shown;
  } limits[] = {{1, 100, {}, "100"}, {1, 100, {2}, "50"}, {1, 100, {2, 0}, "50"},
                {1, 300, {1}, "256"}, {1, 300, {3}, "50"}, {1, 300, {4}, "32"},
                {1, 300, {5}, "64"},  {3, 300, {}, "50"},  {5, 300, {}, "2"}};
  for (const auto& c : limits) {
    Acts acts;
    for (int item : c.chosen) acts.push_back(Choose(Page::kCommand, item));
    acts.push_back(Text(Page::kCount, c.shown));
    rows.push_back({"the command limits the count", kModbus,
                    "A:0,1,5,B:9600,8,1,N,C:,D:1," + std::to_string(c.command) + "," +
                        std::to_string(c.count) + ",0,E:176,0,1,1",
                    acts, "", 0});
  }
  // Suitable addresses are stored.
  const struct {
    int command;
    const char* address;
    const char* stored;
  } accepted[] = {{2, "VW10", "D:1,3,1,0,E:161,10,1,1"}, {5, "MW4", "D:1,16,1,0,E:169,4,1,1"},
                  {0, "V1.7", "D:1,1,1,0,E:159,15,1,1"}, {4, "Q0.1", "D:1,15,1,0,E:180,1,1,1"}};
  for (const auto& c : accepted) {
    rows.push_back({"a register that suits the command", kModbus, kDefaultText,
                    {Choose(Page::kCommand, c.command), Type(Page::kDataAddress, c.address), Ok()},
                    std::string("A:0,1,5,B:9600,8,1,N,C:,") + c.stored});
  }
  RunRows(rows);
}

}  // namespace
}  // namespace ostrevan::testing
