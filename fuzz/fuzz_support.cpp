#include "fuzz/fuzz_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "core/platform/platform.h"
#include "ostrevan/plugin.h"

namespace ostrevan::fuzz {

namespace {

constexpr platform::LocalTime kFixedTime{2001, 2, 3, 4, 5, 6, 7};
platform::LocalTime FixedTime() { return kFixedTime; }

}  // namespace

void Check(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::fflush(stderr);
  std::abort();
}

Announced AnnouncedSizes(int type) {
  Announced sizes;
  Function_ParamLength(type, &sizes.param);
  Function_CodeLength(type, &sizes.code);
  return sizes;
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

std::set<std::string> DirectoryEntries(const std::string& path) {
  std::set<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(path, error))
    names.insert(entry.path().filename().string());
  return names;
}

std::string FixedStampDirectoryName() {
  char name[32];
  std::snprintf(name, sizeof name, "%04d_%02d_%02d_%02d_%02d_%02d", kFixedTime.year,
                kFixedTime.month, kFixedTime.day, kFixedTime.hour, kFixedTime.minute,
                kFixedTime.second);
  return name;
}

}  // namespace ostrevan::fuzz
