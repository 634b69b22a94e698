#include "support/plugin_fixture.h"

#include <algorithm>
#include <optional>

#include "ostrevan/plugin.h"
#include "support/hex_runs.h"
#include "tools/ostrevan-host/hex.h"

namespace ostrevan::testing {

namespace {

platform::LocalTime g_fixed_time;
platform::LocalTime FixedTime() { return g_fixed_time; }

}  // namespace

std::vector<uint8_t> Bytes(const std::string& hex) {
  std::optional<std::vector<uint8_t>> bytes = host::ParseHex(hex);
  EXPECT_TRUE(bytes) << "not hex: " << hex;
  return bytes.value_or(std::vector<uint8_t>{});
}

std::string Hex(const std::vector<uint8_t>& bytes) { return host::ToHex(bytes.data(), bytes.size()); }

FixedClock::FixedClock(platform::LocalTime time) {
  g_fixed_time = time;
  platform::SetClockSource(&FixedTime);
}

FixedClock::~FixedClock() { platform::SetClockSource(nullptr); }

void Configure(int total, const Limits& limits) {
  TempDir dir;
  ASSERT_EQ(Function_Config(dir.Write("limits.ini", LimitsIni(total, limits)).c_str()), 1);
  Function_CodeStart(0);
}

Coded CodeBlock(int type, const std::string& text) {
  const auto [param_size, code_size] = AnnouncedSizes(type);
  ExactBuffer param(std::max<uint32_t>(param_size, 1024), text);
  ExactBuffer record(code_size);
  uint32_t length = 0;
  Coded coded;
  coded.result = Function_Code(type, param.text(), record.bytes(), &length);
  EXPECT_TRUE(record.NothingWrittenPast()) << "record written past " << code_size;
  EXPECT_LE(length, code_size);
  if (coded.result == 1)
    coded.record.assign(record.bytes(), record.bytes() + std::min(length, code_size));
  return coded;
}

std::vector<uint8_t> CodeAlone(int type, const std::string& text) {
  Configure();
  Coded coded = CodeBlock(type, text);
  EXPECT_EQ(coded.result, 1) << "coding " << text;
  return coded.record;
}

std::string DecodeBlock(int type, const std::string& text, const std::vector<uint8_t>& record,
                        int* result) {
  const uint32_t param_size = AnnouncedSizes(type).param;
  ExactBuffer param(param_size, text);
  ExactBuffer bytes(record.size());  // any read past the record faults
  bytes.SetBytes(record.data(), record.size());
  int status = Function_Decode(type, param.text(), bytes.bytes(), static_cast<uint32_t>(record.size()));
  if (result) *result = status;
  EXPECT_TRUE(param.NothingWrittenPast()) << "parameter text written past " << param_size;
  return param.Text();
}

std::string DefaultText(int type) {
  const uint32_t param_size = AnnouncedSizes(type).param;
  ExactBuffer param(param_size);
  EXPECT_EQ(Function_Default(type, param.text()), 1);
  EXPECT_TRUE(param.NothingWrittenPast()) << "default text written past " << param_size;
  return param.Text();
}

void ExpectRecords(int type, const std::vector<CodeCase>& cases) {
  for (const CodeCase& c : cases) EXPECT_EQ(Hex(CodeAlone(type, c.text)), Hex(Bytes(c.record))) << c.text;
}

void ExpectSlices(int type, const std::vector<SliceCase>& cases) {
  for (const SliceCase& c : cases) {
    std::vector<uint8_t> record = CodeAlone(type, c.text);
    std::vector<uint8_t> bytes = Bytes(c.hex);
    EXPECT_EQ(record.size(), c.length) << c.text;
    EXPECT_EQ(HexAt(record, c.offset, bytes.size()), Hex(bytes)) << c.text;
  }
}

void ExpectDecoded(int type, const std::vector<DecodeCase>& cases) {
  for (const DecodeCase& c : cases) {
    int result = 0;
    EXPECT_EQ(DecodeBlock(type, c.text, Bytes(c.record), &result), c.decoded) << c.record;
    EXPECT_EQ(result, 1) << c.record;
  }
}

void ExpectTrips(int type, const std::vector<TripCase>& cases) {
  for (const TripCase& c : cases) {
    int result = 0;
    EXPECT_EQ(DecodeBlock(type, c.text, CodeAlone(type, c.text), &result), c.decoded) << c.text;
    EXPECT_EQ(result, 1) << c.text;
  }
}

}  // namespace ostrevan::testing
