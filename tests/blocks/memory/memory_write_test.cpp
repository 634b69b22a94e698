#include <gtest/gtest.h>

#include "ostrevan/plugin.h"
#include "support/hex_runs.h"
#include "support/plugin_fixture.h"

namespace ostrevan::testing {
namespace {

constexpr int kMemoryWrite = 3;
const platform::LocalTime kNewYearAt9{2027, 1, 1, 9, 0, 0, 0};

const std::string kHead = "00 00 43 00 00 00 00 00 00 00 00 ";
const std::string kTail = Zeros(8) + "00 00 07";

TEST(MemoryWriteBlock, CodesTextsToFiftySixByteRecords) {
  FixedClock clock(kNewYearAt9);
  ExpectRecords(kMemoryWrite, {
      {"", kHead + TextField("27010109", 10) + "25 00 00 00 00 B0 00 00 01 00 " + Zeros(10) +
               "00 20 00 00 " + kTail},
      // Create, external card, comma separator, Stop, 10M
      {"A:0,2,1,3,0,1,0,0,4,B:,,C:12,168,20,8,D:DATA,E:Batch",
       kHead + TextField("DATA", 10) + "40 00 00 00 0C A8 00 14 08 01 " + TextField("Batch", 10) +
           "42 2C 01 03 " + kTail},
      // the whole write mode reaches byte 21; four format bits reach byte 41
      {"A:1,0,0,0,1,0,1,2,17,B:*,C:0,176,0,1,D:F,E:",
       kHead + TextField("F", 10) + "26 00 00 00 00 B0 00 00 01 00 " + Zeros(10) + "10 2A 00 00 " +
           kTail},
      // a B span of one character is separator 0; the title loses its quote and is cut
      {"A:1,0,0,0,1,0,1,1,0,B:,C:0,176,0,1,D:F,E:Batch\"No.12345",
       kHead + TextField("F", 10) + "25 00 00 00 00 B0 00 00 01 00 " + TextField("BatchNo.12", 10) +
           "00 00 00 00 " + kTail},
  });
}

TEST(MemoryWriteBlock, SeparatorsSurviveTheirOwnText) {
  for (const char* separator : {" ", ",", ";", "'", "*", "#", "%"}) {
    std::vector<uint8_t> bytes = Bytes(kHead + Zeros(34) + kTail);
    bytes[42] = static_cast<uint8_t>(separator[0]);
    std::string text = DecodeBlock(kMemoryWrite, "", bytes);
    EXPECT_NE(text.find(std::string(",B:") + separator + ",C:"), std::string::npos) << text;
    EXPECT_EQ(CodeAlone(kMemoryWrite, text).at(42), bytes[42]) << text;
  }
}

TEST(MemoryWriteBlock, DecodesEveryFieldFromTheRecord) {
  ExpectDecoded(kMemoryWrite, {
      {"A:1,0,0,0,1,0,1,1,0,B: ,C:0,176,0,1,D:X,E:",
       kHead + TextField("DATA", 10) + "40 00 00 00 0C A8 00 14 08 01 " + TextField("Batch", 10) +
           "42 2C 01 03 " + kTail,
       "A:0,2,1,3,0,1,0,0,4,B:,,C:12,168,20,8,D:DATA,E:Batch"},
      // byte 21 all ones: Append, aux, save time, external; separator 0 writes nothing
      {"A:1,0,0,0,1,0,1,1,0,B: ,C:0,176,0,1,D:X,E:",
       kHead + TextField("X", 10) + "FF 00 01 00 00 A1 00 0A 02 00 " + TextField("T", 10) +
           "31 00 01 02 " + kTail,
       "A:0,1,1,2,1,0,1,1,3,B:,C:65536,161,10,2,D:X,E:T"},
      {"A:1,0,0,0,1,0,1,1,0,B:;,C:0,176,0,1,D:F,E:", "00 00 43 00 00 00 00 00 00 00 00",
       "A:1,0,0,0,0,0,0,0,0,B:,C:0,0,0,0,D:,E:"},
  });
}

}  // namespace
}  // namespace ostrevan::testing
