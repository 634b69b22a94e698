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
#pragma once

#include <cstdint>

#include "core/entity.h"
#include "core/param_text.h"

namespace ostrevan {

// Where a block being coded stands in the project.
struct BlockPlace {
  int instance_index = 0;  // among all blocks
  int type_ordinal = 0;    // among the blocks of its type
};

// `RecordCapacity` is what a record may take of the host's buffer of
// `CodeLength` bytes, for the one block whose record is shorter.
template <class Codec, int Type, uint32_t ParamLength, uint32_t CodeLength,
          uint32_t RecordCapacity = CodeLength>
class CCodecEntity : public CBlockEntity<Type, ParamLength, CodeLength> {
 public:
  using Params = typename Codec::Params;

  int SetDefault(char* param) override { return Answer(param, Codec::Defaults()); }

  int Edit(char* param) override {
    if (!param) return 0;
    Params params = Parse(param);
    return Codec::Edit(params) ? Answer(param, params) : 0;
  }

  int Code(const char* param, uint8_t* record, uint32_t* len) override {
    Params params = Parse(param);
    if (!this->AdmitInstance()) return -2;
    RecordWriter out = this->MakeWriter(record, RecordCapacity);
    Codec::Write(out, params, BlockPlace{this->instance_index(), this->type_ordinal()});
    return this->FinishCode(out, len);
  }

  int Decode(char* param, const uint8_t* record, uint32_t len) override {
    Params params = Parse(param);
    RecordReader in = this->MakeReader(record, len);
    Codec::Read(in, params);
    return Answer(param, params);
  }

 private:
  static Params Parse(const char* param) { return Codec::Parse(ReadParamText(param)); }
  static int Answer(char* param, const Params& params) {
    return WriteParamText(param, Codec::Text(params), ParamLength);
  }
};

}  // namespace ostrevan
