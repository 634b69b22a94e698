#include "blocks/memory/memory_write_entity.h"

#include <array>

#include "blocks/memory/memory_write_page.h"
#include "core/canonical_text.h"
#include "core/host_text.h"
#include "core/param_text.h"
#include "core/record_header.h"
#include "core/record_raw.h"
#include "core/text_builder.h"
#include "editor/editor_view.h"

namespace ostrevan {

namespace {

constexpr RecordHead kHead{0x43, 2, 1, 0x00};
constexpr uint8_t kWriteModeBit = 0x01;
constexpr uint8_t kExternalCardBit = 0x40;

// Segment A: the seven file options, then write mode and format.
constexpr size_t kSegmentACount = kFileOptionCount + 2;

// Segment B runs from "B:" to the first "C:" behind it and ends with the
// comma before "C:"; a separator that is a comma itself stands before it.
char ReadSeparator(std::string_view span) {
  std::string_view content = span.substr(0, span.size() - 1);
  return content.empty() ? '\0' : content.front();
}

uint8_t OptionsByte(const MemoryWriteParams& params) {
  uint8_t options = params.write_mode;  // the whole value goes in, not only bit 0
  if (params.auxiliary) options |= kAuxiliaryBit;
  if (params.save_time) options |= kSaveTimeBit;
  if (!params.internal_card) options |= kExternalCardBit;
  return options;
}

}  // namespace

MemoryWriteParams MemoryWriteDefaults() {
  MemoryWriteParams params;
  params.file_name = CardFileNameNow();
  return params;
}

MemoryWriteParams ParseMemoryWriteText(std::string_view whole) {
  const KeyedText text(whole);
  // The default file name reads the clock: only a text without a name needs it.
  MemoryWriteParams params;
  if (auto span = FieldSpan(text, "A:", ",B:")) {
    ScannedInts<kSegmentACount> scanned = ScanInts<kSegmentACount>(*span);
    ApplyFileOptions(scanned, params);
    params.write_mode = static_cast<uint8_t>(scanned[7]);
    params.format = static_cast<uint32_t>(scanned[8]);
  }
  if (auto span = FieldSpan(text, "B:", "C:")) params.separator = ReadSeparator(*span);
  if (auto span = FieldSpan(text, ",C:", ",D:")) ReadOperandSegment(*span, params);
  if (auto span = FieldSpan(text, "D:", ",E:"))
    params.file_name = CardText(*span, kCardFileNameWidth);
  else
    params.file_name = CardFileNameNow();
  if (auto span = FieldSpan(text, ",E:", "")) params.title = CardText(*span, kCardTitleWidth);
  return params;
}

bool MemoryWriteCodec::QuickParse(std::string_view whole, Params& params) {
  CanonicalText text(whole);
  ScannedInts<kSegmentACount> head;
  if (!text.Key("A:") || !text.Ints(head.values) || !text.Key(",B:")) return false;
  head.count = kSegmentACount;
  ApplyFileOptions(head, params);
  params.write_mode = static_cast<uint8_t>(head[7]);
  params.format = static_cast<uint32_t>(head[8]);
  // One separator character or none, then ",C:".
  params.separator = '\0';
  if (!text.Key(",C:")) {
    params.separator = text.Peek();
    if (params.separator == '\0') return false;
    text.Skip();
    if (!text.Key(",C:")) return false;
  }
  std::array<int32_t, 4> operand;
  if (!text.Ints(operand) || !text.Key(",D:")) return false;
  params.record_index = static_cast<uint32_t>(operand[0]);
  params.area_code = static_cast<uint32_t>(operand[1]);
  params.index = static_cast<uint32_t>(operand[2]);
  params.count = static_cast<uint32_t>(operand[3]);
  // The name runs to the first ",E:", the title to the end; an empty name
  // is taken from the clock, the general way.
  const std::string_view name = text.UpTo(",E:");
  if (name.empty() || !text.Key(",E:")) return false;
  params.file_name = CardText(name, kCardFileNameWidth);
  const std::string_view title = text.UpTo("");
  if (!title.empty()) params.title = CardText(title, kCardTitleWidth);
  return true;
}

std::string MemoryWriteText(const MemoryWriteParams& params) {
  TextBuilder text;
  MemoryWriteCodec::Print(text, params);
  return text.str();
}

template <class Out>
void MemoryWriteCodec::Print(Out& text, const Params& params) {
  text.Text("A:");
  PutFileOptions(text, params);
  text.Char(',').Ints(params.write_mode, params.format);
  text.Text(",B:");
  PutSeparator(text, params.separator);
  text.Text(",C:");
  PutOperandSegment(text, params);
  text.Text(",D:").Text(params.file_name).Text(",E:").Text(params.title);
}

bool MemoryWriteCodec::Edit(Params& params) {
  return editor::EditInActiveView(params, EditMemoryWrite);
}

template <class Out>
void MemoryWriteCodec::Write(Out& out, const Params& params, const BlockPlace& place) {
  PutRecordHead(out, kHead, place.instance_index);
  out.PutFixedText(params.file_name, kCardFileNameWidth, "file name");
  out.PutU8(OptionsByte(params), "flags: append,aux,time,ext");
  out.PutU32BE(params.record_index, "record index");
  out.PutU8(static_cast<uint8_t>(params.area_code), "source area");
  out.PutU16BE(static_cast<uint16_t>(params.index), "source index");
  out.PutU8(static_cast<uint8_t>(params.count), "count");
  out.PutU8(params.data_sequence, "byte order (0 HI-LO)");
  out.PutFixedText(params.title, kCardTitleWidth, "record title");
  out.PutU8(DecimalsAndFormat(params.decimals, params.format), "format (hi) decimals (lo)");
  out.PutU8(static_cast<uint8_t>(params.separator), "separator");
  out.PutU8(params.after_full, "when full (0 overlay)");
  out.PutU8(params.file_size_code, "file size code");
  PutReservedRun(out);
  PutPinArea(out, kHead);
}

template <class In>
void MemoryWriteCodec::Read(In& in, Params& params) {
  ReadRecordHead(in, kHead);
  params.file_name = in.GetTextSkipping0And255(kCardFileNameWidth, "file name");
  uint8_t options = in.GetU8("flags: append,aux,time,ext");
  params.write_mode = options & kWriteModeBit;
  params.auxiliary = (options & kAuxiliaryBit) ? 1 : 0;
  params.save_time = (options & kSaveTimeBit) != 0;
  params.internal_card = (options & kExternalCardBit) == 0;
  params.record_index = in.GetU32BE("record index");
  params.area_code = in.GetU8("source area");
  params.index = in.GetU16BE("source index");
  params.count = in.GetU8("count");
  params.data_sequence = in.GetU8("byte order (0 HI-LO)");
  params.title = in.GetTextSkipping0And255(kCardTitleWidth, "record title");
  uint8_t format_and_decimals = in.GetU8("format (hi) decimals (lo)");
  params.decimals = format_and_decimals & 0x0F;
  params.format = format_and_decimals >> 4;
  params.separator = static_cast<char>(in.GetU8("separator"));
  params.after_full = in.GetU8("when full (0 overlay)");
  params.file_size_code = in.GetU8("file size code");
  SkipReservedRun(in);
  SkipPinArea(in, kHead);
}

template void MemoryWriteCodec::Print(TextBuilder&, const Params&);
template void MemoryWriteCodec::Print(HostText&, const Params&);
template void MemoryWriteCodec::Write(RecordWriter&, const Params&, const BlockPlace&);
template void MemoryWriteCodec::Write(RawRecordWriter&, const Params&, const BlockPlace&);
template void MemoryWriteCodec::Read(RecordReader&, Params&);
template void MemoryWriteCodec::Read(RawRecordReader&, Params&);

}  // namespace ostrevan
