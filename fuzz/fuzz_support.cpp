#include "fuzz/fuzz_support.h"

#include "core/catalogue.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "core/platform/platform.h"
#include "ostrevan/plugin.h"

#if defined(__SANITIZE_ADDRESS__)
#define OSTREVAN_FUZZ_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define OSTREVAN_FUZZ_ASAN 1
#endif
#endif

namespace ostrevan::fuzz {

namespace {

constexpr size_t kCanaryBytes = 64;
constexpr uint8_t kCanary = 0xA5;

constexpr platform::LocalTime kFixedTime{2001, 2, 3, 4, 5, 6, 7};
platform::LocalTime FixedTime() { return kFixedTime; }

size_t CanaryBytes() { return UnderAddressSanitizer() ? 0 : kCanaryBytes; }

}  // namespace

void Check(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::fflush(stderr);
  std::abort();
}

bool UnderAddressSanitizer() {
#ifdef OSTREVAN_FUZZ_ASAN
  return true;
#else
  return false;
#endif
}

HostBuffer::HostBuffer(size_t size)
    : size_(size), data_(static_cast<uint8_t*>(std::malloc(size + CanaryBytes() + 1))) {
  Check(data_ != nullptr, "out of memory");
  std::memset(data_, 0, size_);
  std::memset(data_ + size_, kCanary, CanaryBytes());
}

HostBuffer::~HostBuffer() { std::free(data_); }

void HostBuffer::SetText(std::string_view text) {
  if (size_ == 0) return;
  size_t used = std::min(text.size(), size_ - 1);
  std::memcpy(data_, text.data(), used);
  std::memset(data_ + used, 0, size_ - used);
}

std::string HostBuffer::CheckedText(const char* what) const {
  const void* nul = std::memchr(data_, 0, size_);
  Check(nul != nullptr, what);
  return std::string(reinterpret_cast<const char*>(data_),
                     static_cast<const uint8_t*>(nul) - data_);
}

void HostBuffer::CheckNothingWrittenPast(const char* what) const {
  for (size_t i = 0; i < CanaryBytes(); ++i) Check(data_[size_ + i] == kCanary, what);
}

Announced AnnouncedSizes(int type) {
  Announced sizes;
  Function_ParamLength(type, &sizes.param);
  Function_CodeLength(type, &sizes.code);
  return sizes;
}

namespace {

// The run's scratch directory, removed when the process ends.
class Scratch {
 public:
  Scratch() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "ostrevan-fuzz-XXXXXX").string();
    Check(mkdtemp(pattern.data()) != nullptr, "cannot make a scratch directory");
    path_ = pattern + "/";
  }
  ~Scratch() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace

const std::string& ScratchDirectory() {
  static const Scratch scratch;
  return scratch.path();
}

void SetUpPlugin() {
  static const bool done = [] {
    platform::SetClockSource(&FixedTime);
    std::string ini =
        "[DEFAULT]\nTotal=1000000\nTypeCount=" + std::to_string(kBlockTypeCount) + "\n";
    int n = 0;
    for (const BlockEntry& block : BlockCatalogue())
      ini += "[Type_" + std::to_string(++n) + "]\nName=" + block.name + "\nMax=1000000\n";
    std::string path = ScratchDirectory() + "limits.ini";
    std::ofstream(path) << ini;
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
