#include <gtest/gtest.h>

#include "core/param_text.h"
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

TEST(CodePage, ConvertsAsciiAndTheSignsOfThePage) {
  const struct {
    const char* bytes;
    std::u16string units;
  } cases[] = {
      {"Pump 1: OK", u"Pump 1: OK"},
      {"\x80 \x8A\x9F", u"\u20AC \u0160\u0178"},
      {"\xE9t\xE9 \xFC", u"\u00E9t\u00E9 \u00FC"},
      {"\x81\x8D\x90", u"\u0081\u008D\u0090"},  // unassigned: the control of the same value
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MultiByteToUtf16(c.bytes), c.units) << c.bytes;
    EXPECT_EQ(Utf16ToMultiByte(c.units), c.bytes) << c.bytes;
  }
}

TEST(CodePage, CharactersThePageLacksBecomeQuestionMarks) {
  const struct {
    std::u16string units;
    const char* bytes;
  } cases[] = {
      {u"\u03A9=1", "?=1"},
      {u"\u0080", "?"},                       // a control the page shows as the euro sign
      {std::u16string{0xD83D, 0xDE00}, "?"},  // one character beyond 16 bits
      {std::u16string{0xDE00, 'a', 0xD83D}, "?a?"},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf16ToMultiByte(c.units), c.bytes);
}

TEST(CodePage, CutsNeverSplitACharacter) {
  EXPECT_EQ(CutMultiByte("abcdef", 4), "abcd");
  EXPECT_EQ(CutMultiByte("ab", 4), "ab");
  EXPECT_EQ(CutMultiByte("ab", 0), "");
  const std::u16string pair_at_3{'a', 'b', 0xD83D, 0xDE00, 'c'};
  EXPECT_EQ(CutUtf16(pair_at_3, 3), pair_at_3.substr(0, 2));
  EXPECT_EQ(CutUtf16(pair_at_3, 4), pair_at_3.substr(0, 4));
  EXPECT_EQ(CutUtf16(pair_at_3, 9), pair_at_3);
}

TEST(ParamText, SpanRunsToTheNextKeyOrToTheEnd) {
  const struct {
    const char* text;
    const char* key;
    const char* next;
    std::optional<std::string_view> span;
  } cases[] = {
      {"A:1,G:x,H:y", ",G:", ",H:", "x"},
      {"A:1,G:x,y", ",G:", ",H:", "x,y"},
      {"A:1,G:", ",G:", ",H:", std::nullopt},
      {"A:1,G:,H:y", ",G:", ",H:", std::nullopt},
      {"A:1", ",G:", ",H:", std::nullopt},
      {"A:1,H:y,G:x", ",G:", ",H:", "x"},  // a next key before the key does not end it
  };
  for (const auto& c : cases) EXPECT_EQ(FieldSpanOrRest(c.text, c.key, c.next), c.span) << c.text;
}

}  // namespace
}  // namespace ostrevan::platform
