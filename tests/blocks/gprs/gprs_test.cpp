#include <gtest/gtest.h>

#include "ostrevan/plugin.h"
#include "support/hex_runs.h"
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
  });
}

}  // namespace
}  // namespace ostrevan::testing
