// The quick paths of the grammar must give exactly what the library paths
// they replace give: numbers as %d writes them, keys where find finds them.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

#include "core/param_text.h"
#include "core/text_builder.h"

namespace ostrevan {
namespace {

TEST(TextBuilder, WritesNumbersAsPrintfDoes) {
  for (int32_t value : {0, 9, 10, -1, -9, 99, 100, 255, 65535, -99999, INT_MIN, INT_MAX}) {
    std::string text = "A:";
    AppendDecimal(text, value);
    EXPECT_EQ(text, Format("A:%d", value));
    EXPECT_EQ(TextBuilder().Int(value).view(), Format("%d", value));
  }
  std::string text = "A:1";
  AppendFormat(text, ",B:%d,%s", -2, std::string(300, 'z').c_str());  // past the stack buffer
  EXPECT_EQ(text, "A:1,B:-2," + std::string(300, 'z'));
  EXPECT_EQ(FormatIpv4({192, 168, 0, 21}), "192.168.0.21");
}

TEST(TextBuilder, KeepsTextsLongerThanItsBuffer) {
  // Pieces that end just before, at, and across the end of the buffer, and
  // single characters and numbers once the text has moved to the heap.
  for (size_t lead : {kMaxParamText - 1, kMaxParamText, kMaxParamText + 1, kMaxParamText + 5}) {
    for (size_t piece : {size_t{0}, size_t{1}, size_t{2}, size_t{3000}}) {
      const std::string first(lead, 'a'), second(piece, 'b');
      TextBuilder text;
      text.Text(first).Text(second).Char(',').Int(-12).Char('x');
      EXPECT_EQ(text.str(), first + second + ",-12x") << lead << "+" << piece;
    }
  }
  TextBuilder chars;
  std::string expected;
  for (size_t i = 0; i < 3 * kMaxParamText; ++i) {
    chars.Char(static_cast<char>('a' + i % 26));
    expected.push_back(static_cast<char>('a' + i % 26));
  }
  EXPECT_EQ(chars.view(), expected);
}

TEST(FindKey, FindsWhatStringViewFindFinds) {
  // Texts and keys of the grammar's own characters, where near misses abound,
  // characters that the comma index leaves out, one of them a comma with its
  // top bit set; short texts and texts past the indexed length.
  std::mt19937 random(7);
  const std::string alphabet = ",,,G1:A2\xC4\xAC";
  auto draw = [&](size_t length) {
    std::string text;
    for (size_t i = 0; i < length; ++i) text.push_back(alphabet[random() % alphabet.size()]);
    return text;
  };
  for (int round = 0; round < 20000; ++round) {
    const size_t length = round % 50 ? random() % 40 : kMaxParamText - 2 + round % 2000;
    const std::string text = draw(length), key = draw(random() % 5);
    const size_t from = random() % (length + 3);
    const size_t expected = std::string_view(text).find(key, from);
    ASSERT_EQ(FindKey(text, key, from), expected)
        << "text \"" << text << "\" key \"" << key << "\" from " << from;
    ASSERT_EQ(KeyedText(text).Find(key, from), expected)
        << "indexed text \"" << text << "\" key \"" << key << "\" from " << from;
  }
}

TEST(KeyedText, NumberedKeysAreFoundWhereFindFindsThem) {
  // Item-like texts with near misses: leading zeros, numbers past the count,
  // missing colons, repeated keys; and a letter the index leaves out.
  std::mt19937 random(11);
  const char* const pieces[] = {",G1:", ",G2:", ",G12:", ",G13:", ",G01:", ",G1", ",G", "1:",
                                ",H2:", ",G9:", ",G99999999999:", "x", ",", ":", ",\xC4" "1:"};
  for (int round = 0; round < 5000; ++round) {
    std::string text;
    for (size_t n = random() % 12; n > 0; --n) text += pieces[random() % std::size(pieces)];
    for (const std::string& tested : {text, text + std::string(kMaxParamText, 'y')}) {
      for (char letter : {'G', '\xC4'}) {
        size_t first[13];
        KeyedText(tested).FindNumberedKeys(letter, first, std::size(first));
        for (size_t n = 1; n <= std::size(first); ++n) {
          const std::string key = std::string(",") + letter + std::to_string(n) + ":";
          ASSERT_EQ(first[n - 1], std::string_view(tested).find(key)) << tested << " " << key;
        }
      }
    }
  }
}

}  // namespace
}  // namespace ostrevan
