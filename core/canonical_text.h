// The quick way through a parameter text: one pass from left to right over
// the host's own buffer, for a text of the shape the block's printer writes
// (its keys in order, plain decimal numbers, nothing left over). Each step
// answers false as soon as the text leaves that shape; the block then reads
// the text with the general grammar (core/param_text.h), which reads every
// text the quick way accepts to the same values. Nothing is copied and
// nothing allocated.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "core/param_text.h"

namespace ostrevan {

class CanonicalText {
 public:
  // `text` comes from ReadParamText. A text cut at kMaxParamText characters
  // may have no NUL behind it and is never taken the quick way: it reads
  // as empty, so that its first key fails. Every other text has its NUL
  // right behind it, which ends each step below without a check of the end.
  explicit CanonicalText(std::string_view text)
      : at_(Quick(text) ? text.data() : ""), end_(Quick(text) ? at_ + text.size() : at_) {}
  // The same text, read from its character `from` on (at most its length).
  CanonicalText(std::string_view text, size_t from) : CanonicalText(text) {
    if (end_ != at_) at_ += from;
  }

  // The key's characters, exactly here.
  template <size_t N>
  bool Key(const char (&key)[N]) {
    for (size_t i = 0; i + 1 < N; ++i) {
      if (at_[i] != key[i]) return false;  // the NUL differs from every key character
    }
    at_ += N - 1;
    return true;
  }

  bool Key(std::string_view key) {
    for (size_t i = 0; i < key.size(); ++i) {
      if (at_[i] != key[i]) return false;
    }
    at_ += key.size();
    return true;
  }

  bool Char(char c) {
    if (*at_ != c) return false;
    ++at_;
    return true;
  }

  // The character here (NUL at the end) and a step past it.
  char Peek() const { return *at_; }
  void Skip() { ++at_; }

  // One of `letters`, here; its place among them goes to `index`.
  bool OneOf(std::string_view letters, uint8_t& index) {
    for (size_t i = 0; i < letters.size(); ++i) {
      if (*at_ == letters[i]) {
        index = static_cast<uint8_t>(i);
        ++at_;
        return true;
      }
    }
    return false;
  }

  // A plain number: an optional '-' and one to nine digits, so that the
  // value never wraps (blanks, '+' and longer numbers go the general way).
  bool Int(int32_t& value) {
    const char* const end = IntAt(at_, value);
    if (!end) return false;
    at_ = end;
    return true;
  }

  // N numbers, `separator` between them: unrolled, a text has a few such
  // lists and the loop's own steps cost as much as a short number.
  template <size_t N>
  bool Ints(std::array<int32_t, N>& values, char separator = ',') {
    return Int(values[0]) && IntsBehind(values, separator, std::make_index_sequence<N - 1>());
  }

  // Everything up to the first `key` from here (which stays unread), or up
  // to the end when `key` is empty or does not follow.
  std::string_view UpTo(std::string_view key) {
    const size_t found = key.empty() ? static_cast<size_t>(end_ - at_) : Find(key);
    const std::string_view value(at_, found);
    at_ += found;
    return value;
  }

  // UpTo for a key that starts with a comma, in one walk that stops at the
  // key or the NUL; `holds_comma` tells whether the value has a comma of its
  // own, without which it cannot hold another such key.
  template <size_t N>
  std::string_view UpToKey(const char (&key)[N], bool& holds_comma) {
    static_assert(N >= 2, "a key is a comma and more");
    const char* p = at_;
    holds_comma = false;
    for (;; ++p) {
      if (*p == ',') {
        if (RestOfKeyAt(p, key)) break;
        holds_comma = true;
      } else if (*p == '\0') {
        break;
      }
    }
    const std::string_view value(at_, static_cast<size_t>(p - at_));
    at_ = p;
    return value;
  }

  // UpToKey, then past the key; false when the value ran to the end
  // instead (the walk stops only at the key's comma or at the NUL).
  template <size_t N>
  bool ThroughKey(const char (&key)[N], std::string_view& value, bool& holds_comma) {
    value = UpToKey(key, holds_comma);
    if (*at_ == '\0') return false;
    at_ += N - 1;
    return true;
  }

