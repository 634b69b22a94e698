#include "core/factory.h"

#include "blocks/modbus/modbus_entity.h"
#include "blocks/wifi/wifi_entity.h"

namespace ostrevan {

namespace {

template <class Entity>
std::unique_ptr<CFbdEntity> Make() {
  return std::make_unique<Entity>();
}

using Maker = std::unique_ptr<CFbdEntity> (*)();

// The order in which the classes are asked; the first to claim the id wins.
constexpr Maker kMakers[] = {
    Make<CModbusEntity>,
    // Memory Read, Memory Write, GPRS Connect, GPRS Data Send,
    // MQTT Connect, MQTT Subscribe, MQTT Publish, SMS Input, SMS Output, EMAIL
    Make<CWifiModeEntity>,
};

}  // namespace

std::unique_ptr<CFbdEntity> CreateEntity(int type) {
  for (Maker make : kMakers) {
    std::unique_ptr<CFbdEntity> entity = make();
    if (entity->IsType(type)) return entity;
  }
  return nullptr;
}

}  // namespace ostrevan
