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
constexpr BlockEntry Row(const char* name) {
  return BlockEntry{Entity::kType, name, &Make<Entity>};
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

}  // namespace

const std::array<BlockEntry, kBlockTypeCount>& BlockCatalogue() { return kCatalogue; }

const BlockEntry* FindBlock(int type) {
  for (const BlockEntry& entry : kCatalogue) {
    if (entry.type == type) return &entry;
  }
  return nullptr;
}

const char* BlockTypeName(int type) {
  const BlockEntry* entry = FindBlock(type);
  return entry ? entry->name : nullptr;
}

}  // namespace ostrevan
