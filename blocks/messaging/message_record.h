// How the SMS Output and EMAIL records carry their message, and how it is
// read back.
//
// Text Message (141 bytes): a length byte and 140 message bytes: TEXT as
// the text's bytes filled up with spaces, PDU(UCS2) as UTF-16 units, high
// byte first, with the length counted in bytes.
// Params Message (164 bytes): length, two date/time flag bytes, the area and
// address of the four variables, 140 bytes of screen text, column and width
// of each variable, one zero byte.
#pragma once

#include <cstddef>
#include <array>
#include <cstdint>
#include <string_view>

#include "blocks/messaging/message_content.h"
#include "core/record.h"

namespace ostrevan {

constexpr size_t kTextMessageBytes = 141;
constexpr size_t kParamsMessageBytes = 164;

// The two blocks differ in how a variable of kind 255 is coded and how
// variable kinds come back from a record.
enum class MessageOwner { kSmsOutput, kMail };

// Area byte and address word of a variable slot in the record.
struct VariableCode {
  uint8_t area = 0xFF;
  uint16_t address = 0xFFFF;
};

VariableCode CodeVariable(const VariableSlot& slot, MessageOwner owner);

// The message length byte of a Params Message: bytes of screen text up to
// the end of the last row that holds text or a variable.
uint8_t ParamsMessageLength(const MessageContent& message, MessageOwner owner);

// Writes a phone number into its fixed slot: cut at a character boundary,
// then zero-filled (no terminator when it fills the slot).
// Over the checked or the raw record cursor.
template <class Out>
void PutNumberSlot(Out& out, std::string_view number, size_t width, const FieldName& name);

template <class Out>
void PutTextMessage(Out& out, const MessageContent& message);
template <class Out>
void PutParamsMessage(Out& out, const MessageContent& message, MessageOwner owner);

// What a Params Message says of its variables besides the screen.
struct VariableCodes {
  std::array<uint8_t, kVariableSlots> areas{};
  std::array<uint16_t, kVariableSlots> addresses{};
  std::array<uint8_t, 2 * kVariableSlots> places{};  // column and width of each, scaled
};

// Read the message at the cursor into `message`, by the message's format: a
// Text Message whole, a Params Message's screen (its variables' codes are
// returned, to be applied once their kinds are known).
// Over the checked or the raw record cursor.
template <class In>
void ReadTextMessage(In& in, MessageContent& message);
template <class In>
VariableCodes ReadParamsMessage(In& in, MessageContent& message);

// Sets the variable slots from their codes. The SMS Output record repeats
// the variables' kinds behind the message (`kinds`); an e-mail's come from
// the area bytes (`kinds` null).
void ApplyVariableCodes(const VariableCodes& codes, const uint8_t* kinds, MessageContent& message,
                        MessageOwner owner);

}  // namespace ostrevan
