#include "core/record.h"

#include <algorithm>
#include <cstring>

#include "core/param_text.h"

namespace ostrevan {

std::string FieldName::Text() const {
  std::string text(before_);
  if (numbered_) AppendDecimal(text, number_);
  return text.append(after_);
}

void RecordWriter::Report(const FieldName& name, FieldKind kind, size_t offset, size_t width) {
  if (sink_ && !name.empty()) sink_->OnField(name.Text(), kind, offset, width);
}

void RecordWriter::PutU32BE(uint32_t value, const FieldName& name) {
  if (uint8_t* at = Reserve(4, FieldKind::kU32BE, name)) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (24 - 8 * i));
  }
}

void RecordWriter::PutZeros(size_t count, const FieldName& name) {
  if (uint8_t* at = Reserve(count, FieldKind::kBytes, name)) std::memset(at, 0, count);
}

void RecordWriter::PutBytes(const void* data, size_t count, const FieldName& name) {
  if (uint8_t* at = Reserve(count, FieldKind::kBytes, name)) {
    if (count) std::memcpy(at, data, count);
  }
}

void RecordWriter::PutFixedText(std::string_view text, size_t width, const FieldName& name) {
  if (uint8_t* at = Reserve(width, FieldKind::kText, name)) {
    size_t used = std::min(text.size(), width);
    if (used) std::memcpy(at, text.data(), used);
    std::memset(at + used, 0, width - used);
  }
}

void RecordWriter::PatchU8(size_t offset, uint8_t value, const FieldName& name) {
  if (offset >= position_) {
    ok_ = false;
    return;
  }
  buffer_[offset] = value;
  Report(name, FieldKind::kU8, offset, 1);
}

namespace {

// The bytes of [offset, offset + width) that `keep` takes, in order. Bytes
// past the record read as 0, which no text takes, so only the bytes inside
// it are looked at.
template <class Keep>
std::string KeptBytes(const uint8_t* data, size_t length, size_t offset, size_t width, Keep keep) {
  if (offset >= length) return {};
  const uint8_t* const bytes = data + offset;
  const size_t count = std::min(width, length - offset);
  // Every byte is written and only the kept ones advance: no branch a byte.
  auto gather = [&](char* out) {
    size_t used = 0;
    for (size_t i = 0; i < count; ++i) {
      out[used] = static_cast<char>(bytes[i]);
      used += keep(bytes[i]) ? 1 : 0;
    }
    return used;
  };
  // Most record texts are short fields: gathered on the stack, then made a
  // string once.
  char small[64];
  if (count <= sizeof small) return std::string(small, gather(small));
  std::string text(count, '\0');
  text.resize(gather(text.data()));
  return text;
}

}  // namespace

std::string RecordReader::TextSkipping0And255(size_t offset, size_t width) const {
  return KeptBytes(data_, length_, offset, width,
                   [](uint8_t byte) { return byte != 0 && byte != 255; });
}

std::string RecordReader::TextOfBytes1To127(size_t offset, size_t width) const {
  return KeptBytes(data_, length_, offset, width,
                   [](uint8_t byte) { return byte >= 1 && byte <= 127; });
}

}  // namespace ostrevan
