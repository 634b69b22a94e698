// Creates the entity of a block type id, asking each class in a fixed order.
#pragma once

#include <cstddef>
#include <new>

#include "core/entity.h"

namespace ostrevan {

// Room for any one entity: every export call builds its entity here, on the
// caller's stack, instead of on the heap; the slot destroys it.
class EntitySlot {
 public:
  static constexpr size_t kSize = 64;

  EntitySlot() = default;
  ~EntitySlot() { Clear(); }
  EntitySlot(const EntitySlot&) = delete;
  EntitySlot& operator=(const EntitySlot&) = delete;

  template <class Entity>
  Entity* Emplace() {
    static_assert(sizeof(Entity) <= kSize, "an entity outgrew the slot");
    static_assert(alignof(Entity) <= alignof(std::max_align_t), "an entity needs more alignment");
    Clear();
    Entity* entity = new (storage_) Entity();
    entity_ = entity;
    return entity;
  }

  CFbdEntity* get() const { return entity_; }

 private:
  void Clear() {
    if (entity_) entity_->~CFbdEntity();
    entity_ = nullptr;
  }

  alignas(std::max_align_t) unsigned char storage_[kSize];
  CFbdEntity* entity_ = nullptr;
};

// The entity of `type`, built in `slot`; nullptr when no class claims it.
CFbdEntity* CreateEntity(int type, EntitySlot& slot);

}  // namespace ostrevan
