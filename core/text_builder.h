// Builds a parameter text from its pieces in a buffer on the stack. A text is
// a few dozen short pieces, keys and decimal numbers; printing them through
// a format string and growing a std::string costs more than the rest of a
// Decode. Texts longer than the buffer move to the heap and go on growing.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/param_text.h"

namespace ostrevan {

class TextBuilder {
 public:
  TextBuilder() = default;
  TextBuilder(const TextBuilder&) = delete;
  TextBuilder& operator=(const TextBuilder&) = delete;

  TextBuilder& Text(std::string_view piece) {
    if (piece.size() > kCapacity - size_) return Spill(piece);
    std::char_traits<char>::copy(buffer_ + size_, piece.data(), piece.size());
    size_ += piece.size();
    return *this;
  }
  template <typename... Pieces>
  TextBuilder& Texts(const Pieces&... pieces) {
    (Text(pieces), ...);
    return *this;
  }
  TextBuilder& Char(char c) {
    if (size_ == kCapacity) return Spill({&c, 1});
    buffer_[size_++] = c;
    return *this;
  }
  // Writes `value` as %d does.
  TextBuilder& Int(int32_t value);
  // Writes the values as "%d,%d,...": a bool as 0 or 1, an unsigned value
  // as %d reads its bits.
  template <char Separator = ',', typename First, typename... Rest>
  TextBuilder& Ints(First first, Rest... rest) {
    Int(static_cast<int32_t>(first));
    ((Char(Separator), Int(static_cast<int32_t>(rest))), ...);
    return *this;
  }

  std::string_view view() const {
    return heap_.empty() ? std::string_view(buffer_, size_) : std::string_view(heap_);
  }
  std::string str() const { return std::string(view()); }

 private:
  // Room for any text the host can hold; longer ones spill.
  static constexpr size_t kCapacity = kMaxParamText + 1;

  // Moves the text to heap_ and appends `piece` there. The buffer then
  // counts as full, so that every later piece comes here too.
  TextBuilder& Spill(std::string_view piece);

  char buffer_[kCapacity];
  size_t size_ = 0;
  std::string heap_;  // the whole text once it has outgrown buffer_
};

// "%d.%d.%d.%d" of four bytes, into a TextBuilder or a HostText.
template <class Out>
void PutIpv4(Out& text, const std::array<uint8_t, 4>& ip) {
  text.template Ints<'.'>(ip[0], ip[1], ip[2], ip[3]);
}
std::string FormatIpv4(const std::array<uint8_t, 4>& ip);

}  // namespace ostrevan
