// The Memory Read block: the PLC reads one record of a text file on its
// memory card into PLC registers.
#pragma once

#include <cstddef>
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
  static constexpr size_t kLongestRecord = 55;
  static Params Parse(std::string_view text) { return ParseMemoryReadText(text); }
  static bool QuickParse(std::string_view text, Params& params);
  // The record lacks the file options but the record position, and the
  // separator: all of them stand before ",C:".
  static bool QuickParseForDecode(std::string_view text, Params& params);
  template <class Out>
  static void Print(Out& text, const Params& params);
  static std::string Text(const Params& params) { return MemoryReadText(params); }
  static bool Edit(Params& params);
  template <class Out>
  static void Write(Out& out, const Params& params, const BlockPlace& place);
  template <class In>
  static void Read(In& in, Params& params);
};

class CMemoryReadEntity : public CCodecEntity<MemoryReadCodec, 2, 80, 55> {};

}  // namespace ostrevan
