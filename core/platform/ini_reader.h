// A reader of INI text with the private-profile rules, for systems that
// lack the private-profile calls.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ostrevan::platform {

// The value of `key` in the first section named `section` (both compared
// case-insensitively): blanks trimmed, one pair of enclosing quotes removed,
// cut to 255 characters. Nothing when the section or key is absent.
std::optional<std::string> FindIniValue(std::string_view ini_text, std::string_view section,
                                        std::string_view key);

}  // namespace ostrevan::platform
