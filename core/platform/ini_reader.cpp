#include "core/platform/ini_reader.h"

#include "core/text_compare.h"

namespace ostrevan::platform {

namespace {

constexpr size_t kMaxValue = 255;

std::string_view Trim(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = AsciiLower(c);
  return lower;
}

}  // namespace

IniIndex IniIndex::Parse(std::string_view ini_text) {
  IniIndex index;
  Keys* current = nullptr;  // null outside a section and in repeated ones
  while (!ini_text.empty()) {
    size_t end = ini_text.find('\n');
    std::string_view line = Trim(ini_text.substr(0, end));
    ini_text.remove_prefix(end == std::string_view::npos ? ini_text.size() : end + 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      size_t close = line.find(']');
      std::string_view name =
          Trim(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
      auto [at, added] = index.sections_.try_emplace(Lower(name));
      current = added ? &at->second : nullptr;
      if (added) index.section_names_.emplace_back(name);
      continue;
    }
    size_t equals = line.find('=');
    if (!current || equals == std::string_view::npos) continue;
    std::string_view value = Trim(line.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
      value = value.substr(1, value.size() - 2);
    current->try_emplace(Lower(Trim(line.substr(0, equals))), value.substr(0, kMaxValue));
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

std::optional<std::string> FindIniValue(std::string_view ini_text, std::string_view section,
                                        std::string_view key) {
  return IniIndex::Parse(ini_text).Find(section, key);
}

}  // namespace ostrevan::platform
