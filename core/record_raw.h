// The record cursors of RecordWriter and RecordReader without their checks,
// for the hot path of Code and Decode. A block's Write and Read are
// templates over the cursor, so the layout is still stated once; the entity
// takes these only when no sink listens and the host's buffer holds the
// longest record the block writes (or reads) in full, so that no check could
// ever have failed. Field names are taken and dropped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "core/assign_text.h"
#include "core/record.h"

namespace ostrevan {

class RawRecordWriter {
 public:
  explicit RawRecordWriter(uint8_t* buffer) : begin_(buffer), at_(buffer) {}

  size_t position() const { return static_cast<size_t>(at_ - begin_); }
  bool ok() const { return true; }

  // Each step takes the cursor into a local first: a byte stored through it
  // may, for the compiler, change the cursor itself, which would be read
  // anew after every byte.
  void PutU8(uint8_t value, const FieldName& = {}) {
    uint8_t* const at = at_;
    *at = value;
    at_ = at + 1;
  }
  void PutU16LE(uint16_t value, const FieldName& = {}) {
    uint8_t* const at = at_;
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
    at_ = at + 2;
  }
  void PutU16BE(uint16_t value, const FieldName& = {}) {
    uint8_t* const at = at_;
    at[0] = static_cast<uint8_t>(value >> 8);
    at[1] = static_cast<uint8_t>(value);
    at_ = at + 2;
  }
  void PutU32BE(uint32_t value, const FieldName& = {}) {
    uint8_t* const at = at_;
    for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (24 - 8 * i));
    at_ = at + 4;
  }
  void PutZeros(size_t count, const FieldName& = {}) {
    uint8_t* const at = at_;
    std::memset(at, 0, count);  // a few stores where the count is known
    at_ = at + count;
  }
  void PutBytes(const void* data, size_t count, const FieldName& = {}) {
    uint8_t* const at = at_;
    if (count) std::memcpy(at, data, count);
    at_ = at + count;
  }
  void PutFixedText(std::string_view text, size_t width, const FieldName& = {}) {
    uint8_t* const at = at_;
    const size_t used = text.size() < width ? text.size() : width;
    if (used) std::memcpy(at, text.data(), used);
    // Most pads are a string's NUL, or a few bytes: cheaper inline.
    const size_t pad = width - used;
    if (pad == 1) {
      at[used] = 0;
    } else if (pad <= kShortPad) {
      for (size_t i = used; i < width; ++i) at[i] = 0;
    } else {
      std::memset(at + used, 0, pad);
    }
    at_ = at + width;
  }
  void PatchU8(size_t offset, uint8_t value, const FieldName& = {}) { begin_[offset] = value; }

 private:
  static constexpr size_t kShortPad = 8;

  uint8_t* begin_;
  uint8_t* at_;
};

class RawRecordReader {
 public:
  explicit RawRecordReader(const uint8_t* data) : begin_(data), at_(data) {}

  size_t position() const { return static_cast<size_t>(at_ - begin_); }

  uint8_t GetU8(const FieldName& = {}) { return *at_++; }
  uint16_t GetU16LE(const FieldName& = {}) {
    at_ += 2;
    return static_cast<uint16_t>(at_[-1] << 8 | at_[-2]);
  }
  uint16_t GetU16BE(const FieldName& = {}) {
    at_ += 2;
    return static_cast<uint16_t>(at_[-2] << 8 | at_[-1]);
  }
  uint32_t GetU32BE(const FieldName& = {}) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = value << 8 | at_[i];
    at_ += 4;
    return value;
  }
  uint8_t PeekU8() const { return *at_; }
  void Skip(size_t count, const FieldName& = {}) { at_ += count; }
  void SkipText(size_t width, const FieldName& = {}) { at_ += width; }
  void GetBytes(void* out, size_t count, const FieldName& = {}) {
    if (count) std::memcpy(out, at_, count);
    at_ += count;
  }
  // The texts as the checked reader gives them. The usual field is its
  // text, then zeros only: that one is taken at once.
  std::string GetTextSkipping0And255(size_t width, const FieldName& = {}) {
    const size_t text = KeptRun(width, [](uint8_t byte) { return byte != 0 && byte != 255; });
    if (ZerosFrom(text, width)) return Take(text, width);
    return Inside(width).GetTextSkipping0And255(width);
  }
  std::string GetTextOfBytes1To127(size_t width, const FieldName& = {}) {
    const size_t text = KeptRun(width, [](uint8_t byte) { return byte >= 1 && byte <= 127; });
    if (ZerosFrom(text, width)) return Take(text, width);
    return Inside(width).GetTextOfBytes1To127(width);
  }
  // Into a kept string, without a string of its own in between. The usual
  // one is all text up to its terminator's place, and most are empty.
  void GetTerminatedText1To127(size_t characters, std::string& into, const FieldName& = {}) {
    const size_t text = KeptRun(characters, [](uint8_t byte) { return byte >= 1 && byte <= 127; });
    if (text != characters) {
      into = Inside(characters + 1).GetTerminatedText1To127(characters);
      return;
    }
    AssignText(into, std::string_view(reinterpret_cast<const char*>(at_), text));
    at_ += characters + 1;
  }

 private:
  // How many bytes from the cursor `keep` takes in a row, at most `width`.
  template <class Keep>
  size_t KeptRun(size_t width, Keep keep) const {
    size_t count = 0;
    while (count < width && keep(at_[count])) ++count;
    return count;
  }
  bool ZerosFrom(size_t from, size_t width) const {
    for (; from < width; ++from) {
      if (at_[from] != 0) return false;
    }
    return true;
  }
  std::string Take(size_t text, size_t width) {
    std::string taken(reinterpret_cast<const char*>(at_), text);
    at_ += width;
    return taken;
  }
  RecordReader Inside(size_t width) {
    RecordReader field(at_, width);
    at_ += width;
    return field;
  }

  const uint8_t* begin_;
  const uint8_t* at_;
};

}  // namespace ostrevan
