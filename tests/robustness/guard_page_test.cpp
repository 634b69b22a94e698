// Every block type, through the exports, with its text and record buffers
// of exactly the announced sizes against a no-access page: any read or write
// past either end faults. The texts are the block_codec fuzz corpus (its
// hostile_* seeds are the worst of them).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "ostrevan/plugin.h"
#include "support/corpus.h"
#include "support/plugin_fixture.h"
#include "support/sample_texts.h"

namespace ostrevan::testing {
namespace {

class GuardPage : public ::testing::TestWithParam<std::tuple<int, GuardSide>> {
 protected:
  void SetUp() override {
    ASSERT_GT(Function_ParamLength(type(), &param_size_), 0);
    Function_CodeLength(type(), &code_size_);
    Configure(1000);
  }

  int type() const { return std::get<0>(GetParam()); }
  GuardSide side() const { return std::get<1>(GetParam()); }

  // One Function_Code; the record's bytes when it answered 1.
  std::vector<uint8_t> Code(const std::string& source) {
    ExactBuffer text(param_size_, source, side());
    ExactBuffer record(code_size_, {}, side());
    uint32_t length = 0xFFFFFFFFu;
    Function_CodeStart(0);
    int result = Function_Code(type(), text.text(), record.bytes(), &length);
    EXPECT_TRUE(result == 0 || result == 1) << result;
    if (result != 1) return {};
    EXPECT_LE(length, code_size_) << "for text " << source.substr(0, 60);
    length = std::min(length, code_size_);
    return std::vector<uint8_t>(record.bytes(), record.bytes() + length);
  }

  // One Function_Decode of `record` cut to `length`, over `source`.
  void Decode(const std::string& source, const std::vector<uint8_t>& record, size_t length) {
    ExactBuffer text(param_size_, source, side());
    ExactBuffer bytes(length, {}, side());
    bytes.SetBytes(record.data(), std::min(length, record.size()));
    int result = Function_Decode(type(), text.text(), bytes.bytes(), static_cast<uint32_t>(length));
    EXPECT_GE(result, 0);
    EXPECT_TRUE(text.Terminated()) << "no NUL inside the text buffer";
  }

  uint32_t param_size_ = 0;
  uint32_t code_size_ = 0;
};

TEST_P(GuardPage, CodesEveryTextWithinItsBuffers) {
  std::vector<std::string> texts = BlockCodecTexts();
  ASSERT_GT(texts.size(), 20u);
  texts.emplace_back(TypicalText(type()));
  texts.push_back(DefaultText(type()));
  // A text that fills its buffer to the last byte before the NUL.
  std::string full;
  while (full.size() < param_size_ - 1) full += texts.back() + ",";
  texts.push_back(full.substr(0, param_size_ - 1));
  for (const std::string& text : texts) Code(text);
}

TEST_P(GuardPage, DecodesEveryRecordWithinItsBuffers) {
  std::mt19937 random(static_cast<unsigned>(type()));
  std::vector<uint8_t> noise(code_size_);
  for (uint8_t& byte : noise) byte = static_cast<uint8_t>(random());
  const std::vector<std::vector<uint8_t>> records = {
      std::vector<uint8_t>(code_size_, 0x00),
      std::vector<uint8_t>(code_size_, 0xFF),
      noise,
      Code(DefaultText(type())),
      Code(std::string(TypicalText(type()))),
  };
  std::vector<std::string> texts = {DefaultText(type()), ""};
  for (const char* name : {"hostile_any_bytes", "hostile_keys_only"})
    texts.push_back(BlockCodecTexts(name).at(0));
  // Every cut of a small record; of a large one the short cuts, a stride
  // through the middle and the long cuts.
  for (const std::vector<uint8_t>& record : records) {
    for (size_t length = 0; length <= code_size_; ++length) {
      const bool cut = code_size_ <= 600 || length < 80 || length + 80 > code_size_;
      if (!(cut || length % 97 == 0) || (length > record.size() && length != code_size_)) continue;
      for (const std::string& text : texts) Decode(text, record, length);
    }
  }
}

constexpr GuardSide kSides[] = {GuardSide::kBehind, GuardSide::kInFront};
INSTANTIATE_TEST_SUITE_P(
    AllBlockTypes, GuardPage, ::testing::Combine(::testing::Range(1, 13), ::testing::ValuesIn(kSides)),
    [](const auto& info) {
      return "type" + std::to_string(std::get<0>(info.param)) +
             (std::get<1>(info.param) == GuardSide::kBehind ? "_guard_behind" : "_guard_in_front");
    });

}  // namespace
}  // namespace ostrevan::testing