  bool AtEnd() const { return at_ == end_; }
  // The text from here to its end.
  std::string_view Rest() const { return {at_, static_cast<size_t>(end_ - at_)}; }

 private:
  template <size_t N, size_t... I>
  bool IntsBehind(std::array<int32_t, N>& values, char separator, std::index_sequence<I...>) {
    return ((Char(separator) && Int(values[I + 1])) && ...);
  }

  // Int's number at `p`: where it ends, or null. Static, so that the cursor
  // of a text read in one function stays in a register.
  static const char* IntAt(const char* p, int32_t& value) {
    uint32_t magnitude = Digit(*p);
    if (magnitude > 9) return NegativeIntAt(p, value);
    const char* const end = DigitsBehind(p, magnitude);
    if (end) value = static_cast<int32_t>(magnitude);
    return end;
  }

  static const char* NegativeIntAt(const char* p, int32_t& value) {
    uint32_t magnitude;
    if (*p != '-' || (magnitude = Digit(p[1])) > 9) return nullptr;
    const char* const end = DigitsBehind(p + 1, magnitude);
    if (end) value = static_cast<int32_t>(0u - magnitude);
    return end;
  }

  // The digits behind the one at `first`, whose value `magnitude` holds:
  // behind the last of them, or null past nine digits.
  static const char* DigitsBehind(const char* first, uint32_t& magnitude) {
    const char* p = first;
    // Most numbers are a digit or two.
    for (uint32_t digit; (digit = Digit(*++p)) <= 9;) magnitude = magnitude * 10u + digit;
    return p - first > 9 ? nullptr : p;
  }

  // Where `key` first stands from here, or the length of the rest.
  size_t Find(std::string_view key) const {
    if (KeyAt(at_, key)) return 0;  // an empty value, the usual one: no call
    const std::string_view rest(at_, static_cast<size_t>(end_ - at_));
    const size_t found = FindKey(rest, key);
    return found == kNotFound ? rest.size() : found;
  }

  // Whether `key` stands at `p`: the NUL behind the text differs from every
  // key character, so the comparison never reads past it.
  static bool KeyAt(const char* p, std::string_view key) {
    for (size_t i = 0; i < key.size(); ++i) {
      if (p[i] != key[i]) return false;
    }
    return true;
  }

  // Whether the rest of `key` follows at `p`, whose first character matched.
  template <size_t N>
  static bool RestOfKeyAt(const char* p, const char (&key)[N]) {
    for (size_t i = 1; i + 1 < N; ++i) {
      if (p[i] != key[i]) return false;
    }
    return true;
  }

  static bool Quick(std::string_view text) { return text.data() && text.size() < kMaxParamText; }
  static uint32_t Digit(char c) { return static_cast<uint32_t>(static_cast<unsigned char>(c)) - '0'; }

  const char* at_;
  const char* end_;
};

// The first N numbers of a span, exactly as ScanInts<N> reads them; inline
// while they are plain (one to nine digits, `separator` between them), by
// ScanInts itself as soon as one is not. For a decode that takes a few
// fields from the old text: their spans come from FieldSpan, as the
// general way finds them, so the text need not be of the printer's shape.
template <size_t N>
ScannedInts<N> ScanPlainInts(std::string_view span, char separator = ',') {
  ScannedInts<N> result;
  const char* p = span.data();
  const char* const end = p + span.size();
  size_t count = 0;
  for (;;) {
    const char* const first = p;
    uint32_t value = 0;
    for (uint32_t digit; p != end && (digit = static_cast<uint8_t>(*p) - 48u) <= 9; ++p)
      value = value * 10u + digit;
    if (p == first || p - first > 9) return ScanInts<N>(span, separator);
    result.values[count++] = static_cast<int32_t>(value);
    if (count == N || p == end || *p != separator) break;
    ++p;
  }
  result.count = count;
  return result;
}

// True when `text` holds one of `keys`: a free-text value that does is read
// differently by the general grammar's key search, so the quick way refuses it.
inline bool HoldsAnyKey(std::string_view text, std::initializer_list<std::string_view> keys) {
  for (std::string_view key : keys) {
    if (text.find(key) != std::string_view::npos) return true;
  }
  return false;
}

}  // namespace ostrevan
