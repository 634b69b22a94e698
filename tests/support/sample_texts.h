// Parameter texts that a PLC programmer would really write, one per block
// type, filling every field the block has. The guard-page tests and the
// benchmarks use them; each block adds its row when it lands.
#pragma once

#include <string_view>

namespace ostrevan::testing {

struct SampleText {
  int type;
  std::string_view text;
};

inline constexpr SampleText kTypicalTexts[] = {
    // Modbus: holding registers over Ethernet socket 1
    {1, "A:11,2,3,B:502,2,1,0,C:192.168.1.50,D:1,3,10,100,E:161,20,10,1"},
    // Memory Read: record 12 of TANKLOG into VW100
    {2, "A:1,2,0,0,0,1,0,B:;,C:12,161,100,4,D:1,4,E:TANKLOG,F:Level"},
    // Memory Write: create TANKLOG on the external card, with the time
    {3, "A:0,1,1,2,1,0,1,0,1,B:;,C:5,161,200,8,D:TANKLOG,E:Tank level"},
    // GPRS Connect: customised server by domain name
    {4, "A:10,0,1,1,8080,B:plc.example.net"},
    // Subscribe with MQTT: 64 characters into VB100
    {5, "A:10,30,10,0,160,100,64,0,0,B:1,1,1,C:plc-0042,D:operator,E:s3cret"
         ",F:plant/line1/setpoints"},
    // Publish with MQTT: two items
    {6, "A:5,30,10,0,1,B:1,1,1,C:plc-0042,D:operator,E:s3cret,F:plant/line1"
         "/status,G1:161,0,100,4,0,0,H1:lvl,I1:Tank,G2:176,0,3,2,5,0,H2:run,"
         "I2:Pump1"},
    // Connect to MQTT Server: broker by domain name over 4G
    {7, "A:60,20,0,8883,1,0,1,0,1,B:plc-0042,C:operator,D:s3cret,E:0.0.0.0,"
         "F:,G:,H:,I:broker.example.com"},
    // SMS Input: two known senders
    {8, "A:100,64,1,B:+4915112345678,C:+4915187654321,D:,E:,F:"},
    // SMS Output: a Params Message with a level and the time
    {9, "A:0,0,1,0,8,1,3000,2,0,B:+4915112345678,C:+4915187654321,D:,E:,F:,"
         "G:Tank,3,level:,,,,,,,Since:,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,,"
         ",,,,,,,,,,,,,,,,,H:[161,100,0,14,6,1,0][3,-1,0,7,13,0,0][0,-1,255,"
         "0,20,0,0][0,-1,255,0,20,0,0]"},
    // EMAIL: a Text Message with an attachment
    {10, "A:1,0,0,1,0,8,0,B:Alarm tank 3,C:ops@example.com,D:service@example"
         ".com,E:,F:Level above limit at station 4,G:,,H:level.csv,,,,,,,"},
    // WIFI: station mode
    {11, "A:1"},
    // GPRS Data Send: registers to a customised server
    {12, "A:0,0,30,B:502,C:10.20.30.40,D:3,1,16,0,E:40,161,100,20,20"},
};

// The typical text of a type, or empty when the type has none yet.
constexpr std::string_view TypicalText(int type) {
  for (const SampleText& sample : kTypicalTexts) {
    if (sample.type == type) return sample.text;
  }
  return {};
}

}  // namespace ostrevan::testing
