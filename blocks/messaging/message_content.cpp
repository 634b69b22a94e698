#include "blocks/messaging/message_content.h"

#include "core/host_text.h"
#include "core/param_text.h"
#include "core/text_builder.h"

namespace ostrevan {

template <class Out>
void PutMessageField(Out& text, const MessageContent& message) {
  if (message.text_message) {
    text.Text(message.text);
  } else {
    PutScreenField(text, message.screen, message.ucs2());
  }
}

void ReadMessageField(std::string_view span, MessageContent& message) {
  span = span.substr(0, kMessageSpanMax);
  if (message.text_message) {
    AssignUnquoted(message.text, span);
  } else {
    ReadScreenField(span, message.ucs2(), message.screen);
  }
}

template <class Out>
void PutVariableField(Out& text, const MessageContent& message) {
  if (message.text_message) {
    text.Char(',');
  } else {
    PutVariableGroups(text, message.screen, message.ucs2());
  }
}

void ReadVariableField(std::string_view span, MessageContent& message) {
  if (!message.text_message) ReadVariableGroups(span, message.ucs2(), message.screen);
}

template void PutMessageField(TextBuilder&, const MessageContent&);
template void PutMessageField(HostText&, const MessageContent&);
template void PutVariableField(TextBuilder&, const MessageContent&);
template void PutVariableField(HostText&, const MessageContent&);

}  // namespace ostrevan
