#include "core/platform/ini_reader.h"

#include "core/platform/code_page.h"
#include "core/text_compare.h"

namespace ostrevan::platform {

namespace {

constexpr size_t kMaxValue = 255;
constexpr size_t kIntegerChars = 29;  // the integer call reads a 30-character buffer

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == 0x1A;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = AsciiLower(c);
  return lower;
}

// UTF-8 to UTF-16; a byte that starts no valid sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view bytes) {
  std::u16string units;
  units.reserve(bytes.size());
  size_t i = 0;
  auto continuation = [&](size_t at) {
    return at < bytes.size() && (static_cast<uint8_t>(bytes[at]) & 0xC0) == 0x80;
  };
  while (i < bytes.size()) {
    uint8_t lead = static_cast<uint8_t>(bytes[i]);
    int extra = lead < 0x80 ? 0 : lead >= 0xC2 && lead <= 0xDF ? 1 : lead >= 0xE0 && lead <= 0xEF ? 2
              : lead >= 0xF0 && lead <= 0xF4 ? 3 : -1;
    bool whole = extra >= 0;
    for (int k = 1; whole && k <= extra; ++k) whole = continuation(i + k);
    uint32_t code = 0;
    if (whole) {
      code = extra == 0 ? lead : lead & (0x3F >> extra);
      for (int k = 1; k <= extra; ++k) code = (code << 6) | (static_cast<uint8_t>(bytes[i + k]) & 0x3F);
      constexpr uint32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
      whole = code >= kSmallest[extra] && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
    }
    if (!whole) {
      units.push_back(u'\xFFFD');
      ++i;
      continue;
    }
    if (code >= 0x10000) {
      code -= 0x10000;
      units.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
      units.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
    } else {
      units.push_back(static_cast<char16_t>(code));
    }
    i += static_cast<size_t>(extra) + 1;
  }
  return units;
}

std::u16string Utf16Units(std::string_view bytes, bool big_endian) {
  std::u16string units;
  units.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    auto first = static_cast<uint8_t>(bytes[i]), second = static_cast<uint8_t>(bytes[i + 1]);
    units.push_back(static_cast<char16_t>(big_endian ? first << 8 | second : second << 8 | first));
  }
  return units;
}

// The file's text in the system's code page, as the private-profile calls
// hand it out.
std::string TextOfFile(std::string_view bytes) {
  auto starts = [&](std::string_view mark) { return bytes.substr(0, mark.size()) == mark; };
  if (starts("\xFF\xFE")) return Utf16ToMultiByte(Utf16Units(bytes.substr(2), false));
  if (starts("\xFE\xFF")) return Utf16ToMultiByte(Utf16Units(bytes.substr(2), true));
  if (starts("\xEF\xBB\xBF")) return Utf16ToMultiByte(Utf8ToUtf16(bytes.substr(3)));
  return std::string(bytes);
}

std::string Unquoted(std::string_view value) {
  value = UpToNul(value);
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return std::string(value.substr(0, kMaxValue));
}

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 99;
}

}  // namespace

IniIndex IniIndex::Parse(std::string_view file_bytes) {
  const std::string text = TextOfFile(file_bytes);
  IniIndex index;
  // Lines before the first section belong to the section without a name.
  Keys* current = &index.sections_[std::string()];
  std::string_view rest = text;
  while (!rest.empty()) {
    size_t end = rest.find_first_of("\r\n");
    std::string_view line = Trim(rest.substr(0, end));
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end);
    while (!rest.empty() && (rest.front() == '\r' || rest.front() == '\n')) rest.remove_prefix(1);
    if (line.empty()) continue;

    size_t close = line.rfind(']');
    if (line.front() == '[' && close != std::string_view::npos && close > 0) {
      std::string_view name = UpToNul(Trim(line.substr(1, close - 1)));
      auto [at, added] = index.sections_.try_emplace(Lower(name));
      current = added ? &at->second : nullptr;  // a repeated section is never read
      if (added && !name.empty()) index.section_names_.emplace_back(name);
      continue;
    }
    if (!current) continue;
    size_t equals = line.find('=');
    std::string_view key = UpToNul(Trim(line.substr(0, equals)));
    std::optional<std::string> value;
    if (equals != std::string_view::npos) value = Unquoted(Trim(line.substr(equals + 1)));
    current->try_emplace(Lower(key), std::move(value));
  }
  return index;
}

std::optional<std::string> IniIndex::Find(std::string_view section, std::string_view key) const {
  auto keys = sections_.find(Lower(section));
  if (keys == sections_.end()) return std::nullopt;
  auto value = keys->second.find(Lower(key));
  if (value == keys->second.end()) return std::nullopt;
  return value->second;
}

std::optional<std::string> FindIniValue(std::string_view file_bytes, std::string_view section,
                                        std::string_view key) {
  return IniIndex::Parse(file_bytes).Find(section, key);
}

int32_t ProfileInt(std::string_view value) {
  value = value.substr(0, kIntegerChars);
  size_t at = 0;
  while (at < value.size() && static_cast<uint8_t>(value[at]) <= ' ') ++at;
  bool negative = false;
  if (at < value.size() && (value[at] == '+' || value[at] == '-')) negative = value[at++] == '-';
  int base = 10;
  if (value.substr(at, 2) == "0x") base = 16;
  if (value.substr(at, 2) == "0o") base = 8;
  if (value.substr(at, 2) == "0b") base = 2;
  if (base != 10) at += 2;
  uint32_t result = 0;
  for (; at < value.size() && DigitValue(value[at]) < base; ++at)
    result = result * static_cast<uint32_t>(base) + static_cast<uint32_t>(DigitValue(value[at]));
  if (negative) result = 0u - result;
  return static_cast<int32_t>(result);
}

}  // namespace ostrevan::platform
