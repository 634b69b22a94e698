// The one shape of every block type's answers. A block supplies a codec: its
// parameters, their text both ways, their record both ways and its editor;
// the entity parses the host's text, asks the codec and writes the answer
// into the host's buffers.
//
//   struct Codec {
//     using Params = ...;
//     static Params Defaults();
//     static Params Parse(std::string_view text);
//     static std::string Text(const Params& params);
//     static bool Edit(Params& params);  // false: cancelled, or no editor
//     static void Write(RecordWriter& out, const Params& params, const BlockPlace& place);
//     static void Read(RecordReader& in, Params& params);  // Write's fields, in its order
//   };
//
// A codec may also take the quick way (see QuickCodec below): then the
// entity reads a text of the block's own shape in one pass over the host's
// buffer, writes and reads the record without per-field checks and prints
// the text straight into the host's buffer; any other text is parsed as
// before.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>
#include <utility>

#include "core/entity.h"
#include "core/host_text.h"
#include "core/param_text.h"
#include "core/record_raw.h"

namespace ostrevan {

// Where a block being coded stands in the project.
struct BlockPlace {
  int instance_index = 0;  // among all blocks
  int type_ordinal = 0;    // among the blocks of its type
};

// A codec that takes the quick way has, besides the above:
//
//   struct QuickCodec {
//     // The longest record Write writes and Read walks.
//     static constexpr size_t kLongestRecord = ...;
//     // Every value of a text of the printer's own shape, into parameters
//     // as constructed (not Defaults(), which may cost more); false for any
//     // other text (the parameters are then parsed anew).
//     static bool QuickParse(std::string_view text, Params& params);
//     // or into `QuickParams`, the same settings with views into the text
//     // for its free texts, where copying them would cost the most; Write
//     // is then a template over the settings too:
//     using QuickParams = ...;
//     static bool QuickParse(std::string_view text, QuickParams& params);
//     // The same for Decode, which needs only the values the record lacks.
//     static bool QuickParseForDecode(std::string_view text, Params& params);
//     // or, when what a record lacks depends on the record (as Decode is
//     // given it: perhaps null, short or hostile),
//     static bool QuickParseForDecode(std::string_view text, Params& params,
//                                     const uint8_t* record, uint32_t length);
//     template <class Out> static void Print(Out& text, const Params& params);
//     // Write and Read as templates over the record cursor.
//   };
//
// A codec whose records come in two lengths adds
//
//     static constexpr size_t kShortRecord = ...;
//     // From the record's first kShortRecord bytes: whether it is longer.
//     static bool IsLongRecord(const uint8_t* record);
template <class Codec, class = void>
struct TakesQuickWay : std::false_type {};
template <class Codec>
struct TakesQuickWay<Codec, std::void_t<decltype(&Codec::QuickParse)>> : std::true_type {};

template <class Codec, class = void>
struct ParsesForRecord : std::false_type {};
template <class Codec>
struct ParsesForRecord<Codec, std::void_t<decltype(Codec::QuickParseForDecode(
                                  std::string_view(), std::declval<typename Codec::Params&>(),
                                  static_cast<const uint8_t*>(nullptr), uint32_t{}))>>
    : std::true_type {};

// What QuickParse reads a text into: the parameters themselves, or a
// codec's `QuickParams`, the same settings with views for texts, which
// Write takes as well.
template <class Codec, class = void>
struct QuickParamsOf {
  using type = typename Codec::Params;
};
template <class Codec>
struct QuickParamsOf<Codec, std::void_t<typename Codec::QuickParams>> {
  using type = typename Codec::QuickParams;
};

template <class Codec, class = void>
struct HasShortRecords : std::false_type {};
template <class Codec>
struct HasShortRecords<Codec, std::void_t<decltype(&Codec::IsLongRecord)>> : std::true_type {};

// A codec whose records run to lengths their own bytes tell (which may ask
// for more than Write ever writes) adds
//
//     // Whether Read finds all the bytes it walks in `length` bytes.
//     static bool HoldsRecord(const uint8_t* record, uint32_t length);
template <class Codec, class = void>
struct MeasuresRecords : std::false_type {};
template <class Codec>
struct MeasuresRecords<Codec, std::void_t<decltype(&Codec::HoldsRecord)>> : std::true_type {};

// Whether Read finds all the bytes it walks in a record of `length` bytes.
template <class Codec>
bool HoldsWholeRecord(const uint8_t* record, uint32_t length) {
  if constexpr (MeasuresRecords<Codec>::value) return Codec::HoldsRecord(record, length);
  if (length >= Codec::kLongestRecord) return true;
  if constexpr (HasShortRecords<Codec>::value) {
    return length >= Codec::kShortRecord && !Codec::IsLongRecord(record);
  }
  return false;
}

// `RecordCapacity` is what a record may take of the host's buffer of
// `CodeLength` bytes, for the one block whose record is shorter. `Quick`
// false keeps a quick codec on the general way (for comparing the two).
template <class Codec, int Type, uint32_t ParamLength, uint32_t CodeLength,
          uint32_t RecordCapacity = CodeLength, bool Quick = TakesQuickWay<Codec>::value>
class CCodecEntity : public CBlockEntity<Type, ParamLength, CodeLength> {
 public:
  using Params = typename Codec::Params;
  using CodecType = Codec;
  static constexpr uint32_t kRecordCapacity = RecordCapacity;

