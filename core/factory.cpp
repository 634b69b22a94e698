#include "core/factory.h"

#include "blocks/wifi/wifi_entity.h"

namespace ostrevan {

namespace {

// Asks a probe on the stack first, so that a lookup allocates only the one
// entity it returns instead of one per class asked.
template <class Entity>
std::unique_ptr<CFbdEntity> Make(int type) {
  const Entity probe;
  return probe.IsType(type) ? std::make_unique<Entity>() : nullptr;
}

using Maker = std::unique_ptr<CFbdEntity> (*)(int type);

// The order in which the classes are asked; the first to claim the id wins.
constexpr Maker kMakers[] = {
    // Modbus, Memory Read, Memory Write, GPRS Connect, GPRS Data Send,
    // MQTT Connect, MQTT Subscribe, MQTT Publish, SMS Input, SMS Output, EMAIL
    Make<CWifiModeEntity>,
};

}  // namespace

std::unique_ptr<CFbdEntity> CreateEntity(int type) {
  for (Maker make : kMakers) {
    if (std::unique_ptr<CFbdEntity> entity = make(type)) return entity;
  }
  return nullptr;
}

}  // namespace ostrevan
