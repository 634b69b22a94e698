// The receivers offered by the SMS and e-mail editors: 200 entries of
// (label, address, spare) that live in memory for one code generation.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace ostrevan {

struct PhoneBookEntry {
  std::string label;
  std::string address;
  std::string spare;
  bool operator==(const PhoneBookEntry& other) const {
    return label == other.label && address == other.address && spare == other.spare;
  }
};

constexpr size_t kPhoneBookSize = 200;

struct PhoneBookMatch {
  std::string label;
  std::string address;
  int index = 0;  // -1 for an empty text; untouched when nothing matched
};

class PhoneBook {
 public:
  using Entries = std::array<PhoneBookEntry, kPhoneBookSize>;

  PhoneBook() { Reset(); }

  // All entries emptied; entry 0 becomes ("default", "+41000000000", "").
  void Reset();
  bool Contains(std::string_view address) const;
  void Add(std::string_view address);
  // Fills `match` (whose texts the caller emptied) as the receiver lists do
  // when the user picks an item.
  void Lookup(std::string_view text, PhoneBookMatch& match) const;

  Entries& entries() { return entries_; }
  const Entries& entries() const { return entries_; }

 private:
  Entries entries_;
};

}  // namespace ostrevan
