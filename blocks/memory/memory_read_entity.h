// The Memory Read block: the PLC reads one record of a text file on its
// memory card into PLC registers.
#pragma once

#include <cstdint>
#include <string>

#include "blocks/memory/card_file.h"
#include "core/codec_entity.h"

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

struct MemoryReadCodec {
  using Params = MemoryReadParams;
  static Params Defaults() { return MemoryReadDefaults(); }
  static Params Parse(std::string_view text) { return ParseMemoryReadText(text); }
  static std::string Text(const Params& params) { return MemoryReadText(params); }
  static bool Edit(Params& params);
  static void Write(RecordWriter& out, const Params& params, const BlockPlace& place);
  static void Read(RecordReader& in, Params& params);
};

class CMemoryReadEntity : public CCodecEntity<MemoryReadCodec, 2, 80, 55> {};

}  // namespace ostrevan
