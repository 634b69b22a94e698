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

}  // namespace

std::optional<std::string> FindIniValue(std::string_view ini_text, std::string_view section,
                                        std::string_view key) {
  bool in_section = false;
  bool seen_section = false;
  while (!ini_text.empty()) {
    size_t end = ini_text.find('\n');
    std::string_view line = Trim(ini_text.substr(0, end));
    ini_text.remove_prefix(end == std::string_view::npos ? ini_text.size() : end + 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      size_t close = line.find(']');
      std::string_view name = Trim(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1));
      // Only the first section of a name is read, like the system calls.
      if (in_section) return std::nullopt;
      in_section = !seen_section && EqualsNoCase(name, section);
      seen_section = seen_section || in_section;
      continue;
    }
    if (!in_section) continue;
    size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    if (!EqualsNoCase(Trim(line.substr(0, equals)), key)) continue;
    std::string_view value = Trim(line.substr(equals + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
      value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, kMaxValue));
  }
  return std::nullopt;
}

}  // namespace ostrevan::platform
