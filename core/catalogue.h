// The block catalogue: every block type the plug-in offers, once, with its
// id, its display name and how to build its entity. The plug-in object, the
// factory, the tools and the tests all read it.
//
// Adding a block: its folder under blocks/ (entity, pages, CMakeLists.txt),
// a row in catalogue.cpp, kBlockTypeCount below, and the build.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/factory.h"

namespace ostrevan {

struct BlockEntry {
  int type;          // the host's block type id
  const char* name;  // display name; the limits file names the type by it
  CFbdEntity* (*make)(EntitySlot& slot);
  // Code and Decode on an entity of the block's own class on the stack:
  // the exports' path, without the slot and the virtual calls.
  int (*code)(int instance_index, int instance_total, int type_ordinal, const char* param,
              uint8_t* record, uint32_t* len);
  int (*decode)(char* param, const uint8_t* record, uint32_t len);
};

constexpr size_t kBlockTypeCount = 12;

// In the order the factory asks the classes (not the order of the ids).
const std::array<BlockEntry, kBlockTypeCount>& BlockCatalogue();

// The row of a block type id, or null.
const BlockEntry* FindBlock(int type);

// Where a type id stands in the catalogue, or -1.
int CatalogueRow(int type);

// The display name of a block type id, or nullptr.
const char* BlockTypeName(int type);

}  // namespace ostrevan
