#include "core/text_builder.h"

#include <charconv>

namespace ostrevan {

TextBuilder& TextBuilder::Int(int32_t value) {
  // Most numbers of a text are a single digit.
  if (value >= 0 && value < 10) return Char(static_cast<char>('0' + value));
  char digits[11];  // "-2147483648"
  const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return Text({digits, static_cast<size_t>(end - digits)});
}

TextBuilder& TextBuilder::Spill(std::string_view piece) {
  if (heap_.empty()) {
    heap_.reserve(2 * kCapacity);
    heap_.assign(buffer_, size_);
    size_ = kCapacity;
  }
  heap_.append(piece);
  return *this;
}

std::string FormatIpv4(const std::array<uint8_t, 4>& ip) {
  TextBuilder text;
  PutIpv4(text, ip);
  return text.str();
}

}  // namespace ostrevan
