// INI text read once into an index with the private-profile rules, for
// systems that lack the private-profile calls. The Windows calls are the
// reference for everything below:
//  - a UTF-16 (either byte order) or UTF-8 file announces itself with its
//    byte-order mark and is read in the system's code page; any other file
//    is taken as it is;
//  - CR and LF each end a line; blanks are space, tab, CR, LF, vertical tab,
//    form feed and the end-of-file character 0x1A;
//  - "[name]" opens a section named by the text up to the line's last ']'
//    (trimmed); a '[' line without a later ']' is an ordinary line; lines
//    before the first section belong to a section without a name;
//  - every other line is a key, with its value behind the first '='
//    (trimmed) or with no value; there are no comment lines: ";x=1" is the
//    key ";x";
//  - a NUL ends a section name, a key or a value;
//  - only the first section of a name and the first key of a name in it
//    count (letter case aside), also when that key has no value;
//  - values lose one pair of enclosing quotes (' or ") and are cut to 255
//    characters.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ostrevan::platform {

class IniIndex {
 public:
  static IniIndex Parse(std::string_view file_bytes);

  // The value, or nothing when the section or key is absent or the key has
  // no value.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  // The named sections in file order, each name once.
  const std::vector<std::string>& section_names() const { return section_names_; }

 private:
  using Keys = std::map<std::string, std::optional<std::string>>;  // by lower-case key
  std::vector<std::string> section_names_;
  std::map<std::string, Keys> sections_;  // by lower-case name
};

// The value of `key` in the first section named `section`, or nothing.
std::optional<std::string> FindIniValue(std::string_view file_bytes, std::string_view section,
                                        std::string_view key);

// A value read as the private-profile integer call reads it: the first 29
// characters; leading characters up to the space skipped; one sign; a "0x",
// "0o" or "0b" prefix (lower case) for base 16, 8 or 2; digits up to the
// first that is none, modulo 2^32. No digits read as 0.
int32_t ProfileInt(std::string_view value);

}  // namespace ostrevan::platform
