// Pieces for writing expected records as hex text: runs of zero bytes and
// texts as their character codes.
#pragma once

#include <cstdio>
#include <string>

namespace ostrevan::testing {

// `count` zero bytes as hex text, each followed by a space.
inline std::string Zeros(size_t count) {
  std::string hex;
  for (size_t i = 0; i < count; ++i) hex += "00 ";
  return hex;
}

// The character codes of `text`, then zero bytes up to `width`.
inline std::string TextField(const std::string& text, size_t width) {
  std::string hex;
  char pair[4];
  for (unsigned char c : text) {
    std::snprintf(pair, sizeof pair, "%02X ", c);
    hex += pair;
  }
  return hex + Zeros(width - text.size());
}

}  // namespace ostrevan::testing
