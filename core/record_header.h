// The head every code record starts with, and the pin area bytes and the
// reserved run that every record carries at a place of its own.
//
// Head: instance index (u16 LE), opcode, I input slots (2 zero bytes each),
// S status references (PackReference of the status area and the instance
// index, high byte first), flags byte, one zero byte.
#pragma once

#include <cstdint>

#include "core/record.h"

namespace ostrevan {

struct OperandRef {
  uint8_t area = 0;
  uint16_t index = 0;
};

// Bit 7 for `first`, bit 6 for `second`; blocks OR their own low bits in.
uint8_t MakeFlagsByte(int first, int second);

// With `area` given the word is index & 0x3FF and the area goes out whole;
// without it the area's low 5 bits are packed above bit 10.
void PackReference(OperandRef ref, uint8_t* high, uint8_t* low, uint8_t* area);

constexpr uint8_t kStatusArea = 7;
constexpr uint8_t kSecondStatusArea = 13;

struct RecordHead {
  uint8_t opcode = 0;
  int input_slots = 1;     // I: 1 or 2
  int status_refs = 1;     // S: 1 or 2 (the second has status area 13)
  uint8_t flag_bits = 0;   // ORed into MakeFlagsByte(0, 0)
};

// Writes the head for `instance_index` (already admitted, so not negative).
void PutRecordHead(RecordWriter& out, const RecordHead& head, int instance_index);

// One zero byte per input slot, then the status area of each status reference.
void PutPinArea(RecordWriter& out, const RecordHead& head);

// Eight zero bytes.
void PutReservedRun(RecordWriter& out);

// The same three read back: the head and the pin area are skipped by name;
// the head's flags byte is returned, since some blocks keep a setting there.
uint8_t ReadRecordHead(RecordReader& in, const RecordHead& head);
void SkipPinArea(RecordReader& in, const RecordHead& head);
void SkipReservedRun(RecordReader& in);

}  // namespace ostrevan
