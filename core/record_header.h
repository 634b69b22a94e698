// The head every code record starts with, and the pin area bytes and the
// reserved run that every record carries at a place of its own.
//
// Head: instance index (u16 LE), opcode, I input slots (2 zero bytes each),
// S status references (PackReference of the status area and the instance
// index, high byte first), flags byte, one zero byte.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/record.h"

namespace ostrevan {

struct OperandRef {
  uint8_t area = 0;
  uint16_t index = 0;
};

// Bit 7 for `first`, bit 6 for `second`; blocks OR their own low bits in.
constexpr uint8_t MakeFlagsByte(int first, int second) {
  return static_cast<uint8_t>((first ? 0x80 : 0) | (second ? 0x40 : 0));
}

// With `area` given the word is index & 0x3FF and the area goes out whole;
// without it the area's low 5 bits are packed above bit 10.
inline void PackReference(OperandRef ref, uint8_t* high, uint8_t* low, uint8_t* area) {
  uint16_t word;
  if (area) {
    *area = ref.area;
    word = static_cast<uint16_t>(ref.index & 0x3FF);
  } else {
    word = static_cast<uint16_t>((ref.area & 0x1F) << 11 | (ref.index & 0x3FF));
  }
  if (high) *high = static_cast<uint8_t>(word >> 8);
  if (low) *low = static_cast<uint8_t>(word);
}

constexpr uint8_t kStatusArea = 7;
constexpr uint8_t kSecondStatusArea = 13;

struct RecordHead {
  uint8_t opcode = 0;
  int input_slots = 1;     // I: 1 or 2
  int status_refs = 1;     // S: 1 or 2 (the second has status area 13)
  uint8_t flag_bits = 0;   // ORed into MakeFlagsByte(0, 0)
};

constexpr uint8_t StatusAreaOf(int ref) { return ref == 0 ? kStatusArea : kSecondStatusArea; }
constexpr const char* StatusReferenceName(int ref) {
  return ref == 0 ? "status reference" : "second status reference";
}
constexpr const char* StatusAreaName(int ref) {
  return ref == 0 ? "status area" : "second status area";
}

// The writers and readers are templates over the record cursor: the checked
// one of core/record.h or the raw one of core/record_raw.h. They are inline
// at every call, where the block's head is a constant: the raw cursor then
// writes a head in a dozen stores.

// Writes the head for `instance_index` (already admitted, so not negative).
template <class Out>
[[gnu::always_inline]] inline void PutRecordHead(Out& out, const RecordHead& head,
                                                 int instance_index) {
  out.PutU16LE(static_cast<uint16_t>(instance_index), "instance index");
  out.PutU8(head.opcode, "opcode");
  out.PutZeros(2 * static_cast<size_t>(head.input_slots), "input slots");
  for (int ref = 0; ref < head.status_refs; ++ref) {
    OperandRef status{StatusAreaOf(ref), static_cast<uint16_t>(instance_index)};
    uint8_t high = 0, low = 0, area = 0;
    PackReference(status, &high, &low, &area);
    out.PutU16BE(static_cast<uint16_t>(high << 8 | low), StatusReferenceName(ref));
  }
  out.PutU8(MakeFlagsByte(0, 0) | head.flag_bits, "flags");
  out.PutU8(0, "head end");
}

// One zero byte per input slot, then the status area of each status reference.
template <class Out>
[[gnu::always_inline]] inline void PutPinArea(Out& out, const RecordHead& head) {
  out.PutZeros(static_cast<size_t>(head.input_slots), "input pin areas");
  for (int ref = 0; ref < head.status_refs; ++ref) out.PutU8(StatusAreaOf(ref), StatusAreaName(ref));
}

// Eight zero bytes.
template <class Out>
void PutReservedRun(Out& out) {
  out.PutZeros(8, "reserved");
}

// The same three read back: the head and the pin area are skipped by name;
// the head's flags byte is returned, since some blocks keep a setting there.
template <class In>
[[gnu::always_inline]] inline uint8_t ReadRecordHead(In& in,
                                                     const RecordHead& head) {
  in.GetU16LE("instance index");
  in.GetU8("opcode");
  in.Skip(2 * static_cast<size_t>(head.input_slots), "input slots");
  for (int ref = 0; ref < head.status_refs; ++ref) in.GetU16BE(StatusReferenceName(ref));
  uint8_t flags = in.GetU8("flags");
  in.GetU8("head end");
  return flags;
}

template <class In>
[[gnu::always_inline]] inline void SkipPinArea(In& in, const RecordHead& head) {
  in.Skip(static_cast<size_t>(head.input_slots), "input pin areas");
  for (int ref = 0; ref < head.status_refs; ++ref) in.GetU8(StatusAreaName(ref));
}

template <class In>
void SkipReservedRun(In& in) {
  in.Skip(8, "reserved");
}

}  // namespace ostrevan
