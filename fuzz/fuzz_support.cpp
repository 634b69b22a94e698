#include "fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>

#include "core/app.h"
#include "core/platform/platform.h"
#include "ostrevan/plugin.h"

namespace ostrevan::fuzz {

namespace {

constexpr platform::LocalTime kFixedTime{2001, 2, 3, 4, 5, 6, 7};
constexpr const char* kFixedStamp = "2001_02_03_04_05_06";  // the directory named at that time
platform::LocalTime FixedTime() { return kFixedTime; }

std::set<std::string> DirectoryEntries(const std::string& path) {
  std::set<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(path, error))
    names.insert(entry.path().filename().string());
  return names;
}

constexpr uint32_t kUnsetLength = 0xFFFFFFFFu;

// Watches the plug-in's directory and the working directory across one
// Decode of a file-writing type: the only new entry may be the time-stamped
// directory, holding nothing but the numbered certificate files.
class FileWatch {
 public:
  explicit FileWatch(int type) : active_(WritesFiles(type)), stamp_(kFixedStamp) {
    for (size_t i = 0; active_ && i < 2; ++i) before_[i] = DirectoryEntries(Watched(i));
  }

  void Check() const {
    if (!active_) return;
    for (size_t i = 0; i < 2; ++i) {
      for (const std::string& name : DirectoryEntries(Watched(i)))
        fuzz::Check(before_[i].count(name) || name == stamp_, "Decode wrote outside its directory");
    }
    const std::set<std::string> allowed = {"1.pem", "2.crt", "3.key"};
    for (const std::string& name : DirectoryEntries(App().module_directory() + stamp_))
      fuzz::Check(allowed.count(name) == 1, "Decode wrote a file of an unexpected name");
  }

 private:
  static std::string Watched(size_t i) { return i == 0 ? App().module_directory() : "."; }
  bool active_;
  std::string stamp_;
  std::set<std::string> before_[2];
};

}  // namespace

void Check(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::fflush(stderr);
  std::abort();
}

std::string CheckedText(const ExactBuffer& buffer, const char* what) {
  Check(buffer.Terminated(), what);
  return buffer.Text();
}

const std::string& ScratchDirectory() {
  static const testing::TempDir scratch;
  return scratch.path();
}

void SetUpPlugin() {
  static const bool done = [] {
    platform::SetClockSource(&FixedTime);
    platform::SetModuleDirectoryOverride(ScratchDirectory());
    std::string path = ScratchDirectory() + "limits.ini";
    std::ofstream(path) << testing::LimitsIni(1000000);
    Check(Function_Config(path.c_str()) == 1, "the limits file was not read");
    return true;
  }();
  (void)done;
}

Coded CodeChecked(int type, const Announced& sizes, std::string_view text) {
  ExactBuffer param(sizes.param, text);
  ExactBuffer record(sizes.code);
  uint32_t length = kUnsetLength;
  Check(Function_CodeStart(0) == 1, "Function_CodeStart did not answer 1");
  Coded coded;
  coded.result = Function_Code(type, param.text(), record.bytes(), &length);
  Check(coded.result == 0 || coded.result == 1, "Function_Code answered neither 0 nor 1");
  if (coded.result == 1) {
    Check(length <= sizes.code, "Function_Code reported a length above the announced size");
    coded.record.assign(record.bytes(), record.bytes() + length);
  }
  return coded;
}

std::string DecodeChecked(int type, const Announced& sizes, std::string_view text,
                          const std::vector<uint8_t>& record) {
  ExactBuffer param(sizes.param, text);
  ExactBuffer bytes(record.size());  // exactly the record's bytes: a read past them faults
  bytes.SetBytes(record.data(), record.size());
  FileWatch watch(type);
  int result = Function_Decode(type, param.text(), bytes.bytes(), static_cast<uint32_t>(record.size()));
  watch.Check();
  Check(result >= 0, "Function_Decode answered a negative result");
  return CheckedText(param, "Function_Decode left no NUL inside the text buffer");
}

void CheckRefused(int type) {
  uint32_t length = kUnsetLength;
  Check(Function_ParamLength(type, &length) == 0, "an unbuilt type announced a text size");
  Check(Function_CodeLength(type, &length) == 0, "an unbuilt type announced a record size");
  char text[8] = "A:1";
  uint8_t record[8] = {};
  Check(Function_Default(type, text) == 0, "an unbuilt type wrote a default text");
  Check(Function_Decode(type, text, record, sizeof record) == 0, "an unbuilt type decoded");
  Check(std::strcmp(text, "A:1") == 0, "an unbuilt type changed the text");
}

}  // namespace ostrevan::fuzz
