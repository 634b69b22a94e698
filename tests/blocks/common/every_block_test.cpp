// What every block type answers alike through the exports: the sizes it
// announces, its default text, the instance index in its head, and no
// record once the project's total is reached. (Any text and any record
// within the buffers: the guard-page tests and the fuzz targets.)
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "core/factory.h"
#include "ostrevan/plugin.h"
#include "support/plugin_fixture.h"
#include "support/sample_texts.h"

namespace ostrevan::testing {
namespace {

struct BlockRow {
  int type;
  uint32_t param_length, code_length;
  const char* default_text;  // Memory Read and Write date theirs by the clock
  const char* head_at_1025;  // index little-endian, status reference 1025 & 0x3FF
};

const BlockRow kBlocks[] = {
    {1, 100, 100, "A:0,1,5,B:9600,8,1,N,C:,D:1,1,1,0,E:176,0,1,1", "01 04 81 00 00 00 00 00 01 00 00"},
    {2, 80, 55, "A:1,0,0,0,0,0,0,B: ,C:1,176,0,1,D:0,1,E:26120414,F:", "01 04 44 00 00 00 00 00 01 00 00"},
    {3, 100, 60, "A:1,0,0,0,1,0,1,1,0,B: ,C:0,176,0,1,D:26120414,E:", "01 04 43 00 00 00 00 00 01 00 00"},
    {4, 200, 150, "A:5,1,0,0,5010,B:192.168.0.21", "01 04 49 00 00 00 01 00 00"},
    {5, 440, 300, "A:30,30,10,0,160,0,0,0,0,B:1,0,1,C:,D:,E:,F:", "01 04 84 00 00 00 00 00 01 00 01 03 00"},
    {6, 1024, 1024, "A:30,30,10,0,0,B:1,0,1,C:,D:,E:,F:", "01 04 83 00 00 00 00 00 01 00 01 02 00"},
    {7, 1024, 10240, "A:30,10,0,1884,1,0,0,0,0,B:,C:,D:,E:0.0.0.0,F:,G:,H:,I:", "01 04 8B 00 00 00 01 00 01 01 00"},
    {8, 255, 155, "A:0,8,0,B:,C:,D:,E:,F:", "01 04 90 00 00 00 01 01 00"},
    {9, 512, 512, "A:1,0,1,0,8,0,0,0,0,B:,C:,D:,E:,F:,G:,H:,", "01 04 45 00 00 00 00 00 01 01 00"},
    {10, 512, 512, "A:1,0,0,1,0,8,0,B:,C:,D:,E:,F:,G:,,H:,,,,,,,", "01 04 46 00 00 00 01 00 00"},
    {11, 5, 20, "A:0", "01 04 76 00 00 00 01 01 00"},
    {12, 200, 150, "A:1,0,10,B:0,C:,D:1,1,15,1,E:0,176,0,1,1", "01 04 48 00 00 00 00 00 01 01 00"},
};

TEST(EveryBlock, AnnouncesItsSizesAndDefaultText) {
  FixedClock clock({2026, 12, 4, 14, 59, 30, 0});
  for (const BlockRow& b : kBlocks) {
    SCOPED_TRACE(b.type);
    uint32_t length = 0;
    EXPECT_EQ(Function_ParamLength(b.type, &length), static_cast<int>(b.param_length));
    EXPECT_EQ(length, b.param_length);
    EXPECT_EQ(Function_CodeLength(b.type, &length), static_cast<int>(b.code_length));
    EXPECT_EQ(length, b.code_length);
    EXPECT_EQ(Function_ParamLength(b.type, nullptr), 0);
    // Memory Write alone tells its record size without a place to put it.
    EXPECT_EQ(Function_CodeLength(b.type, nullptr), b.type == 3 ? 60 : 0);
    EXPECT_EQ(DefaultText(b.type), b.default_text);
  }
}

TEST(EveryBlock, HeadCarriesTheInstanceIndexUntilTheTotalIsReached) {
  for (const BlockRow& b : kBlocks) {
    SCOPED_TRACE(b.type);
    Configure(1026);
    for (int i = 0; i < 1025; ++i) ASSERT_EQ(CodeBlock(b.type, b.default_text).result, 1);
    std::string record = Hex(CodeBlock(b.type, b.default_text).record);
    EXPECT_EQ(record.substr(0, std::strlen(b.head_at_1025)), b.head_at_1025);
    EXPECT_EQ(CodeBlock(b.type, b.default_text).result, 0);
  }
}

// Every block reads its record back the way it writes it: Decode walks the
// same fields, with the same names, places, widths and kinds, as Code puts
// them, so the layout stated in one cannot drift from the other.
class Layout : public FieldSink {
 public:
  void OnField(std::string_view name, FieldKind kind, size_t offset, size_t width) override {
    // A later note of a place wins, as the patched length bytes of the
    // MQTT strings are noted again.
    fields_[offset] = std::string(name) + " kind " + std::to_string(static_cast<int>(kind)) +
                      " width " + std::to_string(width);
  }
  std::string Listing() const {
    std::string listing;
    for (const auto& [offset, field] : fields_) listing += std::to_string(offset) + ": " + field + "\n";
    return listing;
  }

