// The parameter texts of the block_codec fuzz corpus (fuzz/corpus/block_codec),
// for tests that replay them in their own way.
#pragma once

#include <string>
#include <vector>

namespace ostrevan::testing {

// Each file without its first byte (the type), in the order of the file
// names; `prefix` keeps only the files named with it, such as "hostile_"
// for the texts written to hurt. Empty when the directory is missing.
std::vector<std::string> BlockCodecTexts(const std::string& prefix = "");

}  // namespace ostrevan::testing
