// Runs a fuzz target's body over files and directories of inputs, so that
// every build replays the corpus and the regressions without libFuzzer.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void ReplayFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // A copy of exactly the input's length, as libFuzzer hands it over.
  std::vector<uint8_t> exact(bytes);
  LLVMFuzzerTestOneInput(exact.data(), exact.size());
}

// Notes kept beside the inputs, not inputs themselves.
bool IsNote(const std::filesystem::path& path) {
  return path.extension() == ".md" || path.filename().string().front() == '.';
}

}  // namespace

int main(int argc, char** argv) {
  size_t replayed = 0;
  for (int i = 1; i < argc; ++i) {
    std::filesystem::path path = argv[i];
    if (std::filesystem::is_directory(path)) {
      for (const auto& entry : std::filesystem::recursive_directory_iterator(path)) {
        if (!entry.is_regular_file() || IsNote(entry.path())) continue;
        ReplayFile(entry.path());
        ++replayed;
      }
    } else if (std::filesystem::is_regular_file(path)) {
      ReplayFile(path);
      ++replayed;
    }
  }
  std::printf("replayed %zu inputs\n", replayed);
  return replayed > 0 ? 0 : 1;
}
