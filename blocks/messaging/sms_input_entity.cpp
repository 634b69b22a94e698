#include "blocks/messaging/sms_input_entity.h"

#include "blocks/messaging/message_record.h"
#include "blocks/messaging/sms_input_page.h"
#include "core/param_text.h"
#include "core/record_header.h"
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

constexpr size_t kModeAt = 12;
constexpr size_t kVbStartAt = 14;
constexpr size_t kVbMaxCountAt = 16;
constexpr size_t kReceiversAt = 18;

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

std::string SmsInputText(const SmsInputParams& params) {
  TextBuilder text;
  text.Text("A:").Ints(params.vb_start, params.vb_max_count, params.telephone_identification);
  for (size_t k = 0; k < params.receivers.size(); ++k)
    text.Text(kReceiverKeys[k]).Text(params.receivers[k]);
  return text.str();
}

int CSmsMessageInputEntity::SetDefault(char* param) {
  return WriteParamText(param, SmsInputText(SmsInputParams{}), kParamLength);
}

int CSmsMessageInputEntity::Edit(char* param) {
  editor::EditorView* view = editor::ActiveView();
  if (!param || !view) return 0;
  auto params = ParseSmsInputText(ReadParamText(param));
  if (!EditSmsInput(params, *view)) return 0;
  return WriteParamText(param, SmsInputText(params), kParamLength);
}

int CSmsMessageInputEntity::Code(const char* param, uint8_t* record, uint32_t* len) {
  SmsInputParams params = ParseSmsInputText(ReadParamText(param));
  if (!AdmitInstance()) return -2;
  const auto ordinal = static_cast<uint8_t>(type_ordinal() & kOrdinalMask);
  RecordWriter out = MakeWriter(record, kCodeLength);
  PutRecordHead(out, kHead, instance_index());
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
  return FinishCode(out, len);
}

int CSmsMessageInputEntity::Decode(char* param, const uint8_t* record, uint32_t len) {
  SmsInputParams params = ParseSmsInputText(ReadParamText(param));
  RecordReader in(record, len);
  params.telephone_identification = (in.At(kModeAt) & 0x01) != 0;
  params.vb_start = in.U16BE(kVbStartAt);
  params.vb_max_count = in.U16BE(kVbMaxCountAt);
  for (size_t k = 0; k < params.receivers.size(); ++k) {
    params.receivers[k] = in.TextSkipping0And255(kReceiversAt + k * kNumberSlot, kNumberSlot);
  }
  return WriteParamText(param, SmsInputText(params), kParamLength);
}

}  // namespace ostrevan
