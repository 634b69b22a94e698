// The inputs of a fuzz target's corpus (fuzz/corpus/<target>), for tests
// that replay them in their own way.
#pragma once

#include <string>
#include <vector>

namespace ostrevan::testing {

struct CorpusFile {
  std::string name;
  std::string bytes;
};

// Sorted by name; empty when the directory is missing.
std::vector<CorpusFile> ReadCorpus(const std::string& target);

// The parameter texts of the block_codec corpus: each file without its
// first byte (the type). `prefix` keeps only the files named with it, such
// as "hostile_" for the texts written to hurt.
std::vector<std::string> BlockCodecTexts(const std::string& prefix = "");

}  // namespace ostrevan::testing
