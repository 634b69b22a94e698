// The typical text of every block type, as a user writes it, through its
// record and back: the values are all in range, so whatever the record
// carries must come back, whether or not the type survives the fuzzer's
// round trip for any text at all. And why types stay out of that round trip:
// a value the text holds whole reaches the record only in part, and reads
// back changed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/plugin_fixture.h"
#include "support/sample_texts.h"

namespace ostrevan::testing {
namespace {

struct Trip {
  int type;
  std::string text;
  const char* decoded;  // nullptr: the text comes back with the same record
};

std::vector<Trip> Trips() {
  std::vector<Trip> trips = {
      // Port 266 is a serial port; its low byte 10 reads back as Ethernet.
      {1, "A:266,1,5,B:9600,8,1,N,C:,D:1,1,1,0,E:176,0,1,1",
       "A:10,1,5,B:0,37,1,0,C:8.1.0.0,D:1,1,1,0,E:176,0,1,1"},
      // Format 17 is coded whole at 26 but read from the nibble at 43.
      {2, "A:1,0,0,0,1,0,1,B: ,C:0,176,0,1,D:17,1,E:LOG,F:",
       "A:1,0,0,0,1,0,1,B: ,C:0,176,0,1,D:1,1,E:LOG,F:"},
      // Write mode 2 is ORed into the options byte; only bit 0 reads back.
      {3, "A:1,0,0,0,1,0,1,2,0,B: ,C:0,176,0,1,D:LOG,E:",
       "A:1,0,0,0,1,0,1,0,0,B: ,C:0,176,0,1,D:LOG,E:"},
  };
  for (const SampleText& sample : kTypicalTexts)
    trips.push_back({sample.type, std::string(sample.text), nullptr});
  return trips;
}

TEST(TypicalTexts, ComeBackThroughTheirRecordsWhereTheRecordHoldsThemWhole) {
  for (const Trip& trip : Trips()) {
    SCOPED_TRACE(trip.text);
    std::vector<uint8_t> record = CodeAlone(trip.type, trip.text);
    ASSERT_FALSE(record.empty());
    int result = 0;
    std::string decoded = DecodeBlock(trip.type, trip.text, record, &result);
    EXPECT_EQ(result, 1);
    if (trip.decoded) {
      EXPECT_EQ(decoded, trip.decoded);
    }
    EXPECT_EQ(Hex(CodeAlone(trip.type, decoded)) == Hex(record), trip.decoded == nullptr);
  }
}

}  // namespace
}  // namespace ostrevan::testing
