#include "core/factory.h"

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

// A class claims exactly its own id (CBlockEntity::IsType is final), so it
// is asked without building one: a lookup builds only the entity it returns.
template <class Entity>
CFbdEntity* Make(int type, EntitySlot& slot) {
  return type == Entity::kType ? slot.Emplace<Entity>() : nullptr;
}

using Maker = CFbdEntity* (*)(int type, EntitySlot& slot);

// The order in which the classes are asked; the first to claim the id wins.
constexpr Maker kMakers[] = {
    Make<CModbusEntity>,
    Make<CMemoryReadEntity>,
    Make<CMemoryWriteEntity>,
    Make<CGprsConnectEntity>,
    Make<CGprsDataSendEntity>,
    Make<CMqttConnectEntity>,
    Make<CMqttReadEntity>,
    Make<CMqttWriteEntity>,
    Make<CSmsMessageInputEntity>,
    Make<CSmsMessageOutputEntity>,
    Make<CMailEntity>,
    Make<CWifiModeEntity>,
};

}  // namespace

CFbdEntity* CreateEntity(int type, EntitySlot& slot) {
  for (Maker make : kMakers) {
    if (CFbdEntity* entity = make(type, slot)) return entity;
  }
  return nullptr;
}

}  // namespace ostrevan
