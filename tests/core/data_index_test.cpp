#include <gtest/gtest.h>

#include "core/data_index.h"

namespace ostrevan {
namespace {

struct IndexCase {
  uint32_t index;
  bool high_low;
  uint8_t low;
  uint8_t high_and_order;
  uint16_t back;
};

TEST(DataIndex, PacksFourteenBitsBesideTheOrderFlag) {
  const IndexCase cases[] = {
      {0, true, 0x00, 0x00, 0},
      {0, false, 0x00, 0x01, 0},
      {0x1234, true, 0x34, 0x48, 0x1234},
      {16383, false, 0xFF, 0xFD, 16383},
      {16384, true, 0x00, 0x00, 0},  // bit 14 does not travel
      {0xFFFFFFFF, true, 0xFF, 0xFC, 16383},
  };
  for (const IndexCase& c : cases) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(DataIndexLowByte(c.index), c.low);
    EXPECT_EQ(DataIndexHighAndOrder(c.index, c.high_low), c.high_and_order);
    EXPECT_EQ(DataIndexFromBytes(c.low, c.high_and_order), c.back);
  }
  EXPECT_EQ(DataIndexFromBytes(0x01, 0x03), 1);  // bits 0 and 1 are not index bits
}

}  // namespace
}  // namespace ostrevan
