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
  HostText(char* buffer, size_t capacity) : at_(buffer), limit_(buffer + capacity - 1) {}
  HostText(const HostText&) = delete;
  HostText& operator=(const HostText&) = delete;

  HostText& Text(std::string_view piece) {
    if (piece.empty()) return *this;  // most free texts
    const size_t room = Room();
    const size_t used = piece.size() < room ? piece.size() : room;
    if (used) std::memcpy(at_, piece.data(), used);
    at_ += used;
    return *this;
  }
  // A literal piece: copied inline, without a call.
  template <size_t N>
  HostText& Text(const char (&piece)[N]) {
    if (Room() < N - 1) return Text(std::string_view(piece, N - 1));
    at_ = Put(at_, piece);
    return *this;
  }
  // Pieces in a row, keys and free texts, as Text after Text; with room
  // for all of them, through a local cursor and without a check per piece.
  template <typename... Pieces>
  HostText& Texts(const Pieces&... pieces) {
    if (Room() < (PieceSize(pieces) + ...)) {
      (Text(pieces), ...);
      return *this;
    }
    char* at = at_;
    ((at = Put(at, pieces)), ...);
    at_ = at;
    return *this;
  }
  HostText& Char(char c) {
    char* at = at_;
    if (at != limit_) {
      *at = c;
      at_ = at + 1;
    }
    return *this;
  }
  // Writes `value` as %d does; most numbers of a text are a single digit.
  HostText& Int(int32_t value) {
    if (static_cast<uint32_t>(value) < 10) return Char(static_cast<char>('0' + value));
    return LongInt(value);
  }
  template <char Separator = ',', typename First, typename... Rest>
  HostText& Ints(First first, Rest... rest) {
    constexpr size_t kMostChars = (1 + sizeof...(Rest)) * (kLongestInt + 1);
    if (Room() >= kMostChars) {
      // Room for the longest numbers: no check per character, and the
      // cursor stays in a local.
      char* at = PutInt(at_, static_cast<int32_t>(first));
      ((*at++ = Separator, at = PutInt(at, static_cast<int32_t>(rest))), ...);
      at_ = at;
      return *this;
    }
    Int(static_cast<int32_t>(first));
    ((Char(Separator), Int(static_cast<int32_t>(rest))), ...);
    return *this;
  }

  // Closes the text with its NUL; returns WriteParamText's answer.
  int Finish() {
    *at_ = '\0';
    return 1;
  }

 private:
  static constexpr size_t kLongestInt = 11;  // "-2147483648"

  size_t Room() const { return static_cast<size_t>(limit_ - at_); }

  template <size_t N>
  static constexpr size_t PieceSize(const char (&)[N]) { return N - 1; }
  static size_t PieceSize(std::string_view piece) { return piece.size(); }
  // A piece at `at`, which has room for it; behind it.
  template <size_t N>
  static char* Put(char* at, const char (&piece)[N]) {
    for (size_t i = 0; i + 1 < N; ++i) at[i] = piece[i];
    return at + (N - 1);
  }
  static char* Put(char* at, std::string_view piece) {
    if (!piece.empty()) std::memcpy(at, piece.data(), piece.size());
    return at + piece.size();
  }

  // `value` at `at`, which has room for kLongestInt characters.
  static char* PutInt(char* at, int32_t value) {
    if (static_cast<uint32_t>(value) < 10) {
      *at = static_cast<char>('0' + value);
      return at + 1;
    }
    return std::to_chars(at, at + kLongestInt, value).ptr;
  }

  HostText& LongInt(int32_t value) {
    if (Room() >= kLongestInt) {
      at_ = std::to_chars(at_, at_ + kLongestInt, value).ptr;
      return *this;
    }
    char digits[kLongestInt];
    const char* end = std::to_chars(digits, digits + kLongestInt, value).ptr;
    return Text(std::string_view(digits, static_cast<size_t>(end - digits)));
  }

  char* at_;
  char* limit_;  // where the NUL goes at the latest
};

}  // namespace ostrevan
