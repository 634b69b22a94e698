// The base of every function-block type: a short-lived object that the
// exports create per call, ask one question and delete.
#pragma once

#include <cstdint>

#include "core/record.h"

namespace ostrevan {

class CFbdEntity {
 public:
  virtual ~CFbdEntity() = default;

  virtual int GetType() const { return 0; }
  virtual int GetParamLength(uint32_t* len) const { (void)len; return 0; }
  virtual int SetDefault(char* param) { (void)param; return 0; }
  virtual int Edit(char* param) { (void)param; return 0; }
  virtual int GetCodeLength(uint32_t* len) const { (void)len; return 0; }
  virtual int Code(const char* param, uint8_t* record, uint32_t* len) {
    (void)param; (void)record; (void)len;
    return 0;
  }
  virtual int Decode(char* param, const uint8_t* record, uint32_t len) {
    (void)param; (void)record; (void)len;
    return 0;
  }
  virtual int IsType(int type) const = 0;

  int instance_index() const { return instance_index_; }
  int instance_total() const { return instance_total_; }
  int type_ordinal() const { return type_ordinal_; }
  void SetInstance(int index, int total, int ordinal) {
    instance_index_ = index;
    instance_total_ = total;
    type_ordinal_ = ordinal;
  }

  // Tools attach a sink to learn the names and places of the fields that the
  // next Code writes or the next Decode reads.
  void SetFieldSink(FieldSink* sink) { field_sink_ = sink; }

 protected:
  FieldSink* field_sink() const { return field_sink_; }

  // A writer for the host's record buffer of `capacity` bytes, telling the
  // attached sink (if any) about every named field.
  RecordWriter MakeWriter(uint8_t* record, uint32_t capacity) const {
    return RecordWriter(record, capacity, field_sink_);
  }

  // A reader of the record the host gives to Decode, telling the attached
  // sink (if any) about every named field it walks past.
  RecordReader MakeReader(const uint8_t* record, uint32_t length) const {
    return RecordReader(record, length, field_sink_);
  }

  // The common end of Code: 1 and the length written when everything fit.
  static int FinishCode(const RecordWriter& out, uint32_t* len) {
    if (!out.ok()) return 0;
    if (len) *len = static_cast<uint32_t>(out.position());
    return 1;
  }

  // The common start of Code: a negative index counts as 0; an index that is
  // not below the total means the block may not be coded (false).
  bool AdmitInstance() {
    if (instance_index_ < 0) instance_index_ = 0;
    return instance_index_ < instance_total_;
  }

 private:
  int instance_index_ = 0;
  int instance_total_ = 0;
  int type_ordinal_ = 0;
  FieldSink* field_sink_ = nullptr;
};

// Writes the length through `len` when it is given; returns the length, or 0
// for a null pointer: the shared answer of GetParamLength and GetCodeLength.
inline int ReportLength(uint32_t* len, uint32_t value) {
  if (!len) return 0;
  *len = value;
  return static_cast<int>(value);
}

// The fixed answers of one block type: its id and the buffer lengths the
// host must provide for its parameter text and its code record.
template <int Type, uint32_t ParamLength, uint32_t CodeLength>
class CBlockEntity : public CFbdEntity {
 public:
  static constexpr int kType = Type;
  static constexpr uint32_t kParamLength = ParamLength;
  static constexpr uint32_t kCodeLength = CodeLength;

  int GetType() const override { return kType; }
  int IsType(int type) const final { return type == kType; }
  int GetParamLength(uint32_t* len) const override { return ReportLength(len, kParamLength); }
  int GetCodeLength(uint32_t* len) const override { return ReportLength(len, kCodeLength); }
};

}  // namespace ostrevan
