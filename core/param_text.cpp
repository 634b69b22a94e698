#include "core/param_text.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <iterator>

namespace ostrevan {

int WriteParamText(char* param, std::string_view text, uint32_t capacity) {
  if (!param || capacity == 0) return 1;
  size_t used = std::min<size_t>(text.size(), capacity - 1);
  if (used) std::memcpy(param, text.data(), used);
  param[used] = '\0';
  return 1;
}

NumberedKey::NumberedKey(char letter, size_t number) : text_{',', letter} {
  char* end = std::to_chars(text_ + 2, text_ + sizeof text_ - 1, number).ptr;
  *end++ = ':';
  size_ = static_cast<size_t>(end - text_);
}

KeyedText::KeyedText(std::string_view text)
    : text_(text), indexed_(text.size() <= std::tuple_size_v<decltype(next_)>) {
  if (!indexed_) return;
  first_.fill(kEnd);
  first_field_.fill(kEnd);
  // From the back, so that every chain comes out in ascending order.
  for (size_t behind = text.size(); behind-- > 1;) {
    const auto c = static_cast<unsigned char>(text[behind]);
    if (text[behind - 1] != ',' || c >= first_.size()) continue;
    const auto comma = static_cast<uint16_t>(behind - 1);
    next_[comma] = first_[c];
    first_[c] = comma;
    if (behind + 1 < text.size() && text[behind + 1] == ':') first_field_[c] = comma;
  }
}

size_t KeyedText::Find(std::string_view key, size_t from) const {
  const bool comma_key = key.size() >= 2 && key[0] == ',';
  if (!indexed_ || !comma_key || static_cast<unsigned char>(key[1]) >= first_.size()) {
    // "A:" heads nearly every text.
    if (from == 0 && text_.substr(0, key.size()) == key) return 0;
    return FindKey(text_, key, from);
  }
  if (from > text_.size()) return kNotFound;
  const auto letter = static_cast<unsigned char>(key[1]);
  if (key.size() == 3 && key[2] == ':') {
    // A ",X:" key: its first place answers unless the search starts behind it.
    const uint16_t first = first_field_[letter];
    if (first == kEnd || first >= from) return first == kEnd ? kNotFound : first;
  }
  for (uint16_t at = first_[letter]; at != kEnd; at = next_[at]) {
    if (at < from || text_.size() - at < key.size()) continue;
    if (std::equal(key.begin() + 2, key.end(), text_.begin() + at + 2)) return at;
  }
  return kNotFound;
}

void KeyedText::FindNumberedKeys(char letter, size_t* first, size_t count) const {
  std::fill(first, first + count, kNotFound);
  const auto index = static_cast<unsigned char>(letter);
  if (!indexed_ || index >= first_.size()) {
    for (size_t n = 1; n <= count; ++n) first[n - 1] = Find(NumberedKey(letter, n));
    return;
  }
  const size_t size = text_.size();
  for (uint16_t at = first_[index]; at != kEnd; at = next_[at]) {
    // The number is written without leading zeros, as the keys are.
    size_t p = at + 2;
    if (p >= size || text_[p] < '1' || text_[p] > '9') continue;
    size_t n = 0;
    for (; p < size && text_[p] >= '0' && text_[p] <= '9' && n <= count; ++p)
      n = n * 10 + static_cast<size_t>(text_[p] - '0');
    if (p >= size || text_[p] != ':' || n > count) continue;
    if (first[n - 1] == kNotFound) first[n - 1] = at;
  }
}



size_t FindField(const KeyedText& text, std::string_view key) { return detail::FieldAt(text, key); }

std::optional<std::string_view> FieldSpan(const KeyedText& text, std::string_view key,
                                          std::string_view next_key) {
  return detail::SpanOf(text, key, next_key, false);
}

std::optional<std::string_view> FieldSpanOrRest(const KeyedText& text, std::string_view key,
                                                std::string_view next_key) {
  return detail::SpanOf(text, key, next_key, true);
}

namespace {

// The piece that starts at `begin`, cut to 99 characters; moves `begin` to
// the next piece. False when there is none.
bool NextPiece(std::string_view text, char separator, size_t& begin, std::string_view& piece) {
  constexpr size_t kPieceMax = 99;
  const size_t end = text.find(separator, begin);
  if (end == std::string_view::npos) {
    if (begin >= text.size()) return false;
    piece = text.substr(begin, kPieceMax);
    begin = text.size();
    return true;
  }
  piece = text.substr(begin, std::min(end - begin, kPieceMax));
  begin = end + 1;
  return true;
}

}  // namespace

std::vector<std::string> SplitText(std::string_view text, char separator, size_t max_pieces) {
  std::vector<std::string> pieces;
  pieces.reserve(std::min<size_t>(max_pieces, 16));
  std::string_view piece;
  for (size_t begin = 0; pieces.size() < max_pieces && NextPiece(text, separator, begin, piece);)
    pieces.emplace_back(piece);
  return pieces;
}

size_t SplitViews(std::string_view text, char separator, std::string_view* pieces,
                  size_t max_pieces) {
  size_t count = 0;
  for (size_t begin = 0; count < max_pieces && NextPiece(text, separator, begin, pieces[count]);)
    ++count;
  return count;
}

namespace {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// One %d conversion at `p`: blanks, sign, at least one digit. Wraps modulo
// 2^32 like a 32-bit accumulator. Moves `p` behind the number.
inline bool ScanOneInt(const char*& p, const char* end, int32_t& value) {
  const char* at = p;
  bool negative = false;
  // Nearly every number is bare digits: those skip the checks for blanks
  // and signs.
  if (at == end || !IsDigit(*at)) {
    while (at != end && IsBlank(*at)) ++at;
    if (at != end && (*at == '+' || *at == '-')) negative = *at++ == '-';
    if (at == end || !IsDigit(*at)) return false;
  }
  uint32_t magnitude = 0;
  for (; at != end && IsDigit(*at); ++at)
    magnitude = magnitude * 10u + static_cast<uint32_t>(*at - '0');
  value = static_cast<int32_t>(negative ? 0u - magnitude : magnitude);
  p = at;
  return true;
}

}  // namespace

size_t ScanIntList(std::string_view text, char separator, int32_t* values, size_t max_values) {
  const char* p = text.data();
  const char* const end = p + text.size();
  size_t count = 0;
  while (count < max_values) {
    if (count > 0) {
      if (p == end || *p != separator) break;
      ++p;
    }
    if (!ScanOneInt(p, end, values[count])) break;
    ++count;
  }
  return count;
}

int32_t LeadingInt(std::string_view text) {
  const char* p = text.data();
  int32_t value = 0;
  return ScanOneInt(p, p + text.size(), value) ? value : 0;
}

std::string RemoveQuotes(std::string_view text) {
  if (text.find('"') == std::string_view::npos) return std::string(text);  // nearly always
  std::string result(text);
  result.erase(std::remove(result.begin(), result.end(), '"'), result.end());
  return result;
}

void AppendDecimal(std::string& text, int32_t value) {
  char digits[12];  // "-2147483648"
  std::to_chars_result end = std::to_chars(std::begin(digits), std::end(digits), value);
  text.append(digits, end.ptr);
}

}  // namespace ostrevan
