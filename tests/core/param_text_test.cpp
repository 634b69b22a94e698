// The parameter-text grammar: fields, pieces and numbers as the library
// calls the plug-in replaces would read and write them. (That the quick key
// search finds what find finds is the grammar fuzz target's to show.)
#include "core/param_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "core/host_text.h"
#include "core/text_builder.h"

namespace ostrevan {
namespace {

TEST(ParamText, FindsKeysBySubstring) {
  EXPECT_EQ(FindField("A:1,B:2", "B:"), 6u);
  EXPECT_EQ(FindField("A:1,B:2", "C:"), kNotFound);
  EXPECT_EQ(FindField("A:x B:y", "B:"), 6u);  // free text holding a key is a key
  // keys are cut to nine characters, as the formatting buffer holds ten bytes
  EXPECT_EQ(FindField("xx,G1234567:", ",G12345678:"), 11u);
}

// Each span over the plain text and over its key index alike.
TEST(ParamText, FieldSpansRunToTheNextKeyOrToTheEnd) {
  const struct {
    bool or_rest;
    const char* text;
    const char* key;
    const char* next;
    std::optional<std::string_view> span;  // nullopt: skipped
  } cases[] = {
      {false, "A:1,2,B:3", "A:", ",B:", "1,2"},
      {false, "A:1,2", "A:", ",B:", std::nullopt},   // closing key missing
      {false, "B:1", "A:", ",B:", std::nullopt},     // key missing
      {false, "A:1,B:2,C:9", "B:", "", "2,C:9"},     // to the end
      {false, ",B:0,A:5", "A:", ",B:", std::nullopt},  // the next key only counts behind the key
      {false, "A:text with B: inside,B:1", "A:", ",B:", "text with B: inside"},
      {false, "A:text,B: inner,B:1", "B:", ",C:", std::nullopt},
      {true, "A:1,G:x,H:y", ",G:", ",H:", "x"},
      {true, "A:1,G:x,y", ",G:", ",H:", "x,y"},
      {true, "A:1,G:", ",G:", ",H:", std::nullopt},
      {true, "A:1,G:,H:y", ",G:", ",H:", std::nullopt},
      {true, "A:1,H:y,G:x", ",G:", ",H:", "x"},
  };
  for (const auto& c : cases) {
    const KeyedText keyed(c.text);
    EXPECT_EQ(c.or_rest ? FieldSpanOrRest(c.text, c.key, c.next) : FieldSpan(c.text, c.key, c.next),
              c.span) << c.text;
    EXPECT_EQ(c.or_rest ? FieldSpanOrRest(keyed, c.key, c.next) : FieldSpan(keyed, c.key, c.next),
              c.span) << "indexed " << c.text;
  }
}

// SplitPieces views what SplitText copies.
TEST(ParamText, SplitTextKeepsEmptyPiecesButNotAnEmptyRemainder) {
  const struct {
    std::string text;
    size_t max;
    std::vector<std::string> pieces;
  } cases[] = {
      {"", 3, {}},
      {"a,,b", 3, {"a", "", "b"}},
      {"a,b,", 3, {"a", "b"}},
      {",", 3, {""}},
      {"a,b,c,d", 2, {"a", "b"}},
      {"a,b,c,d", 3, {"a", "b", "c"}},
      {std::string(150, 'x') + ",y,", 3, {std::string(99, 'x'), "y"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SplitText(c.text, ',', c.max), c.pieces) << c.text;
    if (c.max != 3) continue;
    const TextPieces<3> views = SplitPieces<3>(c.text, ',');
    ASSERT_EQ(views.size(), c.pieces.size()) << c.text;
    for (size_t i = 0; i < views.size(); ++i) EXPECT_EQ(views[i], c.pieces[i]) << c.text;
  }
}

TEST(ParamText, ScansIntegersLikeScanf) {
  const struct {
    const char* text;
    size_t count;
    std::array<int32_t, 4> values;
  } cases[] = {
      {"1,2,3,4", 4, {1, 2, 3, 4}},
      {" -5,+6,7x,8", 3, {-5, 6, 7, 0}},
      {"1, 2", 2, {1, 2, 0, 0}},       // %d skips blanks before a number
      {"1 ,2", 1, {1, 0, 0, 0}},       // but the separator must follow directly
      {"x,1", 0, {0, 0, 0, 0}},
      {"4294967297,-1", 2, {1, -1, 0, 0}},  // wraps like a 32-bit accumulator
      {"1,,3", 1, {1, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    ScannedInts<4> scanned = ScanInts<4>(c.text);
    EXPECT_EQ(scanned.count, c.count) << c.text;
    EXPECT_EQ(scanned.values, c.values) << c.text;
  }
  EXPECT_EQ(ScanInts<4>("192.168.0.21", '.').values, (std::array<int32_t, 4>{192, 168, 0, 21}));
  EXPECT_EQ(LeadingInt("  42abc"), 42);
  EXPECT_EQ(LeadingInt("-7"), -7);
  EXPECT_EQ(LeadingInt("abc"), 0);
  EXPECT_EQ(RemoveQuotes("\"a\"b\"\""), "ab");
}

TEST(ParamText, HostTextsAreReadAndWrittenWithinTheirBuffers) {
  std::string long_text(2000, 'q');
  EXPECT_EQ(ReadParamText(long_text.c_str()).size(), 1023u);  // the host's text is cut at 1023
  EXPECT_EQ(ReadParamText(nullptr), "");

  char buffer[8];
  std::fill(std::begin(buffer), std::end(buffer), '#');
  EXPECT_EQ(WriteParamText(buffer, "A:1,B:22", 5), 1);
  EXPECT_EQ(std::string(buffer, 6), std::string("A:1,\0#", 6));
  EXPECT_EQ(WriteParamText(buffer, "x", 0), 1);  // nothing fits, nothing written
  EXPECT_EQ(buffer[0], 'A');
  EXPECT_EQ(WriteParamText(nullptr, "x", 5), 1);
}

// Printed straight into the host's buffer, a text is cut where
// WriteParamText cuts it, whether its pieces find room for all of them at
// once or not.
TEST(HostText, CutsWhereWriteParamTextCuts) {
  const std::string free_text(30, 'f');
  const auto print = [&](auto& out) {
    out.Text("A:").Ints(7, -12, 1884).Texts(",B:", free_text, ",C:", std::string_view(), ",D:");
    out.template Ints<'.'>(192, 168, 0, 21);
  };
  TextBuilder whole;
  print(whole);
  for (size_t capacity = 1; capacity <= whole.view().size() + 2; ++capacity) {
    std::vector<char> expected(capacity + 1, '#'), printed(capacity + 1, '#');
    WriteParamText(expected.data(), whole.view(), static_cast<uint32_t>(capacity));
    HostText text(printed.data(), capacity);
    print(text);
    EXPECT_EQ(text.Finish(), 1);
    EXPECT_EQ(printed, expected) << capacity;
  }
}

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
  // Pieces that end just before, at, and across the end of the buffer, then
  // a character, a number and another character, on the heap or not.
  for (size_t lead : {kMaxParamText - 1, kMaxParamText, kMaxParamText + 1, kMaxParamText + 5}) {
    for (size_t piece : {size_t{0}, size_t{1}, size_t{2}, size_t{3000}}) {
      const std::string first(lead, 'a'), second(piece, 'b');
      TextBuilder text;
      text.Text(first).Text(second).Char(',').Int(-12).Char('x');
      EXPECT_EQ(text.str(), first + second + ",-12x") << lead << "+" << piece;
    }
  }
}

}  // namespace
}  // namespace ostrevan
