#include "support/plugin_fixture.h"

#include "core/catalogue.h"
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "ostrevan/plugin.h"
#include "support/hex_runs.h"

namespace ostrevan::testing {

namespace {

constexpr uint8_t kCanary = 0xCD;
constexpr size_t kCanaryBytes = 32;

platform::LocalTime g_fixed_time;
platform::LocalTime FixedTime() { return g_fixed_time; }

uint32_t Announced(int (*query)(int, uint32_t*), int type) {
  uint32_t length = 0;
  query(type, &length);
  return length;
}

// A buffer of `size` bytes followed by a canary run.
template <class T>
std::vector<T> Guarded(size_t size, const std::string& contents = {}) {
  std::vector<T> buffer(size + kCanaryBytes, static_cast<T>(kCanary));
  std::fill(buffer.begin(), buffer.begin() + static_cast<long>(size), T{});
  std::memcpy(buffer.data(), contents.data(), std::min(contents.size(), size ? size - 1 : 0));
  return buffer;
}

template <class T>
void ExpectCanary(const std::vector<T>& buffer, size_t size, const char* what) {
  for (size_t i = size; i < buffer.size(); ++i) {
    ASSERT_EQ(static_cast<uint8_t>(buffer[i]), kCanary) << what << " written past " << size;
  }
}

}  // namespace

std::vector<uint8_t> Bytes(const std::string& hex) {
  std::vector<uint8_t> bytes;
  std::string digits;
  for (char c : hex) {
    if (c != ' ' && c != '\n') digits.push_back(c);
  }
  for (size_t i = 0; i + 1 < digits.size(); i += 2)
    bytes.push_back(static_cast<uint8_t>(std::stoi(digits.substr(i, 2), nullptr, 16)));
  return bytes;
}

std::string Hex(const std::vector<uint8_t>& bytes) {
  std::string text;
  char pair[4];
  for (size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(pair, sizeof pair, i ? " %02X" : "%02X", bytes[i]);
    text += pair;
  }
  return text;
}

TempDir::TempDir() {
  static std::atomic<unsigned> counter{0};
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  std::filesystem::path path = std::filesystem::temp_directory_path() /
                               ("ostrevan-test-" + std::to_string(stamp) + "-" +
                                std::to_string(counter++));
  std::filesystem::create_directories(path);
  path_ = path.string() + platform::PathSeparator();
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::Write(const std::string& name, const std::string& contents) const {
  std::string path = path_ + name;
  std::ofstream(path, std::ios::binary) << contents;
  return path;
}

FixedClock::FixedClock(platform::LocalTime time) {
  g_fixed_time = time;
  platform::SetClockSource(&FixedTime);
}

FixedClock::~FixedClock() { platform::SetClockSource(nullptr); }

void Configure(int total, const Limits& limits) {
  Limits all = limits;
  if (all.empty()) {
    for (const BlockEntry& block : BlockCatalogue()) all.emplace_back(block.name, total);
  }
  std::string ini = "[DEFAULT]\nTotal=" + std::to_string(total) +
                    "\nTypeCount=" + std::to_string(all.size()) + "\n";
  for (size_t i = 0; i < all.size(); ++i) {
    ini += "[Type_" + std::to_string(i + 1) + "]\nName=" + all[i].first +
           "\nMax=" + std::to_string(all[i].second) + "\n";
  }
  TempDir dir;
  ASSERT_EQ(Function_Config(dir.Write("limits.ini", ini).c_str()), 1);
  Function_CodeStart(0);
}

Coded CodeBlock(int type, const std::string& text) {
  uint32_t param_size = Announced(Function_ParamLength, type);
  uint32_t code_size = Announced(Function_CodeLength, type);
  std::vector<char> param = Guarded<char>(std::max<uint32_t>(param_size, 1024), text);
  std::vector<uint8_t> record = Guarded<uint8_t>(code_size);
  uint32_t length = 0;
  Coded coded;
  coded.result = Function_Code(type, param.data(), record.data(), &length);
  ExpectCanary(record, code_size, "record");
  EXPECT_LE(length, code_size);
  if (coded.result == 1)
    coded.record.assign(record.begin(), record.begin() + std::min(length, code_size));
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
  uint32_t param_size = Announced(Function_ParamLength, type);
  std::vector<char> param = Guarded<char>(param_size, text);
  // Exactly the given bytes, so that a sanitizer sees any read past them.
  std::vector<uint8_t> bytes(record);
  int status = Function_Decode(type, param.data(), bytes.data(), static_cast<uint32_t>(record.size()));
  if (result) *result = status;
  ExpectCanary(param, param_size, "parameter text");
  return std::string(param.data(), strnlen(param.data(), param_size));
}

std::string DefaultText(int type) {
  uint32_t param_size = Announced(Function_ParamLength, type);
  std::vector<char> param = Guarded<char>(param_size);
  EXPECT_EQ(Function_Default(type, param.data()), 1);
  ExpectCanary(param, param_size, "default text");
  return std::string(param.data(), strnlen(param.data(), param_size));
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