 private:
  std::map<size_t, std::string> fields_;
};

struct Sample {
  int type;
  std::string text;
};

std::vector<Sample> Samples() {
  std::vector<Sample> samples;
  for (int type = 1; type <= 12; ++type) {
    EntitySlot slot;
    char text[1024] = {};
    CreateEntity(type, slot)->SetDefault(text);
    samples.push_back({type, text});
  }
  for (const SampleText& sample : kTypicalTexts) samples.push_back({sample.type, std::string(sample.text)});
  // The branches the texts above leave out.
  samples.push_back({1, "A:12,2,3,B:3,0,1,0,C:10.0.0.9,D:1,3,10,100,E:161,20,10,1"});  // remote index
  samples.push_back({7, "A:60,20,0,8883,1,1,0,0,0,B:id,C:u,D:p,E:10.1.2.3,F:,G:,H:,I:"});  // TLS, no files
  samples.push_back({9, "A:1,0,0,100,40,0,0,0,0,B:+49,C:,D:,E:,F:,G:,H:"});  // message from VB
  samples.push_back({9, "A:1,1,1,0,8,1,3000,2,1,B:+49,C:,D:,E:,F:,G:Hello,H:"});  // PDU text
  samples.push_back({10, "A:1,0,0,0,100,40,0,B:s,C:a@b.c,D:,E:,F:,G:,H:"});  // message from VB
  samples.push_back({10, "A:0,0,0,1,0,8,0,B:s,C:a@b.c,D:,E:,F:Tank,3,,,G:[161,100,0,5,6,1,0],H:"});
  samples.push_back({12, "A:0,1,30,B:502,C:plc.example.net,D:3,1,16,0,E:40,161,100,20,20"});
  return samples;
}

TEST(RecordLayout, DecodeWalksTheFieldsCodeWrites) {
  for (const Sample& sample : Samples()) {
    SCOPED_TRACE(sample.text);
    EntitySlot slot;
    CFbdEntity* entity = CreateEntity(sample.type, slot);
    ASSERT_NE(entity, nullptr);
    uint32_t capacity = 0;
    entity->GetCodeLength(&capacity);
    std::vector<uint8_t> record(capacity);
    uint32_t length = 0;
    Layout written;
    entity->SetInstance(3, 10, 1);
    entity->SetFieldSink(&written);
    ASSERT_EQ(entity->Code(sample.text.c_str(), record.data(), &length), 1);

    Layout read;
    entity->SetFieldSink(&read);
    std::vector<char> text(sample.text.begin(), sample.text.end());
    text.resize(1024);
    ASSERT_EQ(entity->Decode(text.data(), record.data(), length), 1);
    EXPECT_EQ(read.Listing(), written.Listing()) << "type " << sample.type;
  }
}

}  // namespace
}  // namespace ostrevan::testing
