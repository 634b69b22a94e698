#include <gtest/gtest.h>

#include "core/platform/code_page.h"

namespace ostrevan::platform {
namespace {

// The development build's fixed code page is Windows-1252.
TEST(CodePage, EveryByteIsOneCharacterAndComesBack) {
  for (int byte = 0; byte < 256; ++byte) {
    std::string text(1, static_cast<char>(byte));
    std::u16string units = MultiByteToUtf16(text);
    ASSERT_EQ(units.size(), 1u) << byte;
    EXPECT_EQ(Utf16ToMultiByte(units), text) << byte;
  }
}

TEST(CodePage, ConvertsTheSignsOfThePageAndMarksWhatItLacks) {
  const struct {
    const char* bytes;
    std::u16string units;
    bool both_ways;
  } cases[] = {
      {"Pump 1: OK", u"Pump 1: OK", true},
      {"\x80 \x8A\x9F", u"\u20AC \u0160\u0178", true},
      {"\xE9t\xE9 \xFC", u"\u00E9t\u00E9 \u00FC", true},
      {"\x81\x8D\x90", u"\u0081\u008D\u0090", true},  // unassigned: the control of the same value
      {"?=1", u"\u03A9=1", false},
      {"?", u"\u0080", false},                       // a control the page shows as the euro sign
      {"?", std::u16string{0xD83D, 0xDE00}, false},  // one character beyond 16 bits
      {"?a?", std::u16string{0xDE00, 'a', 0xD83D}, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf16ToMultiByte(c.units), c.bytes) << c.bytes;
    if (c.both_ways) EXPECT_EQ(MultiByteToUtf16(c.bytes), c.units) << c.bytes;
  }
}

TEST(CodePage, CutsNeverSplitACharacter) {
  EXPECT_EQ(CutMultiByte("abcdef", 4), "abcd");
  EXPECT_EQ(CutMultiByte("ab", 4), "ab");
  const std::u16string pair_at_3{'a', 'b', 0xD83D, 0xDE00, 'c'};
  EXPECT_EQ(CutUtf16(pair_at_3, 3), pair_at_3.substr(0, 2));
  EXPECT_EQ(CutUtf16(pair_at_3, 4), pair_at_3.substr(0, 4));
  EXPECT_EQ(CutUtf16(pair_at_3, 9), pair_at_3);
}

}  // namespace
}  // namespace ostrevan::platform
