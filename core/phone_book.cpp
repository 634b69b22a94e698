#include "core/phone_book.h"

#include "core/text_compare.h"

namespace ostrevan {

void PhoneBook::Reset() {
  entries_.fill(PhoneBookEntry{});
  entries_[0] = PhoneBookEntry{"default", "+41000000000", ""};
}

bool PhoneBook::Contains(std::string_view address) const {
  if (address.empty()) return false;
  for (const PhoneBookEntry& entry : entries_) {
    if (entry.address == address) return true;
  }
  return false;
}

void PhoneBook::Add(std::string_view address) {
  if (address.empty()) return;
  for (PhoneBookEntry& entry : entries_) {
    if (entry.address.empty()) {
      entry.address = std::string(address);
      return;
    }
  }
}

void PhoneBook::Lookup(std::string_view text, PhoneBookMatch& match) const {
  if (text.empty()) {
    match.index = -1;
    return;
  }
  size_t comma = text.find(',');
  if (comma == std::string_view::npos || comma == 0) {
    match.address = std::string(text);
    return;
  }
  if (comma + 1 >= text.size()) return;  // nothing behind the comma
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (EqualsNoCase(entries_[i].address, text)) {
      match.label = entries_[i].label;
      match.address = entries_[i].address;
      match.index = static_cast<int>(i);
      return;
    }
  }
}

}  // namespace ostrevan
