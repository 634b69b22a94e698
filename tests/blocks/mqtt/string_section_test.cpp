// The strings at the end of the MQTT records share a 250-byte budget; these
// cases run it out at every position, through the Connect block in
// domain-name mode (four strings).
#include <gtest/gtest.h>

#include <array>
#include <numeric>

#include "mqtt_test_support.h"
#include "support/plugin_fixture.h"

namespace ostrevan::testing {
namespace {

struct BudgetCase {
  std::array<size_t, 4> lengths;  // client ID, user name, password, domain name
  std::array<int, 4> slots;       // the slot length bytes worked out by hand
};

std::string DomainModeText(const std::array<std::string, 4>& s) {
  return "A:30,10,0,1884,1,0,1,0,0,B:" + s[0] + ",C:" + s[1] + ",D:" + s[2] +
         ",E:0.0.0.0,F:,G:,H:,I:" + s[3];
}

TEST(MqttStringSection, SharesTheBudgetAndStaysReadable) {
  const BudgetCase cases[] = {
      {{0, 0, 0, 0}, {1, 1, 1, 1}},
      {{0, 3, 0, 0}, {1, 4, 1, 1}},
      {{249, 5, 5, 5}, {250, 0, 0, 0}},           // the first string spends it all
      {{250, 5, 5, 5}, {250, 0, 0, 0}},           // and is cut to 249 characters
      {{100, 148, 5, 5}, {101, 149, 0, 0}},       // spent by the second
      {{100, 100, 100, 100}, {101, 101, 48, 0}},  // the third is cut
      {{0, 0, 0, 251}, {1, 1, 1, 247}},           // the last is cut to 246
      {{10, 10, 228, 5}, {11, 11, 228, 0}},       // spent by the third, exactly
      // Spent exactly, then an empty string: it still takes its lone NUL
      // (slot 1), and the budget stays spent for the strings behind it.
      {{249, 0, 5, 5}, {250, 1, 0, 0}},
      {{248, 0, 5, 5}, {249, 1, 0, 0}},
      {{249, 0, 0, 0}, {250, 1, 1, 1}},
  };
  for (const BudgetCase& c : cases) {
    std::array<std::string, 4> strings;
    for (size_t i = 0; i < 4; ++i)
      strings[i] = std::string(c.lengths[i], static_cast<char>('a' + i));
    std::vector<uint8_t> record = CodeAlone(kConnect, DomainModeText(strings));
    const std::string label = std::to_string(c.lengths[0]) + "," + std::to_string(c.lengths[1]) +
                              "," + std::to_string(c.lengths[2]) + "," +
                              std::to_string(c.lengths[3]);

    std::array<size_t, 4> kept{};
    size_t section = 0;
    for (size_t i = 0; i < 4; ++i) {
      EXPECT_EQ(record.at(34 + i), c.slots[i]) << label << " slot " << i;
      kept[i] = c.slots[i] > 0 ? static_cast<size_t>(c.slots[i]) - 1 : 0;
      section += kept[i] + 1;
      EXPECT_EQ(record.at(38 + section - 1), 0) << label << " terminator " << i;
    }
    EXPECT_LE(section, 253u);
    // TLS is off: the certificate section is eight zero bytes behind the strings.
    ASSERT_EQ(record.size(), 38 + section + 8) << label;
    EXPECT_EQ(HexAt(record, 38 + section, 8), Repeat("00", 8)) << label;

    std::array<std::string, 4> cut;
    for (size_t i = 0; i < 4; ++i) cut[i] = strings[i].substr(0, kept[i]);
    EXPECT_EQ(DecodeBlock(kConnect, DefaultText(kConnect), record), DomainModeText(cut)) << label;
  }
}

TEST(MqttStringSection, WrongSlotBytesNeverReadPastTheRecord) {
  std::vector<uint8_t> record = CodeAlone(kConnect, DomainModeText({"id", "user", "pw", "host"}));
  // Slot lengths far beyond the bytes that follow, and a record cut short.
  record[34] = 0xFF;
  record[35] = 0xFF;
  // The client ID takes every byte of the other strings (their NULs dropped);
  // the strings behind it lie past the end and read as empty.
  EXPECT_EQ(DecodeBlock(kConnect, DefaultText(kConnect), record),
            "A:30,10,0,1884,1,0,1,0,0,B:iduserpwhost,C:,D:,E:0.0.0.0,F:,G:,H:,I:");
  record.resize(36);
  EXPECT_EQ(DecodeBlock(kConnect, DefaultText(kConnect), record),
            "A:30,10,0,1884,1,0,1,0,0,B:,C:,D:,E:0.0.0.0,F:,G:,H:,I:");
}

}  // namespace
}  // namespace ostrevan::testing
