#include "blocks/mqtt/string_section.h"

#include <algorithm>

#include "blocks/mqtt/mqtt_fields.h"

namespace ostrevan {

namespace {

// The number of bytes a string may take from what is left of the budget.
//
// An empty string always takes one byte (slot length 1), even from a budget
// that is already spent; the budget then stays at 0 rather than going below
// it, so that any later non-empty string is written as a lone NUL with slot
// length 0, exactly like one that follows a budget spent by a long string.
int SlotLength(size_t length, int& left) {
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

}  // namespace

void PutStringSection(RecordWriter& out, const SectionString* strings, size_t count) {
  const size_t lengths_at = out.position();
  out.PutZeros(kStringSlots);
  for (size_t i = count; i < kStringSlots; ++i)
    out.PatchU8(lengths_at + i, 0, "length of an unused string");
  int left = kStringBudget;
  for (size_t i = 0; i < count && i < kStringSlots; ++i) {
    const SectionString& entry = strings[i];
    int slot = SlotLength(entry.text.size(), left);
    size_t characters = slot > 0 ? static_cast<size_t>(slot) - 1 : 0;
    out.PatchU8(lengths_at + i, static_cast<uint8_t>(slot), FieldName(entry.name, " length"));
    // The characters and their NUL: a text field one byte wider than them.
    out.PutFixedText(entry.text.substr(0, characters), characters + 1, entry.name);
  }
}

std::array<std::string, kStringSlots> ReadStringSection(RecordReader& in,
                                                        std::initializer_list<const char*> names) {
  const char* const* const name = names.begin();
  const size_t count = std::min(names.size(), kStringSlots);
  std::array<size_t, kStringSlots> slots{};
  for (size_t i = 0; i < kStringSlots; ++i) {
    slots[i] = in.GetU8(i < count ? FieldName(name[i], " length")
                                  : FieldName("length of an unused string"));
  }
  std::array<std::string, kStringSlots> strings;
  for (size_t i = 0; i < count; ++i) {
    size_t characters = slots[i] > 0 ? slots[i] - 1 : 0;
    strings[i] = in.GetTerminatedText1To127(characters, name[i]);
  }
  return strings;
}

}  // namespace ostrevan
