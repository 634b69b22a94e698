// What the SMS and e-mail pages share: the five receiver lists tied to the
// phone book, the "Phonebook" button, and the frame that shows the message
// page of the chosen style (text or screen for "FBD Style", VB memory for
// "Ladder Style").
//
// Receiver lists: the block's receivers that the phone book lacks are added
// to it first; each list then offers the addresses of all used entries in
// entry order and one empty item, with the block's receiver selected. A
// picked item goes through the phone book lookup, whose address becomes the
// receiver. After the phone book dialog the lists are filled anew and each
// receiver the book no longer holds is emptied.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "blocks/messaging/message_pages.h"
#include "editor/page.h"

namespace ostrevan {

constexpr size_t kReceiverLists = 5;
using ReceiverTexts = std::array<std::string, kReceiverLists>;

// The value of the page notification that means: the phone book changed.
constexpr uintptr_t kPhoneBookChanged = 999;

class MessagingPage : public editor::PageModel {
 public:
  // The message page in the frame, or null.
  MessageChildPage* message_page() const;

 protected:
  using PageModel::PageModel;

  // A group box "Send status message to" (or `group_label`) at `top` with
  // the lists `first_id` .. `first_id` + 4, labelled "1.Receiver" ..
  // "5.Receiver", bound to `receivers`.
  void AddReceiverLists(int group_id, const char* group_label, int first_id, int top,
                        ReceiverTexts& receivers);
  void FillReceiverLists();
  // After the phone book changed.
  void RefillReceiverLists();
  // True when `id` is one of the lists (the pick is then taken).
  bool PickReceiver(int id);
  void EnableReceiverLists(bool enabled);
  // Runs the phone book dialog on the plug-in's phone book; true after OK.
  bool RunPhoneBook();

  // The frame at `rect` that shows the message page for `message`.
  void AddMessageFrame(int frame_id, editor::Rect rect, MessageBinding binding);
  // Replaces the message page by one of the binding's style, told `format`
  // and `dial`; the page it replaces stores into the binding first.
  void ShowMessagePage(uint8_t format, bool dial);

 private:
  int receiver_group_ = 0;
  int first_receiver_ = 0;
  ReceiverTexts* receivers_ = nullptr;
  int message_frame_ = 0;
  MessageBinding binding_;
};

}  // namespace ostrevan
