// Values that the three MQTT blocks code and read the same way.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/canonical_text.h"
#include "core/param_text.h"
#include "core/record.h"

namespace ostrevan::mqtt {

// The network link: 0 Ethernet, 1 the 4G modem.
constexpr uint8_t kLinkEthernet = 0x0B;
constexpr uint8_t kLink4G = 0x20;

inline uint8_t LinkByte(int network) { return network == 1 ? kLink4G : kLinkEthernet; }
inline int NetworkOfLinkByte(uint8_t link) { return link == kLink4G ? 1 : 0; }

// The PLC accepts connection time-outs of 10 to 60 seconds; anything else
// is sent as the default of 10.
inline uint8_t CodedConnectionTimeout(int seconds) {
  return static_cast<uint8_t>(seconds >= 10 && seconds <= 60 ? seconds : 10);
}

inline uint8_t LowByte(int value) { return static_cast<uint8_t>(value); }
inline int AsFlag(int value) { return value != 0 ? 1 : 0; }
inline bool Bit(uint8_t byte, int bit) { return (byte >> bit & 1) != 0; }

// A field's value between its key and the next key (to the end of the text
// when `next_key` is empty), cut to `max_length` characters; nothing when a
// key is missing or the value is empty.
// A view into `text`, which is a std::string_view or a KeyedText.
template <class Text>
std::optional<std::string_view> FieldValue(const Text& text, std::string_view key,
                                           std::string_view next_key, size_t max_length) {
  std::optional<std::string_view> span = FieldSpan(text, key, next_key);
  if (!span) return std::nullopt;
  return span->substr(0, max_length);
}

// Whether a comma in `value` stands before one of `letters`, so that it may
// hold a key the grammar searches for behind it: such a text is left to the
// general parser, whose search would find that key inside the value.
inline bool MayHoldKey(std::string_view value, std::string_view letters) {
  for (size_t at = value.find(','); at != std::string_view::npos && at + 1 < value.size();
       at = value.find(',', at + 1)) {
    if (letters.find(value[at + 1]) != std::string_view::npos) return true;
  }
  return false;
}

// A free text of a text of the printer's shape: up to `next_key`, which
// must follow; false when the text may hold one of the keys of `later`.
// Inline at every call, so that the cursor stays in a register: a text has
// several in a row.
template <size_t N>
[[gnu::always_inline]] inline bool QuickFreeText(CanonicalText& text, const char (&next_key)[N],
                                                 std::string_view later, std::string_view& value) {
  bool holds_comma;
  return text.ThroughKey(next_key, value, holds_comma) &&
         !(holds_comma && MayHoldKey(value, later));
}

// The head Subscribe and Publish share, in a text of the printer's shape:
// the first field's numbers, the three flags of ",B:", then the client's
// identity, user name and password, up to ",F:", which must follow.
// `later` names the letters of the keys behind ",D:" that the general
// grammar searches for ("EF", or "EFGHI" where items follow the topic): a
// free text that may hold one of them is refused. Inline, like
// QuickFreeText, so that the cursor stays in a register.
struct ClientTexts {
  std::string_view id, user, password;
};
template <size_t N>
[[gnu::always_inline]] inline bool QuickClientHead(CanonicalText& text,
                                                   std::array<int32_t, N>& numbers,
                                                   std::array<int32_t, 3>& flags,
                                                   std::string_view later, ClientTexts& texts) {
  return text.Key("A:") && text.Ints(numbers) && text.Key(",B:") && text.Ints(flags) &&
         text.Key(",C:") && QuickFreeText(text, ",D:", later, texts.id) &&
         QuickFreeText(text, ",E:", later.substr(1), texts.user) &&
         QuickFreeText(text, ",F:", later.substr(2), texts.password);
}

// The three texts into the parameters, each cut to `max_length` before its
// quotes go. Inline: most are empty, and a call costs more than clearing.
template <class Params>
[[gnu::always_inline]] inline void AssignClientTexts(const ClientTexts& texts, size_t max_length, Params& params) {
  AssignUnquoted(params.client_id, texts.id.substr(0, max_length));
  AssignUnquoted(params.user_name, texts.user.substr(0, max_length));
  AssignUnquoted(params.password, texts.password.substr(0, max_length));
}

}  // namespace ostrevan::mqtt
