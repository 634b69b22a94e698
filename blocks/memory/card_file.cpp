#include "blocks/memory/card_file.h"

#include "core/platform/platform.h"
#include "core/text_builder.h"

namespace ostrevan {

std::string CardFileNameNow() {
  platform::LocalTime now = platform::Now();
  return Format("%02d%02d%02d%02d", now.year - 2000, now.month, now.day, now.hour);
}

void ReadOperandSegment(std::string_view span, CardFileParams& params) {
  ScannedInts<4> scanned = ScanInts<4>(span);
  uint32_t* fields[] = {&params.record_index, &params.area_code, &params.index, &params.count};
  for (size_t i = 0; i < scanned.count; ++i) *fields[i] = static_cast<uint32_t>(scanned[i]);
}

std::string CardText(std::string_view span, size_t width) {
  if (span.find('"') == std::string_view::npos) return std::string(span.substr(0, width));
  std::string text = RemoveQuotes(span);
  if (text.size() > width) text.resize(width);
  return text;
}

uint8_t DecimalsAndFormat(uint8_t decimals, uint32_t format) {
  return static_cast<uint8_t>((format & 0x0F) << 4 | (decimals & 0x0F));
}

}  // namespace ostrevan
