// The configuration file reader: Function_Config on a file of fuzzed bytes,
// and the INI reader itself on the same bytes. The first line of the input
// names the section and the second the key that the INI reader looks up.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "core/app.h"
#include "core/platform/ini_reader.h"
#include "fuzz/fuzz_support.h"
#include "ostrevan/plugin.h"

using namespace ostrevan::fuzz;
using ostrevan::platform::FindIniValue;

namespace {

std::string_view TakeLine(std::string_view& text) {
  size_t end = text.find('\n');
  std::string_view line = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  return line;
}

std::string SwapCase(std::string_view text) {
  std::string swapped(text);
  for (char& c : swapped) {
    if (std::isalpha(static_cast<unsigned char>(c))) c = static_cast<char>(c ^ 0x20);
  }
  return swapped;
}

void ReadThroughExport(std::string_view contents) {
  std::string path = ScratchDirectory() + "fuzzed.ini";
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(contents.data(), static_cast<std::streamsize>(contents.size()));
  Check(Function_Config(path.c_str()) == 1, "Function_Config refused an existing file");
  for (const ostrevan::BlockTypeRow& row : ostrevan::App().block_types())
    Check(row.count == 0, "Function_Config left a count standing");
}

void ReadDirectly(std::string_view input) {
  std::string_view rest = input;
  std::string_view section = TakeLine(rest);
  std::string_view key = TakeLine(rest);
  std::optional<std::string> value = FindIniValue(rest, section, key);
  if (value) Check(value->size() <= 255, "an INI value longer than 255 characters");
  // Sections and keys match whatever their case.
  Check(FindIniValue(rest, SwapCase(section), SwapCase(key)) == value,
        "an INI lookup depends on the case of the section or key");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  ReadThroughExport(input);
  ReadDirectly(input);
  return 0;
}
