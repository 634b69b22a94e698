// The record writer is the one bounds check between a block and the host's
// buffer: a put that does not fit writes nothing, and every later put fails.
#include "core/record.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/data_index.h"
#include "core/record_header.h"
#include "support/plugin_fixture.h"

namespace ostrevan::testing {
namespace {

TEST(RecordWriter, EachPutFitsExactlyOrWritesNothing) {
  const struct {
    const char* name;
    size_t width;
    std::function<void(RecordWriter&)> put;
    const char* bytes;
  } cases[] = {
      {"u8", 1, [](RecordWriter& w) { w.PutU8(0xAB); }, "AB"},
      {"u16 LE", 2, [](RecordWriter& w) { w.PutU16LE(0x1234); }, "34 12"},
      {"u16 BE", 2, [](RecordWriter& w) { w.PutU16BE(0x1234); }, "12 34"},
      {"u32 BE", 4, [](RecordWriter& w) { w.PutU32BE(0x01020304); }, "01 02 03 04"},
      {"zeros", 3, [](RecordWriter& w) { w.PutZeros(3); }, "00 00 00"},
      {"bytes", 2, [](RecordWriter& w) { w.PutBytes("\x05\x06", 2); }, "05 06"},
      {"text cut", 3, [](RecordWriter& w) { w.PutFixedText("abcdef", 3); }, "61 62 63"},
      {"text padded", 4, [](RecordWriter& w) { w.PutFixedText("ab", 4); }, "61 62 00 00"},
  };
  for (const auto& c : cases) {
    for (size_t capacity : {c.width - 1, c.width}) {
      std::vector<uint8_t> buffer(capacity + 4, 0xEE);
      RecordWriter writer(buffer.data(), capacity);
      c.put(writer);
      bool fits = capacity == c.width;
      EXPECT_EQ(writer.ok(), fits) << c.name;
      EXPECT_EQ(writer.position(), fits ? c.width : 0u) << c.name;
      if (fits) {
        EXPECT_EQ(Hex(std::vector<uint8_t>(buffer.begin(), buffer.begin() + c.width)), c.bytes)
            << c.name;
      }
      for (size_t i = fits ? c.width : 0; i < buffer.size(); ++i)
        EXPECT_EQ(buffer[i], 0xEE) << c.name << " wrote byte " << i;
    }
  }
}

TEST(RecordWriter, FailsForGoodAfterAPutThatDidNotFitAndPatchesOnlyWhatIsWritten) {
  std::vector<uint8_t> buffer(6, 0xEE);
  RecordWriter out(buffer.data(), 4);
  out.PutU16BE(0x1122);
  out.PatchU8(1, 0x23);
  EXPECT_TRUE(out.ok());
  out.PutU32BE(0x33445566);  // two bytes too many: nothing of it lands
  out.PutU8(0x77);           // and nothing after a failed put
  EXPECT_FALSE(out.ok());
  EXPECT_EQ(out.position(), 2u);
  EXPECT_EQ(Hex(buffer), "11 23 EE EE EE EE");

  RecordWriter patch(buffer.data(), 4);
  patch.PutZeros(2);
  patch.PatchU8(2, 9);  // not yet written
  EXPECT_FALSE(patch.ok());
  EXPECT_EQ(buffer[2], 0xEE);

  RecordWriter none(nullptr, 100);
  none.PutU8(1);
  EXPECT_FALSE(none.ok());
  EXPECT_EQ(none.capacity(), 0u);
}

// "name kind@offset+width" of each field the sink heard of.
class NoteSink : public FieldSink {
 public:
  void OnField(std::string_view name, FieldKind kind, size_t offset, size_t width) override {
    notes += std::string(name) + " " + std::to_string(static_cast<int>(kind)) + "@" +
             std::to_string(offset) + "+" + std::to_string(width) + ";";
  }
  std::string notes;
};

TEST(RecordWriter, TellsTheSinkAboutNamedFieldsThatFit) {
  std::vector<uint8_t> buffer(16);
  NoteSink sink;
  RecordWriter out(buffer.data(), buffer.size(), &sink);
  out.PutU16LE(1, "index");
  out.PutU8(2);
  out.PutFixedText("ab", 5, "name");
  out.PutU32BE(3, "count");
  out.PutU8(4, FieldName("item ", 7, " end"));
  out.PutU32BE(5, "does not fit");
  EXPECT_EQ(sink.notes, "index 1@0+2;name 4@3+5;count 3@8+4;item 7 end 0@12+1;");
}

TEST(RecordReader, ReadsZeroPastItsLengthAndSkipsBytesInTexts) {
  const std::vector<uint8_t> bytes = Bytes("12 34 56 78 FF 41 00 42");
  RecordReader in(bytes.data(), 4);
  EXPECT_EQ(in.GetU16BE(), 0x1234);
  EXPECT_EQ(in.PeekU8(), 0x56);
  EXPECT_EQ(in.GetU16LE(), 0x7856);
  EXPECT_EQ(in.GetU8(), 0) << "byte 4 lies past the length";
  in.Skip(static_cast<size_t>(-1));  // a length from a hostile record
  EXPECT_EQ(in.GetU32BE(), 0u);
  EXPECT_EQ(RecordReader(bytes.data(), 5).GetU32BE(), 0x12345678u);
  uint8_t copied[4] = {9, 9, 9, 9};
  RecordReader(bytes.data() + 2, 2).GetBytes(copied, 4);
  EXPECT_EQ(Hex(std::vector<uint8_t>(copied, copied + 4)), "56 78 00 00");

  const std::vector<uint8_t> text = {'a', 0x00, 0x80, 'b', 0xFF, 0x7F, 0x01, 'c', 'd'};
  EXPECT_EQ(RecordReader(text.data(), 8).GetTextSkipping0And255(20),
            std::string("a\x80" "b\x7F\x01" "c"));  // 'd' lies past the given length
  RecordReader reader(text.data(), 8);
  EXPECT_EQ(reader.GetTextOfBytes1To127(2), "a");
  EXPECT_EQ(reader.GetTerminatedText1To127(1), "") << "0x80 is not looked at, 'b' is the NUL's place";
  EXPECT_EQ(reader.GetTextOfBytes1To127(4), "\x7F\x01" "c");
  EXPECT_EQ(reader.position(), 8u);
  EXPECT_EQ(reader.GetTextOfBytes1To127(4), "");
  EXPECT_EQ(RecordReader(nullptr, 5).GetTextOfBytes1To127(5), "");

  // Fields of every width: short ones and long ones are read alike.
  for (size_t width : {size_t{63}, size_t{64}, size_t{65}, size_t{300}}) {
    std::vector<uint8_t> field(width);
    std::string kept;
    for (size_t i = 0; i < width; ++i) {
      field[i] = static_cast<uint8_t>(i * 37);
      if (field[i] >= 1 && field[i] <= 127) kept.push_back(static_cast<char>(field[i]));
    }
    EXPECT_EQ(RecordReader(field.data(), field.size()).GetTextOfBytes1To127(width + 5), kept)
        << width;
  }
}

TEST(RecordHeader, FlagsAndReferences) {
  EXPECT_EQ(std::vector<int>({MakeFlagsByte(0, 0), MakeFlagsByte(5, 0), MakeFlagsByte(0, -1),
                              MakeFlagsByte(1, 1)}),
            std::vector<int>({0x00, 0x80, 0x40, 0xC0}));

  uint8_t high = 0, low = 0, area = 0;
  PackReference({7, 1025}, &high, &low, &area);
  EXPECT_EQ(std::vector<int>({high, low, area}), std::vector<int>({0x00, 0x01, 7}));
  PackReference({0xFF, 0xFFFF}, &high, &low, nullptr);  // area bits above bit 10
  EXPECT_EQ(std::vector<int>({high, low}), std::vector<int>({0xFB, 0xFF}));
  PackReference({13, 5}, &high, &low, nullptr);
  EXPECT_EQ(std::vector<int>({high, low}), std::vector<int>({0x68, 0x05}));
}

TEST(RecordHeader, HeadAndPinAreaForSeveralShapes) {
  const struct {
    RecordHead head;
    int index;
    const char* bytes;
  } cases[] = {
      {{0x76, 1, 1, 0x01}, 0, "00 00 76 00 00 00 00 01 00 | 00 07"},
      {{0x81, 2, 1, 0x00}, 1025, "01 04 81 00 00 00 00 00 01 00 00 | 00 00 07"},
      {{0x84, 2, 2, 0x03}, 1023, "FF 03 84 00 00 00 00 03 FF 03 FF 03 00 | 00 00 07 0D"},
      {{0x8B, 1, 2, 0x01}, 70000, "70 11 8B 00 00 01 70 01 70 01 00 | 00 07 0D"},
  };
  for (const auto& c : cases) {
    std::vector<uint8_t> buffer(32);
    RecordWriter out(buffer.data(), buffer.size());
    PutRecordHead(out, c.head, c.index);
    size_t head_end = out.position();
    PutPinArea(out, c.head);
    buffer.resize(out.position());
    std::string hex = Hex(std::vector<uint8_t>(buffer.begin(), buffer.begin() + head_end)) +
                      " | " + Hex(std::vector<uint8_t>(buffer.begin() + head_end, buffer.end()));
    EXPECT_EQ(hex, c.bytes) << "index " << c.index;
  }
}

TEST(DataIndex, PacksFourteenBitsBesideTheOrderFlag) {
  const struct {
    uint32_t index;
    bool high_low;
    uint8_t low;
    uint8_t high_and_order;
    uint16_t back;
  } cases[] = {
      {0, true, 0x00, 0x00, 0},
      {0, false, 0x00, 0x01, 0},
      {0x1234, true, 0x34, 0x48, 0x1234},
      {16383, false, 0xFF, 0xFD, 16383},
      {16384, true, 0x00, 0x00, 0},  // bit 14 does not travel
      {0xFFFFFFFF, true, 0xFF, 0xFC, 16383},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(DataIndexLowByte(c.index), c.low);
    EXPECT_EQ(DataIndexHighAndOrder(c.index, c.high_low), c.high_and_order);
    EXPECT_EQ(DataIndexFromBytes(c.low, c.high_and_order), c.back);
  }
  EXPECT_EQ(DataIndexFromBytes(0x01, 0x03), 1);  // bits 0 and 1 are not index bits
}

}  // namespace
}  // namespace ostrevan::testing
