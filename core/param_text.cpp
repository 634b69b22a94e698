#include "core/param_text.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace ostrevan {

std::string ReadParamText(const char* param) {
  if (!param) return {};
  size_t length = 0;
  while (length < kMaxParamText && param[length] != '\0') ++length;
  return std::string(param, length);
}

int WriteParamText(char* param, std::string_view text, uint32_t capacity) {
  if (!param || capacity == 0) return 1;
  size_t used = std::min<size_t>(text.size(), capacity - 1);
  if (used) std::memcpy(param, text.data(), used);
  param[used] = '\0';
  return 1;
}

size_t FindField(std::string_view text, std::string_view key) {
  key = key.substr(0, 9);  // keys are formatted into a 10-byte buffer
  size_t at = text.find(key);
  return at == std::string_view::npos ? kNotFound : at + key.size();
}

std::optional<std::string_view> FieldSpan(std::string_view text, std::string_view key,
                                          std::string_view next_key) {
  size_t begin = FindField(text, key);
  if (begin == kNotFound) return std::nullopt;
  size_t end = text.size();
  if (!next_key.empty()) {
    end = text.find(next_key.substr(0, 9), begin);
    if (end == std::string_view::npos) return std::nullopt;
  }
  if (end <= begin) return std::nullopt;
  return text.substr(begin, end - begin);
}

std::optional<std::string_view> FieldSpanOrRest(std::string_view text, std::string_view key,
                                                std::string_view next_key) {
  size_t begin = FindField(text, key);
  if (begin == kNotFound) return std::nullopt;
  size_t end = next_key.empty() ? kNotFound : text.find(next_key.substr(0, 9), begin);
  if (end == kNotFound) end = text.size();
  if (end <= begin) return std::nullopt;
  return text.substr(begin, end - begin);
}

std::vector<std::string> SplitText(std::string_view text, char separator, size_t max_pieces) {
  constexpr size_t kPieceMax = 99;
  std::vector<std::string> pieces;
  std::string current;
  for (char c : text) {
    if (pieces.size() >= max_pieces) return pieces;
    if (c == separator) {
      pieces.push_back(current);
      current.clear();
    } else if (current.size() < kPieceMax) {
      current.push_back(c);
    }
  }
  if (!current.empty() && pieces.size() < max_pieces) pieces.push_back(current);
  return pieces;
}

namespace {

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// One %d conversion at `pos`: blanks, sign, at least one digit. Wraps modulo
// 2^32 like a 32-bit accumulator.
bool ScanOneInt(std::string_view text, size_t& pos, int32_t& value) {
  size_t at = pos;
  while (at < text.size() && IsBlank(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
    negative = text[at] == '-';
    ++at;
  }
  if (at >= text.size() || !IsDigit(text[at])) return false;
  uint32_t magnitude = 0;
  while (at < text.size() && IsDigit(text[at])) {
    magnitude = magnitude * 10u + static_cast<uint32_t>(text[at] - '0');
    ++at;
  }
  if (negative) magnitude = 0u - magnitude;
  value = static_cast<int32_t>(magnitude);
  pos = at;
  return true;
}

}  // namespace

size_t ScanIntList(std::string_view text, char separator, int32_t* values, size_t max_values) {
  size_t pos = 0;
  size_t count = 0;
  while (count < max_values) {
    if (count > 0) {
      if (pos >= text.size() || text[pos] != separator) break;
      ++pos;
    }
    int32_t value = 0;
    if (!ScanOneInt(text, pos, value)) break;
    values[count++] = value;
  }
  return count;
}

int32_t LeadingInt(std::string_view text) {
  size_t pos = 0;
  int32_t value = 0;
  return ScanOneInt(text, pos, value) ? value : 0;
}

std::string RemoveQuotes(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (char c : text) {
    if (c != '"') result.push_back(c);
  }
  return result;
}

std::string Format(const char* format, ...) {
  char small[256];
  va_list args;
  va_start(args, format);
  int needed = std::vsnprintf(small, sizeof small, format, args);
  va_end(args);
  if (needed < 0) return {};
  if (static_cast<size_t>(needed) < sizeof small) return std::string(small, needed);
  std::string large(static_cast<size_t>(needed) + 1, '\0');
  va_start(args, format);
  std::vsnprintf(large.data(), large.size(), format, args);
  va_end(args);
  large.resize(static_cast<size_t>(needed));
  return large;
}

void AppendDecimal(std::string& text, int32_t value) {
  char digits[12];  // "-2147483648"
  std::to_chars_result end = std::to_chars(std::begin(digits), std::end(digits), value);
  text.append(digits, end.ptr);
}

std::string FormatIpv4(const std::array<uint8_t, 4>& ip) {
  std::string text;
  for (size_t i = 0; i < ip.size(); ++i) {
    if (i) text.push_back('.');
    AppendDecimal(text, ip[i]);
  }
  return text;
}

}  // namespace ostrevan
