// A buffer with a no-access page right behind it or right in front of it,
// so that any access past either end faults at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ostrevan::testing {

enum class GuardSide { kBehind, kInFront };

class GuardedRegion {
 public:
  GuardedRegion(size_t size, GuardSide side);
  ~GuardedRegion();
  GuardedRegion(const GuardedRegion&) = delete;
  GuardedRegion& operator=(const GuardedRegion&) = delete;

  uint8_t* bytes() { return data_; }
  char* text() { return reinterpret_cast<char*>(data_); }
  size_t size() const { return size_; }

  // Fills the buffer with `text` cut to size - 1 characters and a NUL.
  void SetText(std::string_view text);
  // Fills the buffer with `bytes` cut to its size (the rest is zero).
  void SetBytes(const void* bytes, size_t count);
  // The text before the first NUL; fails the test when there is none.
  std::string_view TerminatedText() const;

 private:
  size_t size_;
  size_t mapped_ = 0;
  void* mapping_ = nullptr;
  uint8_t* data_ = nullptr;
};

}  // namespace ostrevan::testing
