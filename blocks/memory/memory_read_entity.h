// The Memory Read block: the PLC reads one record of a text file on its
// memory card into PLC registers.
#pragma once

#include <cstdint>
#include <string>

#include "blocks/memory/card_file.h"
#include "core/entity.h"

namespace ostrevan {

struct MemoryReadParams : CardFileParams {
  uint8_t format = 0;      // data type code of the destination
  uint8_t count_byte = 1;  // low byte of count

  MemoryReadParams() { record_index = 1; }
};

// The defaults, with the file name taken from the clock.
MemoryReadParams MemoryReadDefaults();
MemoryReadParams ParseMemoryReadText(std::string_view text);
std::string MemoryReadText(const MemoryReadParams& params);

class CMemoryReadEntity : public CBlockEntity<2, 80, 55> {
 public:
  int SetDefault(char* param) override;
  int Edit(char* param) override;
  int Code(const char* param, uint8_t* record, uint32_t* len) override;
  int Decode(char* param, const uint8_t* record, uint32_t len) override;
};

}  // namespace ostrevan
