#include "blocks/messaging/message_content.h"

#include "core/param_text.h"

namespace ostrevan {

std::string MessageFieldText(const MessageContent& message) {
  if (message.text_message) return message.text;
  return ScreenFieldText(message.screen, message.ucs2());
}

void ReadMessageField(std::string_view span, MessageContent& message) {
  span = span.substr(0, kMessageSpanMax);
  if (message.text_message) {
    message.text = RemoveQuotes(span);
  } else {
    ReadScreenField(span, message.ucs2(), message.screen);
  }
}

std::string VariableFieldText(const MessageContent& message) {
  if (message.text_message) return ",";
  return VariableGroupsText(message.screen, message.ucs2());
}

void ReadVariableField(std::string_view span, MessageContent& message) {
  if (!message.text_message) ReadVariableGroups(span, message.ucs2(), message.screen);
}

}  // namespace ostrevan
