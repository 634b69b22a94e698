// Raw record bytes -> Function_Decode for every block type, as when a
// program is read back from a PLC. The first byte picks the type, the second
// whether the text buffer starts with the default text or empty; the rest,
// cut to the announced record size, is the record.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "ostrevan/plugin.h"

using namespace ostrevan::fuzz;

namespace {

std::string DefaultText(int type, const Announced& sizes) {
  ExactBuffer param(sizes.param);
  Check(Function_Default(type, param.text()) == 1, "Function_Default did not answer 1");
  return CheckedText(param, "Function_Default left no NUL inside the text buffer");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  SetUpPlugin();
  int type = data[0] % (kHighestTypeTried + 1);
  bool start_from_default = (data[1] & 1) != 0;

  Announced sizes = AnnouncedSizes(type);
  if (sizes.param == 0) {
    CheckRefused(type);
    return 0;
  }
  size_t length = std::min<size_t>(size - 2, sizes.code);
  std::vector<uint8_t> record(data + 2, data + 2 + length);
  std::string text = start_from_default ? DefaultText(type, sizes) : std::string();

  std::string decoded = DecodeChecked(type, sizes, text, record);
  // Whatever a record held, its text codes within the announced size.
  CodeChecked(type, sizes, decoded);
  return 0;
}
