#include "support/corpus.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace ostrevan::testing {

std::vector<CorpusFile> ReadCorpus(const std::string& target) {
  std::vector<CorpusFile> files;
  std::error_code error;
  for (const auto& entry :
       std::filesystem::directory_iterator(OSTREVAN_SOURCE_DIR "/fuzz/corpus/" + target, error)) {
    std::ifstream in(entry.path(), std::ios::binary);
    files.push_back({entry.path().filename().string(),
                     std::string(std::istreambuf_iterator<char>(in), {})});
  }
  std::sort(files.begin(), files.end(),
            [](const CorpusFile& a, const CorpusFile& b) { return a.name < b.name; });
  return files;
}

std::vector<std::string> BlockCodecTexts(const std::string& prefix) {
  std::vector<std::string> texts;
  for (const CorpusFile& file : ReadCorpus("block_codec")) {
    if (file.name.rfind(prefix, 0) == 0 && !file.bytes.empty())
      texts.push_back(file.bytes.substr(1));
  }
  return texts;
}

}  // namespace ostrevan::testing
