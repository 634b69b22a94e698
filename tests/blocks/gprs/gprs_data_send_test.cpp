#include <gtest/gtest.h>

#include "ostrevan/plugin.h"
#include "support/hex_runs.h"
#include "support/plugin_fixture.h"

namespace ostrevan::testing {
namespace {

constexpr int kGprsDataSend = 12;

const std::string kHead = "00 00 48 00 00 00 00 00 00 01 00 ";
const std::string kTail = Zeros(8) + "00 00 07";
const std::string kDefaultRecord =
    kHead + "01 00 0A 92 13 C0 A8 00 15 00 00 0F 00 00 01 B0 00 01 00 " + kTail;
const std::string kIpRecord =
    kHead + "01 01 05 F6 01 0A 01 02 03 00 00 0F 00 10 20 B4 FF F7 FC " + kTail;

TEST(GprsDataSendBlock, CodesTextsToRecords) {
  const std::string long_name(60, 'd');
  ExpectRecords(kGprsDataSend, {
      {"", kDefaultRecord},
      {"A:0,1,20,B:8080,C:plc.example.net,D:3,1,16,0,E:100,161,300,10,10",
       kHead + "01 03 14 90 1F " + TextField("plc.example.net", 50) + "10 00 64 0A A1 2C 03 05 " + kTail},
      {"A:0,0,5,B:502,C:10.1.2.3,D:247,1,15,1,E:16,180,16383,32,32", kIpRecord},
      // the PLC's own settings: the text's port and address are not read
      {"A:1,0,10,B:9999,C:1.2.3.4,D:1,1,15,1,E:0,176,0,1,1", kDefaultRecord},
      // wide values cut to their fields; index bit 14 is lost
      {"A:0,0,300,B:70000,C:1.2.3.4.5,D:513,0,16,0,E:70000,161,16384,0,300",
       kHead + "01 01 2C 70 11 01 02 03 04 00 00 10 11 70 2C A1 00 01 01 " + kTail},
      {"A:0,9,10,B:1,C:\"" + long_name + ",D:1,1,15,1,E:0,176,0,1,1",
       kHead + "01 03 0A 01 00 " + TextField(long_name.substr(0, 50), 50) + "0F 00 00 01 B0 00 01 00 " + kTail},
  });
}

TEST(GprsDataSendBlock, DecodesRecordsKeepingSpareAndCountByte) {
  ExpectDecoded(kGprsDataSend, {
      {"A:1,0,10,B:0,C:,D:1,1,15,1,E:0,176,0,1,1",
       kHead + "01 03 14 90 1F 70 6C C3 63 2E 6E 65 74 " + Zeros(42) + "10 00 64 0A A1 2C 03 05 " + kTail,
       "A:0,1,20,B:8080,C:plc.net,D:3,1,16,0,E:100,161,300,1,10"},
      // only bit 0 of the packed byte is the order: FE keeps "High Low"
      {"A:1,0,10,B:0,C:,D:1,7,15,1,E:0,176,0,9,1",
       kHead + "01 01 05 F6 01 0A 01 02 03 00 00 0F 00 10 20 B4 FF F7 FE " + kTail,
       "A:0,0,5,B:502,C:10.1.2.3,D:247,7,15,1,E:16,180,16383,9,32"},
      // a record with the PLC's settings drops the text's server
      {"A:0,0,5,B:502,C:10.1.2.3,D:247,1,15,1,E:16,180,16383,32,32", kDefaultRecord,
       "A:1,0,10,B:0,C:,D:1,1,15,1,E:0,176,0,32,1"},
      {"A:0,0,5,B:502,C:10.1.2.3,D:247,3,15,1,E:16,180,16383,32,32", "00 00 48",
       "A:1,0,0,B:0,C:,D:0,3,0,1,E:0,0,0,32,0"},
  });
}

}  // namespace
}  // namespace ostrevan::testing
