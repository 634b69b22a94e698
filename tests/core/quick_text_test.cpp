// The quick paths of the grammar must give exactly what the library paths
// they replace give: FindKey searches keys its own way.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <random>
#include <string>

#include "core/param_text.h"
#include "core/text_builder.h"

namespace ostrevan {
namespace {

TEST(Format, AppendsBehindTheText) {
  std::string text = "A:1";
  AppendFormat(text, ",B:%d,%s", -2, "x");
  AppendFormat(text, ",C:%s", std::string(300, 'z').c_str());  // past the stack buffer
  EXPECT_EQ(text, "A:1,B:-2,x,C:" + std::string(300, 'z'));
}

TEST(TextBuilder, WritesNumbersAsPrintfDoes) {
  for (int32_t value : {0, 9, 10, -1, -9, 99, 100, 255, 65535, INT_MIN, INT_MAX}) {
    char expected[16];
    std::snprintf(expected, sizeof expected, "%d", value);
    TextBuilder text;
    EXPECT_EQ(text.Int(value).view(), expected);
  }
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
  // top bit set.
  std::mt19937 random(7);
  const std::string alphabet = ",,,G1:A2\xC4\xAC";
  auto draw = [&](size_t length) {
    std::string text;
    for (size_t i = 0; i < length; ++i) text.push_back(alphabet[random() % alphabet.size()]);
    return text;
  };
  for (int round = 0; round < 20000; ++round) {
    const std::string text = draw(random() % 40), key = draw(random() % 5);
    const size_t from = random() % 42;
    const size_t expected = std::string_view(text).find(key, from);
    ASSERT_EQ(FindKey(text, key, from), expected)
        << "text \"" << text << "\" key \"" << key << "\" from " << from;
    ASSERT_EQ(KeyedText(text).Find(key, from), expected)
        << "indexed text \"" << text << "\" key \"" << key << "\" from " << from;
  }
}

TEST(KeyedText, NumberedKeysAreFoundWhereFindFindsThem) {
  // Item-like texts with near misses: leading zeros, numbers past the count,
  // missing colons, repeated keys.
  std::mt19937 random(11);
  const char* const pieces[] = {",G1:", ",G2:", ",G12:", ",G13:",          ",G01:", ",G1", ",G",
                                "1:",   ",H2:", ",G9:",  ",G99999999999:", "x",     ",",   ":"};
  for (int round = 0; round < 5000; ++round) {
    std::string text;
    for (size_t n = random() % 12; n > 0; --n) text += pieces[random() % std::size(pieces)];
    for (const std::string& tested : {text, text + std::string(kMaxParamText, 'y')}) {
      size_t first[13];
      KeyedText(tested).FindNumberedKeys('G', first, std::size(first));
      for (size_t n = 1; n <= std::size(first); ++n) {
        const std::string key = ",G" + std::to_string(n) + ":";
        ASSERT_EQ(first[n - 1], std::string_view(tested).find(key)) << tested << " " << key;
      }
    }
  }
}

TEST(KeyedText, NumberedKeysOfALetterOutsideTheIndexAreSearchedPlainly) {
  size_t first[3];
  KeyedText(
      ",\xC4"
      "2:,\xC4"
      "1:,\xC4"
      "2:")
      .FindNumberedKeys('\xC4', first, std::size(first));
  EXPECT_EQ(first[0], 4u);
  EXPECT_EQ(first[1], 0u);
  EXPECT_EQ(first[2], kNotFound);
}

TEST(KeyedText, FindsKeysInTextsAtAndPastTheIndexedLength) {
  for (size_t length : {kMaxParamText, kMaxParamText + 1, kMaxParamText + 2, size_t{3000}}) {
    std::string text(length, 'x');
    text.replace(length - 4, 4, ",G1:");
    text.replace(0, 4, ",G2:");
    const KeyedText keyed(text);
    EXPECT_EQ(keyed.Find(",G1:"), length - 4) << length;
    EXPECT_EQ(keyed.Find(",G2:"), 0u) << length;
    EXPECT_EQ(keyed.Find(",G2:", 1), kNotFound) << length;
    EXPECT_EQ(keyed.Find(",G1:", length), kNotFound) << length;
    EXPECT_EQ(keyed.Find(",G1:", length + 1), kNotFound) << length;
  }
}

}  // namespace
}  // namespace ostrevan
