// The parameter-text grammar that every block shares.
//
// A text is fields "A:" .. "I:" (and ",G%d:"-style groups) separated by
// commas. Fields are found by plain substring search; a field's span runs
// from behind its key to the next key the block looks for. Numbers read like
// scanf's %d (modulo 2^32 on overflow); missing values of a scan read as 0.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/assign_text.h"

namespace ostrevan {

// Texts are at most this many characters; longer input is cut.
constexpr size_t kMaxParamText = 1023;

// The text the host passed, cut at its NUL or at kMaxParamText characters: a
// view of the host's buffer, so it is read before anything is written there.
inline std::string_view ReadParamText(const char* param) {
  if (!param) return {};
  return std::string_view(param, strnlen(param, kMaxParamText));
}

// Copies `text` and a NUL into the host's buffer of `capacity` bytes, cutting
// the text so that it never writes past the buffer. Returns 1.
int WriteParamText(char* param, std::string_view text, uint32_t capacity);

constexpr size_t kNotFound = std::string_view::npos;

// Position of the first occurrence of `key` at or behind `from`, or
// kNotFound: std::string_view::find, made quick for the grammar's keys.
inline size_t FindKey(std::string_view text, std::string_view key, size_t from = 0) {
  if (from > text.size()) return kNotFound;
  if (key.empty()) return from;
  // Keys are ",X:"-like and texts are full of commas: look for the rarer
  // character behind the comma first. The hits come in the same order as
  // the key's places, so the first match is still the first occurrence.
  const size_t anchor = key.size() > 1 && key[0] == ',' ? 1 : 0;
  const char* const begin = text.data();
  for (size_t at = from + anchor; at < text.size();) {
    const void* hit = std::memchr(begin + at, key[anchor], text.size() - at);
    if (!hit) break;
    const size_t place = static_cast<size_t>(static_cast<const char*>(hit) - begin) - anchor;
    if (text.size() - place >= key.size() &&
        std::memcmp(begin + place, key.data(), key.size()) == 0)
      return place;
    at = place + anchor + 1;
  }
  return kNotFound;
}

// The key ",<letter><n>:" of a numbered field, like ",G3:", without a trip
// to the heap: item keys are built on every Code and Decode.
class NumberedKey {
 public:
  NumberedKey(char letter, size_t number);
  operator std::string_view() const { return {text_, size_}; }

  // The length of the key of `number`, without spelling it out.
  static size_t Length(size_t number) {
    size_t digits = 1;
    for (; number >= 10; number /= 10) ++digits;
    return digits + 3;
  }

 private:
  char text_[24];  // ',', the letter, 20 digits at most, ':'
  size_t size_ = 0;
};

// A text to look up many keys in: the commas are indexed once by the
// character behind them, so finding ",G3:" visits only the commas before a
// 'G' instead of the whole text. Find gives exactly what FindKey gives; keys
// that do not start with a comma are searched for plainly.
class KeyedText {
 public:
  explicit KeyedText(std::string_view text);
  KeyedText(const KeyedText&) = delete;
  KeyedText& operator=(const KeyedText&) = delete;

  std::string_view view() const { return text_; }
  size_t Find(std::string_view key, size_t from = 0) const;

  // The first place of each key ",<letter><n>:" for n = 1 .. count, in
  // `first[n - 1]`: what Find gives for each of those keys, in one walk.
  void FindNumberedKeys(char letter, size_t* first, size_t count) const;

 private:
  static constexpr uint16_t kEnd = 0xFFFF;

