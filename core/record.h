// Code records: a byte buffer written front to back and read back the same way.
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
// Every named put and get builds one, so a plain name costs two stores; the
// parts are NUL-terminated.
class FieldName {
 public:
  FieldName() : form_(Form::kNone) {}
  FieldName(const char* text) : before_(text), form_(Form::kPlain) {}
  FieldName(const char* before, const char* after)
      : before_(before), after_(after), form_(Form::kTwoParts) {}
  FieldName(const char* before, int number, const char* after = "")
      : before_(before), after_(after), number_(number), form_(Form::kNumbered) {}

  bool empty() const;
  std::string Text() const;

 private:
  enum class Form : uint8_t { kNone, kPlain, kTwoParts, kNumbered };

  // Only the members of the form are set.
  const char* before_;
  const char* after_;
  int number_;
  Form form_;
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
  void PutZeros(size_t count, const FieldName& name = {}) {
    if (uint8_t* at = Reserve(count, FieldKind::kBytes, name)) {
      // Runs of a few bytes: cheaper here than through memset.
      for (size_t i = 0; i < count; ++i) at[i] = 0;
    }
  }
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

// Reads a record front to back, mirroring RecordWriter: the same field
// names in the same order, so a block's Decode walks the record the way its
// Code writes it and states no offset. Fields it does not read back are
// skipped by name. Bytes past the record read as 0 and texts there as empty;
// the cursor moves on all the same, so later fields keep their places.
class RecordReader {
 public:
  RecordReader(const uint8_t* data, size_t length, FieldSink* sink = nullptr)
      : data_(data), length_(data ? length : 0), sink_(sink) {}

  size_t length() const { return length_; }
  size_t position() const { return position_; }

  uint8_t GetU8(const FieldName& name = {}) {
    size_t at = TakeFixed(1, FieldKind::kU8, name);
    return at < length_ ? data_[at] : 0;
  }
  uint16_t GetU16LE(const FieldName& name = {}) {
    size_t at = TakeFixed(2, FieldKind::kU16LE, name);
    return static_cast<uint16_t>(At(at + 1) << 8 | At(at));
  }
  uint16_t GetU16BE(const FieldName& name = {}) {
    size_t at = TakeFixed(2, FieldKind::kU16BE, name);
    return static_cast<uint16_t>(At(at) << 8 | At(at + 1));
  }
  uint32_t GetU32BE(const FieldName& name = {});
  // The next byte, without moving past it: for records whose layout its
  // first byte decides.
  uint8_t PeekU8() const { return At(position_); }
  // Fields that are written but not read back: bytes, and a fixed-width text.
  void Skip(size_t count, const FieldName& name = {}) { Take(count, FieldKind::kBytes, name); }
  void SkipText(size_t width, const FieldName& name = {}) { Take(width, FieldKind::kText, name); }
  // Copies the next `count` bytes to `out` (zeros past the record).
  void GetBytes(void* out, size_t count, const FieldName& name = {});
  // A fixed-width text field: its bytes that are not 0 or 255, in order.
  std::string GetTextSkipping0And255(size_t width, const FieldName& name = {});
  // A fixed-width text field of 7-bit text (server names, identifiers): its
  // bytes from 1 to 127, in order.
  std::string GetTextOfBytes1To127(size_t width, const FieldName& name = {});
  // The same for a text written with its NUL in a field of `characters` + 1
  // bytes: the NUL's place is not looked at.
  std::string GetTerminatedText1To127(size_t characters, const FieldName& name = {});
  // The same into a kept string, as the raw reader reads it.
  void GetTerminatedText1To127(size_t characters, std::string& into, const FieldName& name = {}) {
    into = GetTerminatedText1To127(characters, name);
  }

 private:
  uint8_t At(size_t offset) const { return offset < length_ ? data_[offset] : 0; }
  // Moves past `count` bytes and returns where they start; tells the sink.
  // The cursor stops at kFar, past any record, whatever a hostile length
  // asks to skip; fields of a few bytes cannot carry it past that.
  size_t Take(size_t count, FieldKind kind, const FieldName& name) {
    size_t at = position_;
    if (sink_) Report(name, kind, at, count);
    position_ = count > kFar - at ? kFar : at + count;
    return at;
  }
  size_t TakeFixed(size_t count, FieldKind kind, const FieldName& name) {
    size_t at = position_;
    if (sink_) Report(name, kind, at, count);
    position_ = at + count;
    return at;
  }
  void Report(const FieldName& name, FieldKind kind, size_t offset, size_t width);

  // Where a cursor that ran off any record stays, with room for At(+1).
  static constexpr size_t kFar = static_cast<size_t>(-1) / 2;

  const uint8_t* data_;
  size_t length_;
  FieldSink* sink_;
  size_t position_ = 0;
};

}  // namespace ostrevan
