#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/catalogue.h"

namespace ostrevan::testing {
namespace {

// The host knows the block types by these ids and the limits file by these
// names: neither may move.
TEST(BlockCatalogue, HoldsTheHostsIdsAndNamesInFactoryOrder) {
  const std::pair<int, std::string> expected[] = {
      {1, "Modbus"},       {2, "Memory Read"},         {3, "Memory Write"},
      {4, "GPRS Connect"}, {12, "GPRS Data Send"},     {7, "Connect to MQTT Server"},
      {5, "Subscribe with MQTT"}, {6, "Publish with MQTT"}, {8, "SMS Input"},
      {9, "SMS Output"},   {10, "EMAIL"},              {11, "WIFI"},
  };
  ASSERT_EQ(BlockCatalogue().size(), std::size(expected));
  std::set<int> ids;
  for (size_t i = 0; i < std::size(expected); ++i) {
    const BlockEntry& entry = BlockCatalogue()[i];
    EXPECT_EQ(entry.type, expected[i].first);
    EXPECT_EQ(entry.name, expected[i].second);
    EXPECT_EQ(FindBlock(entry.type), &entry);
    EXPECT_EQ(BlockTypeName(entry.type), expected[i].second);
    EntitySlot slot;
    EXPECT_EQ(entry.make(slot)->GetType(), entry.type) << entry.name;
    ids.insert(entry.type);
  }
  EXPECT_EQ(ids.size(), kBlockTypeCount) << "every id once";
  EXPECT_EQ(FindBlock(0), nullptr);
  EXPECT_EQ(BlockTypeName(13), nullptr);
}

}  // namespace
}  // namespace ostrevan::testing
