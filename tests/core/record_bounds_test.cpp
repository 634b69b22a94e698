// The record writer is the one bounds check between a block and the host's
// buffer: a put that does not fit writes nothing, and every later put fails.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/record.h"
#include "support/plugin_fixture.h"

namespace ostrevan::testing {
namespace {

struct PutCase {
  const char* name;
  size_t width;
  std::function<void(RecordWriter&)> put;
  const char* bytes;
};

std::vector<PutCase> Puts() {
  return {
      {"u8", 1, [](RecordWriter& w) { w.PutU8(0xAB); }, "AB"},
      {"u16 LE", 2, [](RecordWriter& w) { w.PutU16LE(0x1234); }, "34 12"},
      {"u16 BE", 2, [](RecordWriter& w) { w.PutU16BE(0x1234); }, "12 34"},
      {"u32 BE", 4, [](RecordWriter& w) { w.PutU32BE(0x01020304); }, "01 02 03 04"},
      {"zeros", 3, [](RecordWriter& w) { w.PutZeros(3); }, "00 00 00"},
      {"bytes", 2, [](RecordWriter& w) { w.PutBytes("\x05\x06", 2); }, "05 06"},
      {"text cut", 3, [](RecordWriter& w) { w.PutFixedText("abcdef", 3); }, "61 62 63"},
      {"text padded", 4, [](RecordWriter& w) { w.PutFixedText("ab", 4); }, "61 62 00 00"},
  };
}

TEST(RecordWriter, EachPutFitsExactlyOrWritesNothing) {
  for (const PutCase& c : Puts()) {
    for (size_t capacity : {c.width - 1, c.width}) {
      std::vector<uint8_t> buffer(capacity + 4, 0xEE);
      RecordWriter writer(buffer.data(), capacity);
      c.put(writer);
      bool fits = capacity == c.width;
      EXPECT_EQ(writer.ok(), fits) << c.name;
      EXPECT_EQ(writer.position(), fits ? c.width : 0u) << c.name;
      std::vector<uint8_t> written(buffer.begin(), buffer.begin() + static_cast<long>(capacity));
      if (fits) {
        EXPECT_EQ(Hex(written), c.bytes) << c.name;
      }
      for (size_t i = fits ? c.width : 0; i < buffer.size(); ++i)
        EXPECT_EQ(buffer[i], 0xEE) << c.name << " wrote byte " << i;
    }
  }
}

TEST(RecordWriter, StaysFailedAfterAPutThatDidNotFit) {
  uint8_t buffer[4] = {};
  RecordWriter writer(buffer, sizeof buffer);
  writer.PutU32BE(1);
  writer.PutU8(2);
  writer.PutZeros(0);
  EXPECT_FALSE(writer.ok());
  EXPECT_EQ(writer.position(), 4u);
  writer.PatchU8(4, 9);  // not yet written
  EXPECT_EQ(buffer[3], 1);
}

TEST(RecordWriter, NullBufferHasNoRoom) {
  RecordWriter writer(nullptr, 100);
  writer.PutU8(1);
  EXPECT_FALSE(writer.ok());
  EXPECT_EQ(writer.capacity(), 0u);
}

TEST(RecordReader, ReadsZeroPastTheEndAndSkipsPadding) {
  const uint8_t bytes[] = {0x12, 0x34, 0x00, 'a', 0xFF, 'b'};
  RecordReader reader(bytes, sizeof bytes);
  EXPECT_EQ(reader.U16BE(0), 0x1234);
  EXPECT_EQ(reader.U16LE(0), 0x3412);
  EXPECT_EQ(reader.U32BE(4), 0xFF620000u);
  EXPECT_EQ(reader.At(6), 0);
  EXPECT_EQ(reader.TextSkipping0And255(2, 10), "ab");
  EXPECT_EQ(RecordReader(nullptr, 5).At(0), 0);
}

}  // namespace
}  // namespace ostrevan::testing
