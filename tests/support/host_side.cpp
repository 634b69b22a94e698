#include "support/host_side.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "core/catalogue.h"
#include "core/platform/platform.h"
#include "ostrevan/plugin.h"

#if !defined(_WIN32)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace ostrevan::testing {

Announced AnnouncedSizes(int type) {
  Announced sizes;
  Function_ParamLength(type, &sizes.param);
  Function_CodeLength(type, &sizes.code);
  return sizes;
}

#if defined(_WIN32)
namespace {
constexpr uint8_t kCanary = 0xA5;
constexpr size_t kCanaryBytes = 64;
}  // namespace

ExactBuffer::ExactBuffer(size_t size, std::string_view text, GuardSide)
    : size_(size), mapped_(size + kCanaryBytes), data_(new uint8_t[mapped_]) {
  std::memset(data_ + size_, kCanary, kCanaryBytes);
  SetText(text);
}

ExactBuffer::~ExactBuffer() { delete[] data_; }

bool ExactBuffer::NothingWrittenPast() const {
  return std::all_of(data_ + size_, data_ + mapped_, [](uint8_t byte) { return byte == kCanary; });
}
#else
ExactBuffer::ExactBuffer(size_t size, std::string_view text, GuardSide side) : size_(size) {
  const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
  const size_t data_pages = std::max<size_t>(1, (size + page - 1) / page);
  mapped_ = (data_pages + 1) * page;
  mapping_ = mmap(nullptr, mapped_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapping_ == MAP_FAILED) throw std::runtime_error("mmap failed");
  auto* base = static_cast<uint8_t*>(mapping_);
  uint8_t* guard = side == GuardSide::kBehind ? base + data_pages * page : base;
  if (mprotect(guard, page, PROT_NONE) != 0) throw std::runtime_error("mprotect failed");
  data_ = side == GuardSide::kBehind ? guard - size : guard + page;
  SetText(text);
}

ExactBuffer::~ExactBuffer() { munmap(mapping_, mapped_); }

bool ExactBuffer::NothingWrittenPast() const { return true; }  // the guard page faults first
#endif

void ExactBuffer::SetText(std::string_view text) {
  SetBytes(text.data(), size_ ? std::min(text.size(), size_ - 1) : 0);
}

void ExactBuffer::SetBytes(const void* bytes, size_t count) {
  const size_t used = std::min(count, size_);
  if (used) std::memcpy(data_, bytes, used);
  std::memset(data_ + used, 0, size_ - used);
}

bool ExactBuffer::Terminated() const { return std::memchr(data_, 0, size_) != nullptr; }

std::string ExactBuffer::Text() const {
  const char* chars = reinterpret_cast<const char*>(data_);
  return std::string(chars, strnlen(chars, size_));
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
