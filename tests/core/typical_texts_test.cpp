// The typical text of every block type, as a user writes it, through its
// record and back: the values are all in range, so whatever the record
// carries must come back, whether or not the type survives the fuzzer's
// round trip for any text at all.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/plugin_fixture.h"
#include "support/sample_texts.h"

namespace ostrevan::testing {
namespace {

TEST(TypicalTexts, EveryTypeHasOne) {
  for (int type = 1; type <= 12; ++type) EXPECT_FALSE(TypicalText(type).empty()) << type;
}

TEST(TypicalTexts, ComeBackThroughTheirRecords) {
  for (const SampleText& sample : kTypicalTexts) {
    SCOPED_TRACE(sample.type);
    const std::string text(sample.text);
    std::vector<uint8_t> record = CodeAlone(sample.type, text);
    ASSERT_FALSE(record.empty());
    int result = 0;
    std::string decoded = DecodeBlock(sample.type, text, record, &result);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(Hex(CodeAlone(sample.type, decoded)), Hex(record));
  }
}

}  // namespace
}  // namespace ostrevan::testing
