#include <gtest/gtest.h>

#include <vector>

#include "core/record.h"

namespace ostrevan {
namespace {

TEST(RecordReaderText, SevenBitTextKeepsOnlyBytes1To127AndStopsAtTheLength) {
  const std::vector<uint8_t> bytes = {'a', 0x00, 0x80, 'b', 0xFF, 0x7F, 0x01, 'c', 'd'};
  RecordReader reader(bytes.data(), 8);  // 'd' lies past the given length
  EXPECT_EQ(reader.TextOfBytes1To127(0, 20), std::string("ab\x7F\x01" "c"));
  EXPECT_EQ(reader.TextOfBytes1To127(3, 2), "b");
  EXPECT_EQ(reader.TextOfBytes1To127(8, 4), "");
  EXPECT_EQ(RecordReader(nullptr, 5).TextOfBytes1To127(0, 5), "");
  // unlike the 0-and-255 reader, which keeps bytes above 127
  EXPECT_EQ(reader.TextSkipping0And255(0, 20), std::string("a\x80" "b\x7F\x01" "c"));
}

}  // namespace
}  // namespace ostrevan
