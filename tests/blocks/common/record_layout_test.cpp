// Every block reads its record back the way it writes it: Decode walks the
// same fields, with the same names, places, widths and kinds, as Code puts
// them, so the layout stated in one cannot drift from the other.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/factory.h"
#include "support/sample_texts.h"

namespace ostrevan::testing {
namespace {

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