  int SetDefault(char* param) override { return Answer(param, Codec::Defaults()); }

  int Edit(char* param) override {
    if (!param) return 0;
    Params params = Parse(param);
    return Codec::Edit(params) ? Answer(param, params) : 0;
  }

  int Code(const char* param, uint8_t* record, uint32_t* len) override {
    if constexpr (Quick) {
      return QuickCode(param, record, len);
    } else {
      Params params = Parse(param);
      if (!this->AdmitInstance()) return -2;
      RecordWriter out = this->MakeWriter(record, RecordCapacity);
      Codec::Write(out, params, BlockPlace{this->instance_index(), this->type_ordinal()});
      return this->FinishCode(out, len);
    }
  }

  int Decode(char* param, const uint8_t* record, uint32_t len) override {
    if constexpr (Quick) {
      return QuickDecode(param, record, len);
    } else {
      Params params = Parse(param);
      RecordReader in = this->MakeReader(record, len);
      Codec::Read(in, params);
      return Answer(param, params);
    }
  }

 private:
  static Params Parse(const char* param) { return Codec::Parse(ReadParamText(param)); }
  static int Answer(char* param, const Params& params) {
    if constexpr (Quick) {
      if (!param) return 1;
      HostText text(param, ParamLength);
      Codec::Print(text, params);
      return text.Finish();
    } else {
      return WriteParamText(param, Codec::Text(params), ParamLength);
    }
  }

  int QuickCode(const char* param, uint8_t* record, uint32_t* len) {
    static_assert(Codec::kLongestRecord <= RecordCapacity, "a record outgrew its buffer");
    const std::string_view text = ReadParamText(param);
    using QuickSettings = typename QuickParamsOf<Codec>::type;
    if constexpr (std::is_same_v<QuickSettings, Params>) {
      Params params;
      if (!Codec::QuickParse(text, params)) params = Codec::Parse(text);
      return CodeRecord(params, record, len);
    } else {
      QuickSettings quick;
      if (Codec::QuickParse(text, quick)) return CodeRecord(quick, record, len);
      return CodeRecord(Codec::Parse(text), record, len);
    }
  }

  template <class Settings>
  int CodeRecord(const Settings& params, uint8_t* record, uint32_t* len) {
    if (!this->AdmitInstance()) return -2;
    const BlockPlace place{this->instance_index(), this->type_ordinal()};
    if (this->field_sink() || !record) {
      RecordWriter out = this->MakeWriter(record, RecordCapacity);
      Codec::Write(out, params, place);
      return this->FinishCode(out, len);
    }
    RawRecordWriter out(record);
    Codec::Write(out, params, place);
    if (len) *len = static_cast<uint32_t>(out.position());
    return 1;
  }

  int QuickDecode(char* param, const uint8_t* record, uint32_t len) {
    const std::string_view text = ReadParamText(param);
    Params params;
    bool quick;
    if constexpr (ParsesForRecord<Codec>::value)
      quick = Codec::QuickParseForDecode(text, params, record, len);
    else
      quick = Codec::QuickParseForDecode(text, params);
    if (!quick) params = Codec::Parse(text);
    if (this->field_sink() || !record || !HoldsWholeRecord<Codec>(record, len)) {
      RecordReader in = this->MakeReader(record, len);
      Codec::Read(in, params);
    } else {
      RawRecordReader in(record);
      Codec::Read(in, params);
    }
    return Answer(param, params);
  }
};

// The same block type kept on the general way: what the quick way must
// answer byte for byte.
template <class Entity>
using GeneralWayEntity =
    CCodecEntity<typename Entity::CodecType, Entity::kType, Entity::kParamLength,
                 Entity::kCodeLength, Entity::kRecordCapacity, false>;

}  // namespace ostrevan
