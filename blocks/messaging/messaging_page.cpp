#include "blocks/messaging/messaging_page.h"

#include <string>
#include <vector>

#include "core/app.h"
#include "core/param_text.h"
#include "editor/editor_view.h"
#include "editor/phone_book_dialog.h"

namespace ostrevan {

using editor::ControlKind;
using editor::LabelId;
using editor::MakeControl;

MessageChildPage* MessagingPage::message_page() const {
  return message_frame_ ? static_cast<MessageChildPage*>(ChildIn(message_frame_)) : nullptr;
}

void MessagingPage::AddReceiverLists(int group_id, const char* group_label, int first_id, int top,
                                     ReceiverTexts& receivers) {
  receiver_group_ = group_id;
  first_receiver_ = first_id;
  receivers_ = &receivers;
  Add(MakeControl(group_id, ControlKind::kGroupBox, group_label, {8, top, 314, 66},
                  editor::kStretchRight));
  // Two columns: 1 to 3 on the left, 4 and 5 on the right.
  for (int k = 0; k < static_cast<int>(kReceiverLists); ++k) {
    const int x = k < 3 ? 16 : 168;
    const int y = top + 12 + (k % 3) * 17;
    const int id = first_id + k;
    Add(MakeControl(LabelId(id), ControlKind::kLabel, Format("%d.Receiver", k + 1),
                    {x, y + 2, 40, 10}));
    Add(MakeControl(id, ControlKind::kDropList, "", {x + 42, y, 100, 80}));
  }
}

void MessagingPage::FillReceiverLists() {
  PhoneBook& book = App().phone_book();
  for (const std::string& receiver : *receivers_) {
    if (!book.Contains(receiver)) book.Add(receiver);
  }
  std::vector<std::string> items;
  for (const PhoneBookEntry& entry : book.entries()) {
    if (!entry.address.empty()) items.push_back(entry.address);
  }
  items.emplace_back();
  for (size_t k = 0; k < kReceiverLists; ++k) {
    const int id = first_receiver_ + static_cast<int>(k);
    SetItems(id, items);
    const std::string& receiver = (*receivers_)[k];
    // A receiver the full phone book could not take stays, unselected.
    for (size_t i = 0; i < items.size(); ++i) {
      if (items[i] == receiver) {
        Select(id, static_cast<int>(i));
        break;
      }
    }
  }
}

void MessagingPage::RefillReceiverLists() {
  if (!receivers_) return;
  const PhoneBook& book = App().phone_book();
  for (std::string& receiver : *receivers_) {
    if (!book.Contains(receiver)) receiver.clear();
  }
  FillReceiverLists();
}

bool MessagingPage::PickReceiver(int id) {
  const int k = id - first_receiver_;
  if (!receivers_ || k < 0 || k >= static_cast<int>(kReceiverLists)) return false;
  PhoneBookMatch match;
  App().phone_book().Lookup(At(id).SelectedText(), match);
  (*receivers_)[k] = match.address;
  return true;
}

void MessagingPage::EnableReceiverLists(bool enabled) {
  for (size_t k = 0; k < kReceiverLists; ++k) {
    const int id = first_receiver_ + static_cast<int>(k);
    Enable(id, enabled);
    Enable(LabelId(id), enabled);
  }
}

bool MessagingPage::RunPhoneBook() {
  editor::EditorView* shown_by = view();
  return shown_by && editor::EditPhoneBook(App().phone_book(), *shown_by);
}

void MessagingPage::AddMessageFrame(int frame_id, editor::Rect rect, MessageBinding binding) {
  message_frame_ = frame_id;
  binding_ = binding;
  Add(MakeControl(frame_id, ControlKind::kFrame, "", rect, editor::kStretchBoth)).visible = false;
}

void MessagingPage::ShowMessagePage(uint8_t format, bool dial) {
  if (MessageChildPage* old = message_page()) old->Store();
  std::unique_ptr<MessageChildPage> page = MakeMessagePage(binding_);
  MessageChildPage* shown = page.get();
  shown->SetFormat(format);
  shown->SetDial(dial);
  SetChild(message_frame_, std::move(page));
  shown->Create();
}

}  // namespace ostrevan
