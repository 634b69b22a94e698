// INI text read once into an index with the private-profile rules, for
// systems that lack the private-profile calls.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ostrevan::platform {

class IniIndex {
 public:
  // Sections and keys match case-insensitively; only the first section of a
  // name and the first key of a name in it count; values are trimmed, lose
  // one pair of enclosing quotes and are cut to 255 characters.
  static IniIndex Parse(std::string_view ini_text);

  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  // The section names in file order, each name once.
  const std::vector<std::string>& section_names() const { return section_names_; }

 private:
  using Keys = std::map<std::string, std::string>;  // lower-case key -> value
  std::vector<std::string> section_names_;
  std::map<std::string, Keys> sections_;  // by lower-case name
};

// The value of `key` in the first section named `section`, or nothing.
std::optional<std::string> FindIniValue(std::string_view ini_text, std::string_view section,
                                        std::string_view key);

}  // namespace ostrevan::platform
