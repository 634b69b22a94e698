#include "blocks/memory/memory_read_entity.h"

#include <array>

#include "blocks/memory/memory_read_page.h"
#include "core/canonical_text.h"
#include "core/host_text.h"
#include "core/param_text.h"
#include "core/record_header.h"
#include "core/record_raw.h"
#include "core/text_builder.h"
#include "editor/editor_view.h"

namespace ostrevan {

namespace {

constexpr uint8_t kOpcode = 0x44;
constexpr uint8_t kExternalCardFlag = 0x10;  // in the head's flags byte

RecordHead HeadFor(const MemoryReadParams& params) {
  return RecordHead{kOpcode, 2, 1, params.internal_card ? uint8_t{0} : kExternalCardFlag};
}

}  // namespace

MemoryReadParams MemoryReadDefaults() {
  MemoryReadParams params;
  params.file_name = CardFileNameNow();
  return params;
}

MemoryReadParams ParseMemoryReadText(std::string_view whole) {
  const KeyedText text(whole);
  // The default file name reads the clock: only a text without a name needs it.
  MemoryReadParams params;
  if (auto span = FieldSpan(text, "A:", ",B:")) ApplyFileOptions(ScanInts<kFileOptionCount>(*span), params);
  if (auto span = FieldSpan(text, ",B:", ",C:")) params.separator = span->front();
  if (auto span = FieldSpan(text, ",C:", ",D:")) ReadOperandSegment(*span, params);
  if (auto span = FieldSpan(text, ",D:", ",E:")) {
    ScannedInts<2> scanned = ScanInts<2>(*span);
    params.format = static_cast<uint8_t>(scanned[0]);
    params.count_byte = static_cast<uint8_t>(scanned[1]);
  }
  if (auto span = FieldSpan(text, ",E:", ",F:"))
    params.file_name = CardText(*span, kCardFileNameWidth);
  else
    params.file_name = CardFileNameNow();
  if (auto span = FieldSpan(text, ",F:", "")) params.title = CardText(*span, kCardTitleWidth);
  return params;
}

namespace {

// Segments A and B of a text of the printer's own shape, up to and with ",C:".
bool QuickFileOptions(CanonicalText& text, MemoryReadParams& params) {
  ScannedInts<kFileOptionCount> options;
  if (!text.Key("A:") || !text.Ints(options.values) || !text.Key(",B:")) return false;
  options.count = kFileOptionCount;
  ApplyFileOptions(options, params);
  // One separator character, or none (then the segment is empty and the
  // separator keeps its default).
  if (text.Key(",C:")) return true;
  const char separator = text.Peek();
  if (separator == '\0') return false;
  text.Skip();
  params.separator = separator;
  return text.Key(",C:");
}

}  // namespace

bool MemoryReadCodec::QuickParseForDecode(std::string_view whole, Params& params) {
  CanonicalText text(whole);
  return QuickFileOptions(text, params);
}

bool MemoryReadCodec::QuickParse(std::string_view whole, Params& params) {
  CanonicalText text(whole);
  std::array<int32_t, 4> operand;
  std::array<int32_t, 2> format;
  if (!QuickFileOptions(text, params) || !text.Ints(operand) || !text.Key(",D:") ||
      !text.Ints(format) || !text.Key(",E:"))
    return false;
  params.record_index = static_cast<uint32_t>(operand[0]);
  params.area_code = static_cast<uint32_t>(operand[1]);
  params.index = static_cast<uint32_t>(operand[2]);
  params.count = static_cast<uint32_t>(operand[3]);
  params.format = static_cast<uint8_t>(format[0]);
  params.count_byte = static_cast<uint8_t>(format[1]);
  // The name runs to the first ",F:", the title to the end; an empty name
  // is taken from the clock, the general way.
  const std::string_view name = text.UpTo(",F:");
  if (name.empty() || !text.Key(",F:")) return false;
  params.file_name = CardText(name, kCardFileNameWidth);
  const std::string_view title = text.UpTo("");
  if (!title.empty()) params.title = CardText(title, kCardTitleWidth);
  return true;
}

std::string MemoryReadText(const MemoryReadParams& params) {
  TextBuilder text;
  MemoryReadCodec::Print(text, params);
  return text.str();
}

template <class Out>
void MemoryReadCodec::Print(Out& text, const Params& params) {
  text.Text("A:");
  PutFileOptions(text, params);
  text.Text(",B:");
  PutSeparator(text, params.separator);
  text.Text(",C:");
  PutOperandSegment(text, params);
  text.Text(",D:").Ints(params.format, params.count_byte);
  text.Text(",E:").Text(params.file_name).Text(",F:").Text(params.title);
}

bool MemoryReadCodec::Edit(Params& params) {
  return editor::EditInActiveView(params, EditMemoryRead);
}

template <class Out>
void MemoryReadCodec::Write(Out& out, const Params& params, const BlockPlace& place) {
  RecordHead head = HeadFor(params);
  PutRecordHead(out, head, place.instance_index);
  out.PutFixedText(params.file_name, kCardFileNameWidth, "file name");
  out.PutU8(static_cast<uint8_t>((params.auxiliary ? kAuxiliaryBit : 0) |
                                 (params.save_time ? kSaveTimeBit : 0)),
            "flags: aux 04, save time 20");
  out.PutU32BE(params.record_index, "record index");
  out.PutU8(params.format, "data format");
  out.PutU8(params.count_byte, "count byte");
  out.PutU8(static_cast<uint8_t>(params.area_code), "destination area");
  out.PutU16BE(static_cast<uint16_t>(params.index), "destination index");
  out.PutU8(static_cast<uint8_t>(params.count), "count");
  out.PutU8(params.data_sequence, "byte order (0 HI-LO)");
  out.PutFixedText(params.title, kCardTitleWidth, "record title");
  out.PutU8(DecimalsAndFormat(params.decimals, params.format), "format (hi) decimals (lo)");
  PutReservedRun(out);
  PutPinArea(out, head);
}

template <class In>
void MemoryReadCodec::Read(In& in, Params& params) {
  // The head's shape is the same for either card; only its flags differ.
  const RecordHead head = HeadFor(params);
  params.internal_card = (ReadRecordHead(in, head) & kExternalCardFlag) == 0;
  params.file_name = in.GetTextSkipping0And255(kCardFileNameWidth, "file name");
  in.GetU8("flags: aux 04, save time 20");  // the text keeps its own
  params.record_index = in.GetU32BE("record index");
  in.GetU8("data format");  // the format nibble below wins
  params.count_byte = in.GetU8("count byte");
  params.area_code = in.GetU8("destination area");
  params.index = in.GetU16BE("destination index");
  params.count = in.GetU8("count");
  params.data_sequence = in.GetU8("byte order (0 HI-LO)");
  params.title = in.GetTextSkipping0And255(kCardTitleWidth, "record title");
  uint8_t format_and_decimals = in.GetU8("format (hi) decimals (lo)");
  params.decimals = format_and_decimals & 0x0F;
  params.format = static_cast<uint8_t>(format_and_decimals >> 4);
  SkipReservedRun(in);
  SkipPinArea(in, head);
}

template void MemoryReadCodec::Print(TextBuilder&, const Params&);
template void MemoryReadCodec::Print(HostText&, const Params&);
template void MemoryReadCodec::Write(RecordWriter&, const Params&, const BlockPlace&);
template void MemoryReadCodec::Write(RawRecordWriter&, const Params&, const BlockPlace&);
template void MemoryReadCodec::Read(RecordReader&, Params&);
template void MemoryReadCodec::Read(RawRecordReader&, Params&);

}  // namespace ostrevan
