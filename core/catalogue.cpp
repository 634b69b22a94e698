#include "core/catalogue.h"

#include "blocks/gprs/gprs_connect_entity.h"
#include "blocks/gprs/gprs_data_send_entity.h"
#include "blocks/memory/memory_read_entity.h"
#include "blocks/memory/memory_write_entity.h"
#include "blocks/messaging/mail_entity.h"
#include "blocks/messaging/sms_input_entity.h"
#include "blocks/messaging/sms_output_entity.h"
#include "blocks/modbus/modbus_entity.h"
#include "blocks/mqtt/mqtt_connect_entity.h"
#include "blocks/mqtt/mqtt_read_entity.h"
#include "blocks/mqtt/mqtt_write_entity.h"
#include "blocks/wifi/wifi_entity.h"

namespace ostrevan {

namespace {

template <class Entity>
CFbdEntity* Make(EntitySlot& slot) {
  return slot.Emplace<Entity>();
}

template <class Entity>
int CodeOn(int instance_index, int instance_total, int type_ordinal, const char* param,
           uint8_t* record, uint32_t* len) {
  Entity entity;
  entity.SetInstance(instance_index, instance_total, type_ordinal);
  return entity.Entity::Code(param, record, len);  // the class is known: no virtual call
}

template <class Entity>
int DecodeOn(char* param, const uint8_t* record, uint32_t len) {
  Entity entity;
  return entity.Entity::Decode(param, record, len);
}

template <class Entity>
constexpr BlockEntry Row(const char* name) {
  return BlockEntry{Entity::kType, name, &Make<Entity>, &CodeOn<Entity>, &DecodeOn<Entity>};
}

constexpr std::array<BlockEntry, kBlockTypeCount> kCatalogue = {
    Row<CModbusEntity>("Modbus"),
    Row<CMemoryReadEntity>("Memory Read"),
    Row<CMemoryWriteEntity>("Memory Write"),
    Row<CGprsConnectEntity>("GPRS Connect"),
    Row<CGprsDataSendEntity>("GPRS Data Send"),
    Row<CMqttConnectEntity>("Connect to MQTT Server"),
    Row<CMqttReadEntity>("Subscribe with MQTT"),
    Row<CMqttWriteEntity>("Publish with MQTT"),
    Row<CSmsMessageInputEntity>("SMS Input"),
    Row<CSmsMessageOutputEntity>("SMS Output"),
    Row<CMailEntity>("EMAIL"),
    Row<CWifiModeEntity>("WIFI"),
};

// The catalogue's row of each type id, or -1; every export call looks its
// type up, so the search is done once, at compile time.
constexpr int kLargestType = 12;
constexpr std::array<int, kLargestType + 1> kRowOfType = [] {
  std::array<int, kLargestType + 1> rows{};
  for (int& row : rows) row = -1;
  for (size_t i = 0; i < kCatalogue.size(); ++i) rows[kCatalogue[i].type] = static_cast<int>(i);
  return rows;
}();

}  // namespace

const std::array<BlockEntry, kBlockTypeCount>& BlockCatalogue() { return kCatalogue; }

int CatalogueRow(int type) {
  return type >= 0 && type <= kLargestType ? kRowOfType[type] : -1;
}

const BlockEntry* FindBlock(int type) {
  int row = CatalogueRow(type);
  return row < 0 ? nullptr : &kCatalogue[row];
}

const char* BlockTypeName(int type) {
  const BlockEntry* entry = FindBlock(type);
  return entry ? entry->name : nullptr;
}

}  // namespace ostrevan
