// The Memory Write block: the PLC writes PLC register values as records
// into a text file on its memory card.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "blocks/memory/card_file.h"
#include "core/codec_entity.h"

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

struct MemoryWriteCodec {
  using Params = MemoryWriteParams;
  static Params Defaults() { return MemoryWriteDefaults(); }
  static constexpr size_t kLongestRecord = 56;
  static Params Parse(std::string_view text) { return ParseMemoryWriteText(text); }
  static bool QuickParse(std::string_view text, Params& params);
  // The record carries everything the text holds.
  static bool QuickParseForDecode(std::string_view, Params&) { return true; }
  template <class Out>
  static void Print(Out& text, const Params& params);
  static std::string Text(const Params& params) { return MemoryWriteText(params); }
  static bool Edit(Params& params);
  template <class Out>
  static void Write(Out& out, const Params& params, const BlockPlace& place);
  template <class In>
  static void Read(In& in, Params& params);
};

// The host's record buffer has 60 bytes; the record itself is four shorter.
constexpr uint32_t kMemoryWriteRecordLength = 56;

class CMemoryWriteEntity
    : public CCodecEntity<MemoryWriteCodec, 3, 100, 60, kMemoryWriteRecordLength> {
 public:
  // Unlike every other length query this one answers without an out pointer.
  int GetCodeLength(uint32_t* len) const override {
    if (len) *len = kCodeLength;
    return static_cast<int>(kCodeLength);
  }
};

}  // namespace ostrevan
