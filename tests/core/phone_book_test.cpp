#include "core/phone_book.h"

#include <gtest/gtest.h>

namespace ostrevan {
namespace {

TEST(PhoneBook, AddsToTheFirstFreeEntryUntilFullAndResetsToTheDefaultEntry) {
  PhoneBook book;
  book.Add("");
  EXPECT_FALSE(book.Contains(""));
  book.entries()[1].label = "kept";
  book.Add("a@b.example");
  EXPECT_EQ(book.entries()[1], (PhoneBookEntry{"kept", "a@b.example", ""}));
  EXPECT_TRUE(book.Contains("a@b.example"));
  EXPECT_FALSE(book.Contains("A@b.example"));  // addresses match with case
  for (int i = 2; i < 200; ++i) book.Add("n" + std::to_string(i));
  book.Add("one too many");
  EXPECT_FALSE(book.Contains("one too many"));
  EXPECT_TRUE(book.Contains("n199"));
  book.entries()[0].label = "changed";
  book.Reset();
  EXPECT_EQ(book.entries()[0], (PhoneBookEntry{"default", "+41000000000", ""}));
  EXPECT_EQ(book.entries()[1], PhoneBookEntry{});
}

TEST(PhoneBook, LookupOfPickedItems) {
  PhoneBook book;
  book.Add("Max,+4912");
  book.entries()[1].label = "max";
  const struct {
    const char* text;
    const char* label;
    const char* address;
    int index;
  } cases[] = {
      {"", "", "", -1},
      {"+4912", "", "+4912", 77},         // no comma: the text itself, index untouched
      {",+4912", "", ",+4912", 77},       // a comma first: likewise
      {"max,+4912", "max", "Max,+4912", 1},  // whole text, without case
      {"Max,", "", "", 77},               // nothing behind the comma
      {"Other,+1", "", "", 77},           // no entry
  };
  for (const auto& c : cases) {
    PhoneBookMatch match;
    match.index = 77;
    book.Lookup(c.text, match);
    EXPECT_EQ(match.label, c.label) << c.text;
    EXPECT_EQ(match.address, c.address) << c.text;
    EXPECT_EQ(match.index, c.index) << c.text;
  }
}

}  // namespace
}  // namespace ostrevan
