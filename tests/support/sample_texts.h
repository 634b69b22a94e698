// Parameter texts that a PLC programmer would really write, one per block
// type, filling every field the block has. The guard-page tests and the
// benchmarks use them; each block adds its row when it lands.
#pragma once

#include <string_view>

namespace ostrevan::testing {

struct SampleText {
  int type;
  std::string_view text;
};

inline constexpr SampleText kTypicalTexts[] = {
    {11, "A:1"},  // WIFI: station mode
};

// The typical text of a type, or empty when the type has none yet.
constexpr std::string_view TypicalText(int type) {
  for (const SampleText& sample : kTypicalTexts) {
    if (sample.type == type) return sample.text;
  }
  return {};
}

}  // namespace ostrevan::testing
