// Conversion between the system's multibyte code page, in which parameter
// texts hold their 8-bit text, and UTF-16, in which the SMS and e-mail
// records carry PDU(UCS2) messages.
//
// Windows converts with the system's ANSI code page. Other systems use
// Windows-1252 as a fixed code page, so that a development build converts the
// same on every machine: every byte is one character (0x81, 0x8D, 0x8F, 0x90
// and 0x9D stand for the control characters of the same value, as on
// Windows), and a UTF-16 unit that the page cannot show becomes '?'.
// Neither direction fails: invalid input converts to the page's replacement.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ostrevan::platform {

std::u16string MultiByteToUtf16(std::string_view text);
std::string Utf16ToMultiByte(std::u16string_view units);

// True when `byte` opens a double-byte character of the code page.
bool IsLeadByte(uint8_t byte);

// The longest start of `text` of at most `max_bytes` bytes that does not end
// inside a double-byte character.
std::string_view CutMultiByte(std::string_view text, size_t max_bytes);

// The longest start of `units` of at most `max_units` units that does not end
// between the two halves of a surrogate pair.
std::u16string_view CutUtf16(std::u16string_view units, size_t max_units);

}  // namespace ostrevan::platform
