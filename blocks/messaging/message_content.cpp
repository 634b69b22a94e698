#include "blocks/messaging/message_content.h"

#include "core/param_text.h"
#include "core/text_builder.h"

namespace ostrevan {

void PutMessageField(TextBuilder& text, const MessageContent& message) {
  if (message.text_message) {
    text.Text(message.text);
  } else {
    PutScreenField(text, message.screen, message.ucs2());
  }
}

void ReadMessageField(std::string_view span, MessageContent& message) {
  span = span.substr(0, kMessageSpanMax);
  if (message.text_message) {
    message.text = RemoveQuotes(span);
  } else {
    ReadScreenField(span, message.ucs2(), message.screen);
  }
}

void PutVariableField(TextBuilder& text, const MessageContent& message) {
  if (message.text_message) {
    text.Char(',');
  } else {
    PutVariableGroups(text, message.screen, message.ucs2());
  }
}

void ReadVariableField(std::string_view span, MessageContent& message) {
  if (!message.text_message) ReadVariableGroups(span, message.ucs2(), message.screen);
}

}  // namespace ostrevan
