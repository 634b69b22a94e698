#include "core/record.h"

#include <algorithm>
#include <cstring>

#include "core/param_text.h"

namespace ostrevan {

bool FieldName::empty() const {
  switch (form_) {
    case Form::kNone: return true;
    case Form::kPlain: return *before_ == '\0';
    case Form::kTwoParts: return *before_ == '\0' && *after_ == '\0';
    case Form::kNumbered: return false;
  }
  return true;
}

std::string FieldName::Text() const {
  switch (form_) {
    case Form::kNone: return {};
    case Form::kPlain: return before_;
    case Form::kTwoParts: return std::string(before_) + after_;
    case Form::kNumbered: {
      std::string text(before_);
      AppendDecimal(text, number_);
      return text.append(after_);
    }
  }
  return {};
}

void RecordWriter::Report(const FieldName& name, FieldKind kind, size_t offset, size_t width) {
  if (sink_ && !name.empty()) sink_->OnField(name.Text(), kind, offset, width);
}

void RecordWriter::PutU32BE(uint32_t value, const FieldName& name) {
  if (uint8_t* at = Reserve(4, FieldKind::kU32BE, name)) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (24 - 8 * i));
  }
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

void RecordReader::Report(const FieldName& name, FieldKind kind, size_t offset, size_t width) {
  if (sink_ && !name.empty()) sink_->OnField(name.Text(), kind, offset, width);
}

uint32_t RecordReader::GetU32BE(const FieldName& name) {
  size_t at = TakeFixed(4, FieldKind::kU32BE, name);
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) value = value << 8 | At(at + i);
  return value;
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

void RecordReader::GetBytes(void* out, size_t count, const FieldName& name) {
  size_t at = Take(count, FieldKind::kBytes, name);
  size_t inside = at < length_ ? std::min(count, length_ - at) : 0;
  if (inside) std::memcpy(out, data_ + at, inside);
  if (count > inside) std::memset(static_cast<uint8_t*>(out) + inside, 0, count - inside);
}

std::string RecordReader::GetTextSkipping0And255(size_t width, const FieldName& name) {
  size_t at = Take(width, FieldKind::kText, name);
  return KeptBytes(data_, length_, at, width,
                   [](uint8_t byte) { return byte != 0 && byte != 255; });
}

namespace {

bool IsSevenBitText(uint8_t byte) { return byte >= 1 && byte <= 127; }

}  // namespace

std::string RecordReader::GetTextOfBytes1To127(size_t width, const FieldName& name) {
  size_t at = Take(width, FieldKind::kText, name);
  return KeptBytes(data_, length_, at, width, IsSevenBitText);
}

std::string RecordReader::GetTerminatedText1To127(size_t characters, const FieldName& name) {
  size_t at = Take(characters + 1, FieldKind::kText, name);
  return KeptBytes(data_, length_, at, characters, IsSevenBitText);
}

}  // namespace ostrevan
