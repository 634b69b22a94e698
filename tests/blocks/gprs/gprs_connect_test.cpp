#include <gtest/gtest.h>

#include "ostrevan/plugin.h"
#include "support/hex_runs.h"
#include "support/plugin_fixture.h"

namespace ostrevan::testing {
namespace {

constexpr int kGprsConnect = 4;
constexpr int kGprsDataSend = 12;

const std::string kHead = "00 00 49 00 00 00 00 00 00 ";
const std::string kTail = Zeros(8) + "00 07";

TEST(GprsConnectBlock, CodesTheIpAndTheDomainForm) {
  const std::string long_name(60, 'n');
  ExpectRecords(kGprsConnect, {
      {"", kHead + "00 05 92 13 C0 A8 00 15 00 00 " + kTail},
      {"A:5,0,1,0,5010,B:abc", kHead + "03 05 92 13 " + TextField("abc", 50) + kTail},
      {"A:30,0,0,1,502,B:10.0.0.7", kHead + "05 1E F6 01 0A 00 00 07 00 00 " + kTail},
      // only close mode 1 sets its bit; any non-zero flag is 1; wide values cut
      {"A:1,1,7,2,70000,B:\"" + long_name, kHead + "02 01 70 11 " + TextField(long_name.substr(0, 50), 50) + kTail},
      {"A:300,0,0,0,80,B:10.20", kHead + "01 2C 50 00 0A 14 00 00 00 00 " + kTail},
      // A runs up to "B:": without it the defaults stay
      {"A:9,0,0,0,1", kHead + "00 05 92 13 C0 A8 00 15 00 00 " + kTail},
  });
}

TEST(GprsConnectBlock, DecodesTheFormTheRecordNames) {
  ExpectDecoded(kGprsConnect, {
      // bytes above 127 drop out of the domain name
      {"A:5,1,0,0,5010,B:192.168.0.21", kHead + "07 0A 50 00 61 C3 62 80 63 " + Zeros(45) + kTail,
       "A:10,0,1,1,80,B:abc"},
      // an IP record over a domain text; close mode 2 is no longer 1
      {"A:5,0,1,2,5010,B:old.name", kHead + "00 05 92 13 C0 A8 00 15 00 00 " + kTail,
       "A:5,1,0,0,5010,B:192.168.0.21"},
      {"A:5,0,1,0,5010,B:old.name", "00 00 49", "A:0,1,0,0,0,B:0.0.0.0"},
  });
}

}  // namespace
}  // namespace ostrevan::testing
