// Creates the entity of a block type id, asking each class in a fixed order.
#pragma once

#include <memory>

#include "core/entity.h"

namespace ostrevan {

std::unique_ptr<CFbdEntity> CreateEntity(int type);

}  // namespace ostrevan
