// The message that the SMS Output and EMAIL blocks send, and its two fields
// of the parameter text: the message field (the text of a Text Message, or
// the screen of a Params Message) and the variable field.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "blocks/messaging/message_screen.h"

namespace ostrevan {

struct MessageContent {
  std::string text;            // the Text Message
  bool text_message = true;    // false: Params Message (the screen)
  uint8_t format = kTextFormat;
  MessageScreen screen;
  bool fbd_style = true;       // false: Ladder Style, the PLC reads VB memory
  int32_t vb_start = 0;
  int32_t vb_max_count = 8;

  bool ucs2() const { return IsUcs2Format(format); }
};

// The longest message field span the blocks read.
constexpr size_t kMessageSpanMax = 259;

// Over TextBuilder or HostText.
template <class Out>
void PutMessageField(Out& text, const MessageContent& message);
// Reads the span by the kind and format the message already has.
void ReadMessageField(std::string_view span, MessageContent& message);

// "," for a Text Message, else the variable groups.
template <class Out>
void PutVariableField(Out& text, const MessageContent& message);
// Only a Params Message reads its variables.
void ReadVariableField(std::string_view span, MessageContent& message);

}  // namespace ostrevan
