#include <gtest/gtest.h>

#include <string>

#include "core/catalogue.h"
#include "core/factory.h"

namespace ostrevan::testing {
namespace {

// The host knows the block types by these ids and the limits file by these
// names: neither may move. A slot holds one entity at a time.
TEST(BlockCatalogue, HoldsTheHostsIdsAndNamesInFactoryOrder) {
  const std::pair<int, std::string> expected[] = {
      {1, "Modbus"},       {2, "Memory Read"},         {3, "Memory Write"},
      {4, "GPRS Connect"}, {12, "GPRS Data Send"},     {7, "Connect to MQTT Server"},
      {5, "Subscribe with MQTT"}, {6, "Publish with MQTT"}, {8, "SMS Input"},
      {9, "SMS Output"},   {10, "EMAIL"},              {11, "WIFI"},
  };
  ASSERT_EQ(BlockCatalogue().size(), std::size(expected));
  EntitySlot slot;
  for (size_t i = 0; i < std::size(expected); ++i) {
    const BlockEntry& entry = BlockCatalogue()[i];
    EXPECT_EQ(entry.type, expected[i].first);
    EXPECT_EQ(entry.name, expected[i].second);
    EXPECT_EQ(FindBlock(entry.type), &entry);
    EXPECT_EQ(BlockTypeName(entry.type), expected[i].second);
    CFbdEntity* entity = CreateEntity(entry.type, slot);
    ASSERT_NE(entity, nullptr) << entry.name;
    EXPECT_EQ(entity->GetType(), entry.type) << entry.name;
    EXPECT_EQ(slot.get(), entity);
  }
  for (int type : {0, 13, -1}) {
    EXPECT_EQ(FindBlock(type), nullptr);
    EXPECT_EQ(BlockTypeName(type), nullptr);
    EXPECT_EQ(CreateEntity(type, slot), nullptr);
  }
  EXPECT_EQ(slot.get()->GetType(), 11) << "an unknown type leaves the slot as it was";
}

}  // namespace
}  // namespace ostrevan::testing
