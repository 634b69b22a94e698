// How a local data operand's index travels in a record next to the word
// order: the low 8 index bits in one byte, and in another the index bits 8
// to 13 above bit 1 (always 0) and bit 0 (set for "Low High" order).
#pragma once

#include <cstdint>

namespace ostrevan {

constexpr uint8_t DataIndexLowByte(uint32_t index) { return static_cast<uint8_t>(index & 0xFF); }

constexpr uint8_t DataIndexHighAndOrder(uint32_t index, bool high_low) {
  return static_cast<uint8_t>(((index >> 8) & 0x3F) << 2 | (high_low ? 0 : 1));
}

// The 14-bit index back from the two bytes; the order bits are ignored.
constexpr uint16_t DataIndexFromBytes(uint8_t low, uint8_t high_and_order) {
  return static_cast<uint16_t>((high_and_order >> 2) << 8 | low);
}

}  // namespace ostrevan
