#include "support/corpus.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace ostrevan::testing {

std::vector<std::string> BlockCodecTexts(const std::string& prefix) {
  std::map<std::string, std::string> texts;  // by file name
  std::error_code error;
  for (const auto& entry :
       std::filesystem::directory_iterator(OSTREVAN_SOURCE_DIR "/fuzz/corpus/block_codec", error)) {
    const std::string name = entry.path().filename().string();
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    if (name.rfind(prefix, 0) == 0 && !bytes.empty()) texts[name] = bytes.substr(1);
  }
  std::vector<std::string> sorted;
  for (const auto& [name, text] : texts) sorted.push_back(text);
  return sorted;
}

}  // namespace ostrevan::testing
