#include "support/host_side.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "core/catalogue.h"
#include "core/platform/platform.h"

#if defined(__SANITIZE_ADDRESS__)
#define OSTREVAN_TEST_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define OSTREVAN_TEST_ASAN 1
#endif
#endif

namespace ostrevan::testing {

namespace {
constexpr uint8_t kCanary = 0xA5;
size_t CanaryBytes() { return UnderAddressSanitizer() ? 0 : 64; }
}  // namespace

bool UnderAddressSanitizer() {
#ifdef OSTREVAN_TEST_ASAN
  return true;
#else
  return false;
#endif
}

ExactBuffer::ExactBuffer(size_t size, std::string_view text)
    : size_(size), canary_(CanaryBytes()), data_(new uint8_t[std::max<size_t>(1, size + canary_)]) {
  std::memset(data_.get() + size_, kCanary, canary_);
  SetText(text);
}

void ExactBuffer::SetText(std::string_view text) {
  std::memset(data_.get(), 0, size_);
  if (size_ && !text.empty())
    std::memcpy(data_.get(), text.data(), std::min(text.size(), size_ - 1));
}

bool ExactBuffer::Terminated() const { return std::memchr(data_.get(), 0, size_) != nullptr; }

std::string ExactBuffer::Text() const {
  const char* chars = reinterpret_cast<const char*>(data_.get());
  return std::string(chars, strnlen(chars, size_));
}

bool ExactBuffer::NothingWrittenPast() const {
  const uint8_t* behind = data_.get() + size_;
  return std::all_of(behind, behind + canary_, [](uint8_t byte) { return byte == kCanary; });
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

std::string LimitsIni(int total, const Limits& limits) {
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
  return ini;
}

}  // namespace ostrevan::testing
