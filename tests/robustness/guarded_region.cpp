#include "robustness/guarded_region.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace ostrevan::testing {

GuardedRegion::GuardedRegion(size_t size, GuardSide side) : size_(size) {
  const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
  const size_t data_pages = std::max<size_t>(1, (size + page - 1) / page);
  mapped_ = (data_pages + 1) * page;
  mapping_ = mmap(nullptr, mapped_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapping_ == MAP_FAILED) throw std::runtime_error("mmap failed");
  auto* base = static_cast<uint8_t*>(mapping_);
  uint8_t* guard = side == GuardSide::kBehind ? base + data_pages * page : base;
  if (mprotect(guard, page, PROT_NONE) != 0) throw std::runtime_error("mprotect failed");
  data_ = side == GuardSide::kBehind ? guard - size : guard + page;
  std::memset(data_, 0, size_);
}

GuardedRegion::~GuardedRegion() { munmap(mapping_, mapped_); }

void GuardedRegion::SetText(std::string_view text) {
  if (size_ > 0) SetBytes(text.data(), std::min(text.size(), size_ - 1));
}

void GuardedRegion::SetBytes(const void* bytes, size_t count) {
  size_t used = std::min(count, size_);
  if (used) std::memcpy(data_, bytes, used);
  std::memset(data_ + used, 0, size_ - used);
}

std::string_view GuardedRegion::TerminatedText() const {
  const void* nul = std::memchr(data_, 0, size_);
  EXPECT_NE(nul, nullptr) << "no NUL inside the " << size_ << "-byte text buffer";
  size_t length = nul ? static_cast<size_t>(static_cast<const uint8_t*>(nul) - data_) : 0;
  return std::string_view(reinterpret_cast<const char*>(data_), length);
}

}  // namespace ostrevan::testing
