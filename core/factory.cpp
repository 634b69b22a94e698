#include "core/factory.h"

#include "core/catalogue.h"

namespace ostrevan {

// A class claims exactly its own id (CBlockEntity::IsType is final), so the
// catalogue is asked without building one: a lookup builds only the entity
// it returns.
CFbdEntity* CreateEntity(int type, EntitySlot& slot) {
  const BlockEntry* entry = FindBlock(type);
  return entry ? entry->make(slot) : nullptr;
}

}  // namespace ostrevan
