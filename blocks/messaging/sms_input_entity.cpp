#include "blocks/messaging/sms_input_entity.h"

#include <array>
#include <iterator>

#include "blocks/messaging/message_record.h"
#include "blocks/messaging/sms_input_page.h"
#include "core/canonical_text.h"
#include "core/host_text.h"
#include "core/param_text.h"
#include "core/record_header.h"
#include "core/record_raw.h"
#include "core/text_builder.h"
#include "editor/editor_view.h"

namespace ostrevan {

namespace {

constexpr RecordHead kHead{0x90, 1, 1, 0x01};

constexpr size_t kFieldSpanMax = 99;
constexpr size_t kNumberSlot = 20;
constexpr uint8_t kReceiveCommand = 9;
constexpr uint8_t kVbArea = 0xA0;
constexpr uint8_t kOrdinalMask = 0x1F;

// Receiver k runs from its key to the next one, or to the end of the text.
constexpr std::string_view kReceiverKeys[] = {",B:", ",C:", ",D:", ",E:", ",F:", ",G:"};

}  // namespace

SmsInputParams ParseSmsInputText(std::string_view whole) {
  const KeyedText text(whole);
  SmsInputParams params;
  if (auto span = FieldSpan(text, "A:", "B:")) {
    ScannedInts<3> values = ScanInts<3>(span->substr(0, kFieldSpanMax));
    params.vb_start = values[0];
    params.vb_max_count = values[1];
    params.telephone_identification = values[2] != 0;
  }
  for (size_t k = 0; k < params.receivers.size(); ++k) {
    if (auto span = FieldSpanOrRest(text, kReceiverKeys[k], kReceiverKeys[k + 1])) {
      params.receivers[k] = RemoveQuotes(span->substr(0, kFieldSpanMax));
    }
  }
  return params;
}

bool SmsInputCodec::QuickParse(std::string_view whole, Params& params) {
  CanonicalText text(whole);
  std::array<int32_t, 3> values;
  if (!text.Key("A:") || !text.Ints(values)) return false;
  params.vb_start = values[0];
  params.vb_max_count = values[1];
  params.telephone_identification = values[2] != 0;
  for (size_t k = 0; k < params.receivers.size(); ++k) {
    if (!text.Key(kReceiverKeys[k])) return false;
    // Up to the next key; the last receiver runs to ",G:" or the end. A
    // receiver must not hold a key behind the next: the general grammar's
    // search would find that key inside it.
    const std::string_view number = text.UpTo(kReceiverKeys[k + 1]);
    if (number.empty()) continue;
    if (number.find(',') != std::string_view::npos) {
      for (size_t later = k + 2; later < std::size(kReceiverKeys); ++later) {
        if (number.find(kReceiverKeys[later]) != std::string_view::npos) return false;
      }
    }
    AssignUnquoted(params.receivers[k], number.substr(0, kFieldSpanMax));
  }
  return true;
}

std::string SmsInputText(const SmsInputParams& params) {
  TextBuilder text;
  SmsInputCodec::Print(text, params);
  return text.str();
}

template <class Out>
void SmsInputCodec::Print(Out& text, const Params& params) {
  text.Text("A:").Ints(params.vb_start, params.vb_max_count, params.telephone_identification);
  for (size_t k = 0; k < params.receivers.size(); ++k)
    text.Text(kReceiverKeys[k]).Text(params.receivers[k]);
}

bool SmsInputCodec::Edit(Params& params) { return editor::EditInActiveView(params, EditSmsInput); }

template <class Out>
void SmsInputCodec::Write(Out& out, const Params& params, const BlockPlace& place) {
  const auto ordinal = static_cast<uint8_t>(place.type_ordinal & kOrdinalMask);
  PutRecordHead(out, kHead, place.instance_index);
  out.PutU8(ordinal, "n-th SMS Input (low 5 bits)");
  out.PutU8(kReceiveCommand, "command (9 receive)");
  out.PutU8(ordinal, "n-th SMS Input (low 5 bits)");
  out.PutU8(params.telephone_identification ? 0x11 : 0x10, "mode (+1 telephone ident.)");
  out.PutU8(kVbArea, "message to VB (0xA0)");
  out.PutU16BE(static_cast<uint16_t>(params.vb_start), "VB start");
  out.PutU16BE(static_cast<uint16_t>(params.vb_max_count), "VB max count");
  for (size_t k = 0; k < params.receivers.size(); ++k) {
    PutNumberSlot(out, params.receivers[k], kNumberSlot,
                  FieldName("telephone ", static_cast<int>(k + 1)));
  }
  PutReservedRun(out);
  PutPinArea(out, kHead);
}

template <class In>
void SmsInputCodec::Read(In& in, Params& params) {
  ReadRecordHead(in, kHead);
  in.GetU8("n-th SMS Input (low 5 bits)");
  in.GetU8("command (9 receive)");
  in.GetU8("n-th SMS Input (low 5 bits)");
  params.telephone_identification = (in.GetU8("mode (+1 telephone ident.)") & 0x01) != 0;
  in.GetU8("message to VB (0xA0)");
  params.vb_start = in.GetU16BE("VB start");
  params.vb_max_count = in.GetU16BE("VB max count");
  for (size_t k = 0; k < params.receivers.size(); ++k) {
    params.receivers[k] = in.GetTextSkipping0And255(
        kNumberSlot, FieldName("telephone ", static_cast<int>(k + 1)));
  }
  SkipReservedRun(in);
  SkipPinArea(in, kHead);
}

template void SmsInputCodec::Print(TextBuilder&, const Params&);
template void SmsInputCodec::Print(HostText&, const Params&);
template void SmsInputCodec::Write(RecordWriter&, const Params&, const BlockPlace&);
template void SmsInputCodec::Write(RawRecordWriter&, const Params&, const BlockPlace&);
template void SmsInputCodec::Read(RecordReader&, Params&);
template void SmsInputCodec::Read(RawRecordReader&, Params&);

}  // namespace ostrevan
