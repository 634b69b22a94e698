#include "tools/ostrevan-host/explain.h"

#include <algorithm>
#include <map>

#include "core/factory.h"
#include "core/param_text.h"
#include "tools/ostrevan-host/hex.h"

namespace ostrevan::host {

namespace {

struct Field {
  std::string name;
  FieldKind kind;
  size_t width;
};

class CollectingSink : public FieldSink {
 public:
  void OnField(std::string_view name, FieldKind kind, size_t offset, size_t width) override {
    fields[offset] = Field{std::string(name), kind, width};
  }
  std::map<size_t, Field> fields;  // by offset; a later put at an offset wins
};

std::string ValueText(const Field& field, const uint8_t* bytes) {
  switch (field.kind) {
    case FieldKind::kU8: return Format("%u", bytes[0]);
    case FieldKind::kU16LE: return Format("%u", bytes[0] | bytes[1] << 8);
    case FieldKind::kU16BE: return Format("%u", bytes[0] << 8 | bytes[1]);
    case FieldKind::kU32BE:
      return Format("%lu", static_cast<unsigned long>(bytes[0]) << 24 | bytes[1] << 16 |
                               bytes[2] << 8 | bytes[3]);
    case FieldKind::kText: {
      std::string text = "\"";
      for (size_t i = 0; i < field.width && bytes[i]; ++i) {
        uint8_t c = bytes[i];
        text += c >= 32 && c < 127 && c != '"' ? std::string(1, static_cast<char>(c))
                                               : Format("\\x%02X", c);
      }
      return text + "\"";
    }
    case FieldKind::kBytes: break;
  }
  return {};
}

std::string BytesColumn(const std::vector<uint8_t>& record, size_t at, size_t width) {
  if (at >= record.size()) return "-";
  width = std::min(width, record.size() - at);
  constexpr size_t kShown = 8;
  std::string shown = ToHex(record.data() + at, std::min(width, kShown));
  return width > kShown ? shown + " .." : shown;
}

bool SameBytes(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b, size_t at,
               size_t width) {
  for (size_t i = at; i < at + width; ++i) {
    if (i >= a.size() || i >= b.size() || a[i] != b[i]) return false;
  }
  return true;
}

}  // namespace

std::string ExplainRecord(int type, const std::string& text, const std::vector<uint8_t>& given,
                          const std::vector<uint8_t>& coded) {
  // The names and places of the fields are those the block's decode walks
  // past in the bytes given.
  CollectingSink sink;
  EntitySlot slot;
  if (CFbdEntity* entity = CreateEntity(type, slot)) {
    uint32_t param_length = 0;
    entity->GetParamLength(&param_length);
    std::vector<char> param(std::max<size_t>(param_length, text.size() + 1));
    std::copy(text.begin(), text.end(), param.begin());
    entity->SetFieldSink(&sink);
    entity->Decode(param.data(), given.data(), static_cast<uint32_t>(given.size()));
  }

  // Each line shows the bytes given and the bytes coded again from the
  // decoded text, marked with '*' where they differ; the value is read from
  // the bytes given.
  const size_t end = std::max(given.size(), coded.size());
  std::string out = Format("%6s    %-26s  %-26s  %-28s  %s\n", "offset", "given", "coded again",
                           "field", "value");
  size_t differing = 0;
  size_t offset = 0;
  auto line = [&](size_t at, size_t width, const std::string& name, const Field* field) {
    bool same = SameBytes(given, coded, at, width);
    if (!same) ++differing;
    std::string value;
    if (field && at + width <= given.size() && width == field->width)
      value = ValueText(*field, given.data() + at);
    AppendFormat(out, "%6zu  %c %-26s  %-26s  %-28s  %s\n", at, same ? ' ' : '*',
                 BytesColumn(given, at, width).c_str(), BytesColumn(coded, at, width).c_str(),
                 name.c_str(), value.c_str());
  };
  for (const auto& [at, field] : sink.fields) {
    if (at >= end) break;
    if (at > offset) line(offset, at - offset, "(unnamed)", nullptr);
    size_t width = std::min(field.width, end - at);
    if (width == 0) continue;
    line(at, width, field.name, &field);
    offset = std::max(offset, at + width);
  }
  if (offset < end) line(offset, end - offset, "(unnamed)", nullptr);
  if (differing) {
    AppendFormat(out, "\n* %zu line(s) where the record given differs from the record coded "
                      "again (%zu and %zu bytes)\n", differing, given.size(), coded.size());
  } else {
    out += "\nthe record given is the record coded again, byte for byte\n";
  }
  return out;
}

}  // namespace ostrevan::host