  std::string_view text_;
  bool indexed_;  // false for texts too long to index
  // Per ASCII character: the first comma before it; per comma: the next
  // comma before the same character.
  std::array<uint16_t, 128> first_;
  // Per ASCII character X: the first ",X:", the grammar's common key.
  std::array<uint16_t, 128> first_field_;
  std::array<uint16_t, kMaxParamText + 1> next_;
};

namespace detail {

// The plain and the indexed text answer the same questions.
struct PlainText {
  std::string_view text;
  std::string_view view() const { return text; }
  size_t Find(std::string_view key, size_t from = 0) const { return FindKey(text, key, from); }
};

template <class Text>
inline size_t FieldAt(const Text& text, std::string_view key) {
  key = key.substr(0, 9);  // keys are formatted into a 10-byte buffer
  size_t at = text.Find(key);
  return at == kNotFound ? kNotFound : at + key.size();
}

// The content behind `key` up to `next_key`; when `next_key` is missing
// behind it, nothing, or the rest of the text when `or_rest`.
template <class Text>
inline std::optional<std::string_view> SpanOf(const Text& text, std::string_view key,
                                       std::string_view next_key, bool or_rest) {
  size_t begin = FieldAt(text, key);
  if (begin == kNotFound) return std::nullopt;
  size_t end = text.view().size();
  if (!next_key.empty()) {
    end = text.Find(next_key.substr(0, 9), begin);
    if (end == kNotFound) {
      if (!or_rest) return std::nullopt;
      end = text.view().size();
    }
  }
  if (end <= begin) return std::nullopt;
  return text.view().substr(begin, end - begin);
}

}  // namespace detail

// Position just behind the first occurrence of `key` (cut to 9 characters),
// or kNotFound.
inline size_t FindField(std::string_view text, std::string_view key) {
  return detail::FieldAt(detail::PlainText{text}, key);
}
size_t FindField(const KeyedText& text, std::string_view key);

// The content between `key` and the next occurrence of `next_key` behind it
// (or the end of the text when `next_key` is empty). Empty when a key is
// missing or the content is empty: such a field is skipped.
inline std::optional<std::string_view> FieldSpan(std::string_view text, std::string_view key,
                                                 std::string_view next_key) {
  return detail::SpanOf(detail::PlainText{text}, key, next_key, false);
}
std::optional<std::string_view> FieldSpan(const KeyedText& text, std::string_view key,
                                          std::string_view next_key);

// Like FieldSpan, but the content runs to the end of the text when
// `next_key` does not occur behind `key`.
inline std::optional<std::string_view> FieldSpanOrRest(std::string_view text,
                                                       std::string_view key,
                                                       std::string_view next_key) {
  return detail::SpanOf(detail::PlainText{text}, key, next_key, true);
}
std::optional<std::string_view> FieldSpanOrRest(const KeyedText& text, std::string_view key,
                                                std::string_view next_key);

// Pieces between separators, each cut to 99 characters; a separator closes a
// piece also when it is empty; an empty remainder is not a piece.
std::vector<std::string> SplitText(std::string_view text, char separator, size_t max_pieces);

// SplitText's pieces as views into `text`, at most N of them, without a
// trip to the heap.
template <size_t N>
struct TextPieces {
  std::array<std::string_view, N> pieces{};
  size_t count = 0;
  size_t size() const { return count; }
  std::string_view operator[](size_t i) const { return pieces[i]; }
};

size_t SplitViews(std::string_view text, char separator, std::string_view* pieces,
                  size_t max_pieces);

template <size_t N>
TextPieces<N> SplitPieces(std::string_view text, char separator) {
  TextPieces<N> result;
  result.count = SplitViews(text, separator, result.pieces.data(), N);
  return result;
}

// Reads up to N integers separated by `separator`, like sscanf with
// "%d<sep>%d...": `values` holds 0 for every value not read.
template <size_t N>
struct ScannedInts {
  std::array<int32_t, N> values{};
  size_t count = 0;
  int32_t operator[](size_t i) const { return values[i]; }
};

size_t ScanIntList(std::string_view text, char separator, int32_t* values, size_t max_values);

template <size_t N>
ScannedInts<N> ScanInts(std::string_view text, char separator = ',') {
  ScannedInts<N> result;
  result.count = ScanIntList(text, separator, result.values.data(), N);
  return result;
}

// Like atoi: leading blanks, a sign, then the digits; 0 when there are none.
int32_t LeadingInt(std::string_view text);

// The text without any double-quote character.
std::string RemoveQuotes(std::string_view text);
// `target` becomes `value` without its double quotes, in place. Most
// values are empty or have no quotes: those take no call.
inline void AssignUnquoted(std::string& target, std::string_view value) {
  if (value.empty())
    target.clear();
  else if (value.find('"') == std::string_view::npos)
    AssignText(target, value);
  else
    target = RemoveQuotes(value);
}

// printf into a std::string, for cold texts (vsnprintf). MinGW builds use
// the C99 printf family, not the system's, so the checks are the GNU ones
// there too; clang knows them as plain printf.
std::string Format(const char* format, ...)
#if defined(__clang__)
    __attribute__((format(printf, 1, 2)))
#elif defined(__GNUC__)
    __attribute__((format(gnu_printf, 1, 2)))
#endif
    ;

// Format, appended to `text` without a text of its own in between.
void AppendFormat(std::string& text, const char* format, ...)
#if defined(__clang__)
    __attribute__((format(printf, 2, 3)))
#elif defined(__GNUC__)
    __attribute__((format(gnu_printf, 2, 3)))
#endif
    ;

// Appends `value` in decimal, as "%d" would write it, without formatted I/O:
// texts are written on every Decode.
void AppendDecimal(std::string& text, int32_t value);

}  // namespace ostrevan
