#include "core/record_header.h"

namespace ostrevan {

uint8_t MakeFlagsByte(int first, int second) {
  uint8_t flags = 0;
  if (first) flags |= 0x80;
  if (second) flags |= 0x40;
  return flags;
}

void PackReference(OperandRef ref, uint8_t* high, uint8_t* low, uint8_t* area) {
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

namespace {

uint8_t StatusAreaOf(int ref) { return ref == 0 ? kStatusArea : kSecondStatusArea; }

const char* StatusReferenceName(int ref) {
  return ref == 0 ? "status reference" : "second status reference";
}

const char* StatusAreaName(int ref) { return ref == 0 ? "status area" : "second status area"; }

}  // namespace

void PutRecordHead(RecordWriter& out, const RecordHead& head, int instance_index) {
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

void PutPinArea(RecordWriter& out, const RecordHead& head) {
  out.PutZeros(static_cast<size_t>(head.input_slots), "input pin areas");
  for (int ref = 0; ref < head.status_refs; ++ref) {
    out.PutU8(StatusAreaOf(ref), StatusAreaName(ref));
  }
}

void PutReservedRun(RecordWriter& out) { out.PutZeros(8, "reserved"); }

uint8_t ReadRecordHead(RecordReader& in, const RecordHead& head) {
  in.GetU16LE("instance index");
  in.GetU8("opcode");
  in.Skip(2 * static_cast<size_t>(head.input_slots), "input slots");
  for (int ref = 0; ref < head.status_refs; ++ref) in.GetU16BE(StatusReferenceName(ref));
  uint8_t flags = in.GetU8("flags");
  in.GetU8("head end");
  return flags;
}

void SkipPinArea(RecordReader& in, const RecordHead& head) {
  in.Skip(static_cast<size_t>(head.input_slots), "input pin areas");
  for (int ref = 0; ref < head.status_refs; ++ref) in.GetU8(StatusAreaName(ref));
}

void SkipReservedRun(RecordReader& in) { in.Skip(8, "reserved"); }

}  // namespace ostrevan
