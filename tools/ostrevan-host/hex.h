// Records as hex text: "76 01 ..." out, and any hex digits in.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ostrevan::host {

std::string ToHex(const uint8_t* bytes, size_t count, char separator = ' ');

// Hex digit pairs; blanks, ':' and '-' between pairs are ignored. Nothing
// for any other character or an odd number of digits.
std::optional<std::vector<uint8_t>> ParseHex(std::string_view text);

}  // namespace ostrevan::host
