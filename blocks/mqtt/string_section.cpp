#include "blocks/mqtt/string_section.h"

#include <algorithm>

namespace ostrevan {

// An empty string always takes one byte (slot length 1), even from a budget
// that is already spent; the budget then stays at 0 rather than going below
// it, so that any later non-empty string is written as a lone NUL with slot
// length 0, exactly like one that follows a budget spent by a long string.
int StringSlotLength(size_t length, int& left) {
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

}  // namespace ostrevan
