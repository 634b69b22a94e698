#include <gtest/gtest.h>

#include "blocks/modbus/modbus_params.h"
#include "ostrevan/plugin.h"
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

}  // namespace
}  // namespace ostrevan::testing
