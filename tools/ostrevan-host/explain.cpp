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

std::string BytesColumn(const uint8_t* bytes, size_t width) {
  constexpr size_t kShown = 8;
  std::string shown = ToHex(bytes, std::min(width, kShown));
  return width > kShown ? shown + " .." : shown;
}

}  // namespace

std::string ExplainRecord(int type, const std::string& text, const std::vector<uint8_t>& record) {
  CollectingSink sink;
  EntitySlot slot;
  if (CFbdEntity* entity = CreateEntity(type, slot)) {
    uint32_t capacity = 0;
    entity->GetCodeLength(&capacity);
    std::vector<uint8_t> scratch(std::max<uint32_t>(capacity, 1));
    uint32_t length = 0;
    entity->SetInstance(0, 1, 0);
    entity->SetFieldSink(&sink);
    entity->Code(text.c_str(), scratch.data(), &length);
  }

  std::string out = Format("%6s  %-26s  %-28s  %s\n", "offset", "bytes", "field", "value");
  size_t offset = 0;
  auto line = [&](size_t at, size_t width, const std::string& name, const std::string& value) {
    AppendFormat(out, "%6zu  %-26s  %-28s  %s\n", at,
                 BytesColumn(record.data() + at, width).c_str(), name.c_str(), value.c_str());
  };
  for (const auto& [at, field] : sink.fields) {
    if (at >= record.size()) break;
    if (at > offset) line(offset, at - offset, "(unnamed)", "");
    size_t width = std::min(field.width, record.size() - at);
    if (width == 0) continue;
    line(at, width, field.name, width == field.width ? ValueText(field, record.data() + at) : "");
    offset = std::max(offset, at + width);
  }
  if (offset < record.size()) line(offset, record.size() - offset, "(unnamed)", "");
  return out;
}

}  // namespace ostrevan::host
