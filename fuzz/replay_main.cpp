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

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    if (fs::is_regular_file(argv[i])) inputs.emplace_back(argv[i]);
    if (!fs::is_directory(argv[i])) continue;
    for (const auto& entry : fs::recursive_directory_iterator(argv[i])) {
      // Notes kept beside the inputs are no inputs.
      const std::string name = entry.path().filename().string();
      if (entry.is_regular_file() && entry.path().extension() != ".md" && name.front() != '.')
        inputs.push_back(entry.path());
    }
  }
  for (const fs::path& path : inputs) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> read((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    const std::vector<uint8_t> exact(read);  // exactly the input's length, as libFuzzer gives it
    LLVMFuzzerTestOneInput(exact.data(), exact.size());
  }
  std::printf("replayed %zu inputs\n", inputs.size());
  return inputs.empty() ? 1 : 0;
}
