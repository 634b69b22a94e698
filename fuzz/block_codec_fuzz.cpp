// Text -> Function_Code -> Function_Decode -> Function_Code for every block
// type. The first input byte picks the type, the rest is the parameter text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_support.h"

using namespace ostrevan::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  SetUpPlugin();
  int type = data[0] % (kHighestTypeTried + 1);
  std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  Announced sizes = AnnouncedSizes(type);
  if (sizes.param == 0) {
    CheckRefused(type);
    return 0;
  }
  Coded first = CodeChecked(type, sizes, text);
  if (first.result != 1) return 0;

  std::string decoded = DecodeChecked(type, sizes, text, first.record);
  Coded second = CodeChecked(type, sizes, decoded);

  if (RoundTrips(type) && decoded.size() + 1 < sizes.param) {
    Check(second.result == 1, "the decoded text of a record did not code");
    Check(second.record == first.record, "decode and code again changed the record");
  }
  return 0;
}
