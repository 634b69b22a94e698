#include "core/param_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

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

struct SpanCase {
  const char* text;
  const char* key;
  const char* next;
  const char* span;  // nullptr: skipped
};

TEST(ParamText, FieldSpansRunToTheNextKey) {
  const SpanCase cases[] = {
      {"A:1,2,B:3", "A:", ",B:", "1,2"},
      {"A:1,2", "A:", ",B:", nullptr},         // closing key missing
      {"B:1", "A:", ",B:", nullptr},           // key missing
      {"A:,B:3", "A:", ",B:", nullptr},        // empty content
      {"A:1,B:2,C:9", "B:", "", "2,C:9"},      // to the end
      {",B:0,A:5", "A:", ",B:", nullptr},      // the next key only counts behind the key
      {"A:text with B: inside,B:1", "A:", ",B:", "text with B: inside"},
      {"A:text,B: inner,B:1", "B:", ",C:", nullptr},
  };
  for (const SpanCase& c : cases) {
    auto span = FieldSpan(c.text, c.key, c.next);
    if (c.span) {
      ASSERT_TRUE(span.has_value()) << c.text;
      EXPECT_EQ(*span, c.span) << c.text;
    } else {
      EXPECT_FALSE(span.has_value()) << c.text;
    }
  }
}

struct SplitCase {
  const char* text;
  size_t max;
  std::vector<std::string> pieces;
};

TEST(ParamText, SplitTextKeepsEmptyPiecesButNotAnEmptyRemainder) {
  const SplitCase cases[] = {
      {"", 5, {}},
      {"a", 5, {"a"}},
      {"a,b", 5, {"a", "b"}},
      {"a,,b", 5, {"a", "", "b"}},
      {"a,b,", 5, {"a", "b"}},
      {",", 5, {""}},
      {"a,b,c,d", 2, {"a", "b"}},
      {"a,b", 1, {"a"}},
  };
  for (const SplitCase& c : cases) EXPECT_EQ(SplitText(c.text, ',', c.max), c.pieces) << c.text;
  EXPECT_EQ(SplitText(std::string(150, 'x') + ",y", ',', 5),
            (std::vector<std::string>{std::string(99, 'x'), "y"}));
}

TEST(ParamText, SplitPiecesViewsWhatSplitTextCopies) {
  for (const std::string& text :
       std::vector<std::string>{"", "a", "a,,b", "a,b,", ",", "a,b,c,d", "1,2,3,4,5,6,7",
                                std::string(150, 'x') + ",y,"}) {
    const std::vector<std::string> copies = SplitText(text, ',', 3);
    const TextPieces<3> views = SplitPieces<3>(text, ',');
    ASSERT_EQ(views.size(), copies.size()) << text;
    for (size_t i = 0; i < copies.size(); ++i) EXPECT_EQ(views[i], copies[i]) << text;
  }
}

struct ScanCase {
  const char* text;
  size_t count;
  std::array<int32_t, 4> values;
};

TEST(ParamText, ScansIntegersLikeScanf) {
  const ScanCase cases[] = {
      {"1,2,3,4", 4, {1, 2, 3, 4}},
      {"10", 1, {10, 0, 0, 0}},
      {" -5,+6,7x,8", 3, {-5, 6, 7, 0}},
      {"1, 2", 2, {1, 2, 0, 0}},       // %d skips blanks before a number
      {"1 ,2", 1, {1, 0, 0, 0}},       // but the separator must follow directly
      {"x,1", 0, {0, 0, 0, 0}},
      {"4294967297,-1", 2, {1, -1, 0, 0}},  // wraps like a 32-bit accumulator
      {"", 0, {0, 0, 0, 0}},
      {"1,,3", 1, {1, 0, 0, 0}},
  };
  for (const ScanCase& c : cases) {
    ScannedInts<4> scanned = ScanInts<4>(c.text);
    EXPECT_EQ(scanned.count, c.count) << c.text;
    EXPECT_EQ(scanned.values, c.values) << c.text;
  }
  ScannedInts<4> ip = ScanInts<4>("192.168.0.21", '.');
  EXPECT_EQ(ip.values, (std::array<int32_t, 4>{192, 168, 0, 21}));
}

TEST(ParamText, LeadingIntAndQuotes) {
  EXPECT_EQ(LeadingInt("  42abc"), 42);
  EXPECT_EQ(LeadingInt("-7"), -7);
  EXPECT_EQ(LeadingInt("abc"), 0);
  EXPECT_EQ(LeadingInt(""), 0);
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

// The plug-in writes numbers without formatted I/O; they must be what %d writes.
TEST(ParamText, DecimalIsWhatPercentDWrites) {
  for (int32_t value : {0, 7, -1, 10, 255, -99999, INT32_MAX, INT32_MIN}) {
    std::string text = "A:";
    AppendDecimal(text, value);
    EXPECT_EQ(text, Format("A:%d", value));
  }
}

TEST(ParamText, FormatsLongTexts) {
  EXPECT_EQ(Format("%s:%d", std::string(300, 'z').c_str(), 5).size(), 302u);
  EXPECT_EQ(FormatIpv4({192, 168, 0, 21}), "192.168.0.21");
}

}  // namespace
}  // namespace ostrevan
