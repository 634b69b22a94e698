// The Memory Write block: the PLC writes PLC register values as records
// into a text file on its memory card.
#pragma once

#include <cstdint>
#include <string>

#include "blocks/memory/card_file.h"
#include "core/entity.h"

namespace ostrevan {

struct MemoryWriteParams : CardFileParams {
  uint8_t write_mode = 1;  // 0 "Create", 1 "Append"
  uint32_t format = 0;     // data type code of the source; 4 bits reach the record

  MemoryWriteParams() {
    auxiliary = 1;
    save_time = true;
  }
};

// The defaults, with the file name taken from the clock.
MemoryWriteParams MemoryWriteDefaults();
MemoryWriteParams ParseMemoryWriteText(std::string_view text);
std::string MemoryWriteText(const MemoryWriteParams& params);

class CMemoryWriteEntity : public CBlockEntity<3, 100, 60> {
 public:
  // The host's record buffer; the record itself is four bytes shorter.
  static constexpr uint32_t kRecordLength = 56;

  // Unlike every other length query this one answers without an out pointer.
  int GetCodeLength(uint32_t* len) const override {
    if (len) *len = kCodeLength;
    return static_cast<int>(kCodeLength);
  }
  int SetDefault(char* param) override;
  int Edit(char* param) override;
  int Code(const char* param, uint8_t* record, uint32_t* len) override;
  int Decode(char* param, const uint8_t* record, uint32_t len) override;
};

}  // namespace ostrevan
