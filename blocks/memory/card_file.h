// What the Memory Read and Memory Write blocks share: the card file and its
// options, the PLC operand the values come from or go to, and the pieces of
// text and record that both blocks lay out the same way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/param_text.h"

namespace ostrevan {

struct CardFileParams {
  std::string file_name;         // on the card with ".txt"
  uint32_t record_index = 0;
  uint32_t area_code = 176;      // operand area
  uint32_t index = 0;            // operand index
  uint32_t count = 1;            // number of values
  uint8_t data_sequence = 0;     // 0 "HI-LO", 1 "LO-HI"
  uint8_t auxiliary = 0;
  std::string title;
  char separator = ' ';
  uint8_t after_full = 0;        // 0 "Overlay", 1 "Stop"
  uint8_t decimals = 0;          // 0 to 3
  uint8_t file_size_code = 0;    // 0 "512k", 1 "1M", 2 "2M", 3 "10M"
  bool save_time = false;        // "Save Record Time"
  bool internal_card = true;     // 1 "Internal Card", 0 "External Card"
};

// Record fields of the file name and the title; longer texts are cut.
constexpr size_t kCardFileNameWidth = 10;
constexpr size_t kCardTitleWidth = 10;

// Bits of the options byte that both records carry.
constexpr uint8_t kAuxiliaryBit = 0x04;
constexpr uint8_t kSaveTimeBit = 0x20;

// A new block's file name: the local hour as YYMMDDHH.
std::string CardFileNameNow();

// The seven file options that open segment A of both texts, in this order:
// record position, decimals, after-full mode, file size code, save-time
// flag, data sequence, auxiliary flag.
constexpr size_t kFileOptionCount = 7;
template <size_t N>
void ApplyFileOptions(const ScannedInts<N>& scanned, CardFileParams& params) {
  static_assert(N >= kFileOptionCount);
  params.internal_card = scanned[0] != 0;
  params.decimals = static_cast<uint8_t>(scanned[1]);
  params.after_full = static_cast<uint8_t>(scanned[2]);
  params.file_size_code = static_cast<uint8_t>(scanned[3]);
  params.save_time = scanned[4] != 0;
  params.data_sequence = static_cast<uint8_t>(scanned[5]);
  params.auxiliary = static_cast<uint8_t>(scanned[6]);
}
// Into a TextBuilder or a HostText, as the two Put functions below.
template <class Out>
void PutFileOptions(Out& text, const CardFileParams& params) {
  text.Ints(params.internal_card, params.decimals, params.after_full, params.file_size_code,
            params.save_time, params.data_sequence, params.auxiliary);
}

// Segment C: record index, area code, index and count; a value that is
// missing keeps the one the parameters had.
void ReadOperandSegment(std::string_view span, CardFileParams& params);
template <class Out>
void PutOperandSegment(Out& text, const CardFileParams& params) {
  text.Ints(params.record_index, params.area_code, params.index, params.count);
}

// A free text of the parameter text without its double quotes, cut to its
// record field.
std::string CardText(std::string_view span, size_t width);

// The separator as text; a NUL separator writes nothing, which reads back
// as NUL again.
template <class Out>
void PutSeparator(Out& text, char separator) {
  if (separator != '\0') text.Char(separator);
}

// The record byte with the decimals in the low and the format in the high
// four bits.
uint8_t DecimalsAndFormat(uint8_t decimals, uint32_t format);

}  // namespace ostrevan
