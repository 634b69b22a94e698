// The block exports as the host calls them, with the checks that hold for
// every block type: results in range, nothing written past the announced
// sizes, texts NUL-terminated inside their buffers, reported lengths within
// the announced record size, files written only where they belong.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_support.h"

namespace ostrevan::fuzz {

struct CodeResult {
  int result = 0;
  std::vector<uint8_t> record;  // the reported length's bytes when result is 1
};

// Function_CodeStart, then one Function_Code of `text` (cut to the announced
// text size) into a record buffer of the announced size.
CodeResult CodeChecked(int type, const Announced& sizes, std::string_view text);

// Function_Decode of exactly `record` into a text buffer of the announced
// size that holds `text` beforehand; returns the text it leaves there.
std::string DecodeChecked(int type, const Announced& sizes, std::string_view text,
                          const std::vector<uint8_t>& record);

// A type the plug-in does not build answers 0 everywhere and writes nothing.
void CheckRefused(int type);

}  // namespace ostrevan::fuzz
