// The run of strings at the end of every MQTT record: one slot length byte
// per string (four bytes in all), then the strings, each followed by a NUL.
//
// The strings share a budget of 250 bytes, terminators included. A string
// that does not fit what is left is cut to (left - 1) characters; once the
// budget is spent, a string is written as a lone NUL with slot length 0.
// A reader takes k - 1 characters and one terminator for slot length k, and
// a lone terminator for slot length 0, so it stays in step whatever it reads.
//
// The writer and the reader are templates over the record cursor: the
// checked one of core/record.h or the raw one of core/record_raw.h.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/record.h"

namespace ostrevan {

constexpr size_t kStringSlots = 4;
constexpr int kStringBudget = 250;
// The most bytes a section takes: its lengths, the budget, and a lone NUL
// for each string behind the first once a long first string spent it.
constexpr size_t kLongestStringSection = kStringSlots + kStringBudget + (kStringSlots - 1);

struct SectionString {
  std::string_view text;
  const char* name;  // what the record's explanation calls it
};

// The slot length of a string of `length` characters, from what is `left`
// of the budget, which it then takes.
//
// An empty string always takes one byte (slot length 1), even from a budget
// that is already spent; the budget then stays at 0 rather than going below
// it, so that any later non-empty string is written as a lone NUL with slot
// length 0, exactly like one that follows a budget spent by a long string.
inline int StringSlotLength(size_t length, int& left) {
  int slot;
  if (length == 0) {
    slot = 1;
  } else if (length < static_cast<size_t>(left)) {
    slot = static_cast<int>(length) + 1;
  } else {
    slot = left;
  }
  left = std::max(0, left - slot);
  return slot;
}

// Writes the four slot length bytes and then up to four strings; the slot
// length bytes of missing strings are 0.
template <class Out>
void PutStringSection(Out& out, const SectionString* strings, size_t count) {
  const size_t lengths_at = out.position();
  out.PutZeros(kStringSlots);
  for (size_t i = count; i < kStringSlots; ++i)
    out.PatchU8(lengths_at + i, 0, "length of an unused string");
  int left = kStringBudget;
  for (size_t i = 0; i < count && i < kStringSlots; ++i) {
    const SectionString& entry = strings[i];
    int slot = StringSlotLength(entry.text.size(), left);
    size_t characters = slot > 0 ? static_cast<size_t>(slot) - 1 : 0;
    out.PatchU8(lengths_at + i, static_cast<uint8_t>(slot), FieldName(entry.name, " length"));
    // The characters and their NUL: a text field one byte wider than them.
    out.PutFixedText(entry.text.substr(0, characters), characters + 1, entry.name);
  }
}
template <class Out>
void PutStringSection(Out& out, std::initializer_list<SectionString> strings) {
  PutStringSection(out, strings.begin(), strings.size());
}

// Where a reader puts a string, and its name.
struct SectionTarget {
  std::string* text;
  const char* name;
};

// Reads the slot length bytes and `count` strings (only the bytes 1 to 127
// of each), with the names the writer gives them.
template <class In>
void ReadStringSection(In& in, const SectionTarget* targets, size_t count) {
  count = std::min(count, kStringSlots);
  std::array<size_t, kStringSlots> slots{};
  for (size_t i = 0; i < kStringSlots; ++i) {
    slots[i] = in.GetU8(i < count ? FieldName(targets[i].name, " length")
                                  : FieldName("length of an unused string"));
  }
  for (size_t i = 0; i < count; ++i) {
    size_t characters = slots[i] > 0 ? slots[i] - 1 : 0;
    in.GetTerminatedText1To127(characters, *targets[i].text, targets[i].name);
  }
}

// The bytes a reader of `count` strings walks, from the section's four
// slot length bytes at `section`.
inline size_t StringSectionLength(const uint8_t* section, size_t count) {
  size_t length = kStringSlots;
  // Four steps without a branch: a slot length of 0 walks one byte.
  for (size_t i = 0; i < kStringSlots; ++i) {
    const size_t walked = section[i] + (section[i] == 0);
    length += i < count ? walked : 0;
  }
  return length;
}

// Whether a record of `length` bytes holds the whole section of four
// strings that starts at `strings_at`.
inline bool HoldsStringSection(const uint8_t* record, uint32_t length, size_t strings_at) {
  return length >= strings_at + kStringSlots &&
         strings_at + StringSectionLength(record + strings_at, kStringSlots) <= length;
}

// The four strings Subscribe and Publish both end their records with.
template <class Out, class Params>
void PutClientStrings(Out& out, const Params& params) {
  PutStringSection(out, {{params.client_id, "client ID"},
                         {params.user_name, "user name"},
                         {params.password, "password"},
                         {params.topic, "topic"}});
}

template <class In, class Params>
void ReadClientStrings(In& in, Params& params) {
  const SectionTarget strings[] = {{&params.client_id, "client ID"},
                                   {&params.user_name, "user name"},
                                   {&params.password, "password"},
                                   {&params.topic, "topic"}};
  ReadStringSection(in, strings, kStringSlots);
}

}  // namespace ostrevan
