// Code records: a byte buffer written front to back and read by offset.
//
// Format: multi-byte values are big-endian unless a put/get says LE; text
// fields are fixed-width and zero-padded; every write passes Reserve(), the
// one bounds check, and every read passes At(), which yields 0 past the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ostrevan {

// How a field's bytes are to be read.
enum class FieldKind { kU8, kU16LE, kU16BE, kU32BE, kText, kBytes };

// Receives one call per named field a writer puts, so a record can be
// explained without a second description of its layout.
class FieldSink {
 public:
  virtual ~FieldSink() = default;
  virtual void OnField(std::string_view name, FieldKind kind, size_t offset, size_t width) = 0;
};

// A field's name for the sink: a plain text, "<before><after>" or, for the
// fields of numbered items, "<before><number><after>"; composed only when a
// sink listens (a record is coded far more often than it is explained).
class FieldName {
 public:
  FieldName() = default;
  FieldName(const char* text) : before_(text) {}
  FieldName(std::string_view text) : before_(text) {}
  FieldName(const std::string& text) : before_(text) {}
  FieldName(std::string_view before, int number, std::string_view after = {})
      : before_(before), after_(after), number_(number), numbered_(true) {}
  FieldName(std::string_view before, std::string_view after) : before_(before), after_(after) {}

  bool empty() const { return before_.empty() && after_.empty() && !numbered_; }
  std::string Text() const;

 private:
  std::string_view before_, after_;
  int number_ = 0;
  bool numbered_ = false;
};

class RecordWriter {
 public:
  RecordWriter(uint8_t* buffer, size_t capacity, FieldSink* sink = nullptr)
      : buffer_(buffer), capacity_(buffer ? capacity : 0), sink_(sink) {}

  size_t position() const { return position_; }
  size_t capacity() const { return capacity_; }
  // False once any put did not fit; such a put writes nothing.
  bool ok() const { return ok_; }

  void PutU8(uint8_t value, const FieldName& name = {}) {
    if (uint8_t* at = Reserve(1, FieldKind::kU8, name)) at[0] = value;
  }
  void PutU16LE(uint16_t value, const FieldName& name = {}) {
    if (uint8_t* at = Reserve(2, FieldKind::kU16LE, name)) {
      at[0] = static_cast<uint8_t>(value);
      at[1] = static_cast<uint8_t>(value >> 8);
    }
  }
  void PutU16BE(uint16_t value, const FieldName& name = {}) {
    if (uint8_t* at = Reserve(2, FieldKind::kU16BE, name)) {
      at[0] = static_cast<uint8_t>(value >> 8);
      at[1] = static_cast<uint8_t>(value);
    }
  }
  void PutU32BE(uint32_t value, const FieldName& name = {});
  void PutZeros(size_t count, const FieldName& name = {});
  void PutBytes(const void* data, size_t count, const FieldName& name = {});
  // Exactly `width` bytes: the text cut to width, then zeros.
  void PutFixedText(std::string_view text, size_t width, const FieldName& name = {});
  // Overwrites one byte already written (or skipped); used for values that are
  // only known after what follows them has been laid out.
  void PatchU8(size_t offset, uint8_t value, const FieldName& name = {});

 private:
  // The one bounds check. Inline: a record is hundreds of puts.
  uint8_t* Reserve(size_t count, FieldKind kind, const FieldName& name) {
    if (!ok_ || count > capacity_ - position_) {
      ok_ = false;
      return nullptr;
    }
    uint8_t* at = buffer_ + position_;
    if (sink_) Report(name, kind, position_, count);
    position_ += count;
    return at;
  }
  void Report(const FieldName& name, FieldKind kind, size_t offset, size_t width);

  uint8_t* buffer_;
  size_t capacity_;
  FieldSink* sink_;
  size_t position_ = 0;
  bool ok_ = true;
};

class RecordReader {
 public:
  RecordReader(const uint8_t* data, size_t length) : data_(data), length_(data ? length : 0) {}

  size_t length() const { return length_; }
  uint8_t At(size_t offset) const { return offset < length_ ? data_[offset] : 0; }
  uint16_t U16BE(size_t offset) const {
    return static_cast<uint16_t>(At(offset) << 8 | At(offset + 1));
  }
  uint16_t U16LE(size_t offset) const {
    return static_cast<uint16_t>(At(offset + 1) << 8 | At(offset));
  }
  uint32_t U32BE(size_t offset) const {
    return static_cast<uint32_t>(U16BE(offset)) << 16 | U16BE(offset + 2);
  }
  // The bytes of [offset, offset + width) that are not 0 or 255, in order:
  // how fixed-width text fields are read back.
  std::string TextSkipping0And255(size_t offset, size_t width) const;
  // The bytes of [offset, offset + width) from 1 to 127, in order: how the
  // 7-bit texts (server names, identifiers) are read back.
  std::string TextOfBytes1To127(size_t offset, size_t width) const;

 private:
  const uint8_t* data_;
  size_t length_;
};

}  // namespace ostrevan
