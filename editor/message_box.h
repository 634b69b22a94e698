// Message boxes as data: what a model wants to tell or ask the user, and
// the answer the view brings back.
#pragma once

#include <string>

namespace ostrevan::editor {

enum class MessageIcon { kNone, kError, kWarning, kQuestion, kInformation };
enum class MessageButtons { kOk, kOkCancel, kYesNo };
enum class MessageAnswer { kOk, kCancel, kYes, kNo };

// The caption of confirmations.
constexpr const char* kApplicationName = "Ostrevan";

struct MessageBox {
  std::string caption;
  std::string text;
  MessageIcon icon = MessageIcon::kNone;
  MessageButtons buttons = MessageButtons::kOk;

  bool operator==(const MessageBox& other) const {
    return caption == other.caption && text == other.text && icon == other.icon &&
           buttons == other.buttons;
  }
};

// A failure the user must see: caption "ERR", error icon, OK.
inline MessageBox ErrorMessage(std::string text) {
  return {"ERR", std::move(text), MessageIcon::kError, MessageButtons::kOk};
}

// A Yes/No question under the application's name.
inline MessageBox Confirmation(std::string text) {
  return {kApplicationName, std::move(text), MessageIcon::kQuestion, MessageButtons::kYesNo};
}

// The framework's standard message for a number edit outside its range,
// shown when the sheet's OK checks the page.
inline MessageBox RangeMessage(long min, long max) {
  return {kApplicationName,
          "Please enter an integer between " + std::to_string(min) + " and " +
              std::to_string(max) + ".",
          MessageIcon::kWarning, MessageButtons::kOk};
}

// Shows message boxes; the view implements it, tests script it.
class MessageService {
 public:
  virtual ~MessageService() = default;
  virtual MessageAnswer ShowMessage(const MessageBox& box) = 0;
};

}  // namespace ostrevan::editor
