// Prints a parameter text straight into the host's buffer, as TextBuilder
// prints into its own (the same pieces and numbers), cut where
// WriteParamText cuts: at the buffer's size less one, then a NUL.
#pragma once

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace ostrevan {

class HostText {
 public:
  // `buffer` holds `capacity` bytes, at least one.
  HostText(char* buffer, size_t capacity) : at_(buffer), room_(capacity - 1) {}
  HostText(const HostText&) = delete;
  HostText& operator=(const HostText&) = delete;

  HostText& Text(std::string_view piece) {
    const size_t used = piece.size() < room_ ? piece.size() : room_;
    if (used) std::memcpy(at_, piece.data(), used);
    at_ += used;
    room_ -= used;
    return *this;
  }
  // A literal piece: copied inline, without a call.
  template <size_t N>
  HostText& Text(const char (&piece)[N]) {
    constexpr size_t kSize = N - 1;
    if (room_ < kSize) return Text(std::string_view(piece, kSize));
    for (size_t i = 0; i < kSize; ++i) at_[i] = piece[i];
    at_ += kSize;
    room_ -= kSize;
    return *this;
  }
  HostText& Char(char c) {
    if (room_) {
      *at_++ = c;
      --room_;
    }
    return *this;
  }
  HostText& Int(int32_t value) {
    if (room_ < kLongestInt) return Text(std::string_view(SlowDigits(value)));
    uint32_t magnitude = static_cast<uint32_t>(value);
    if (value < 0) {
      *at_++ = '-';
      --room_;
      magnitude = 0u - magnitude;
    }
    if (magnitude < 10) {
      *at_++ = static_cast<char>('0' + magnitude);
      --room_;
      return *this;
    }
    const size_t size = static_cast<size_t>(std::to_chars(at_, at_ + 10, magnitude).ptr - at_);
    at_ += size;
    room_ -= size;
    return *this;
  }
  template <typename First, typename... Rest>
  HostText& Ints(First first, Rest... rest) {
    Int(static_cast<int32_t>(first));
    ((Char(','), Int(static_cast<int32_t>(rest))), ...);
    return *this;
  }

  // Closes the text with its NUL; returns WriteParamText's answer.
  int Finish() {
    *at_ = '\0';
    return 1;
  }

 private:
  static constexpr size_t kLongestInt = 11;  // "-2147483648"

  // A number's digits when the room left may cut it.
  struct Digits {
    char text[kLongestInt];
    size_t size;
    operator std::string_view() const { return {text, size}; }
  };
  static Digits SlowDigits(int32_t value) {
    Digits digits;
    digits.size = static_cast<size_t>(std::to_chars(digits.text, digits.text + kLongestInt, value).ptr -
                                      digits.text);
    return digits;
  }

  char* at_;
  size_t room_;
};

}  // namespace ostrevan
