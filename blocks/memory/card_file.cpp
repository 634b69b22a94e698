#include "blocks/memory/card_file.h"

#include "core/platform/platform.h"

namespace ostrevan {

std::string CardFileNameNow() {
  platform::LocalTime now = platform::Now();
  return Format("%02d%02d%02d%02d", now.year - 2000, now.month, now.day, now.hour);
}

std::string FileOptionsText(const CardFileParams& params) {
  return Format("%d,%d,%d,%d,%d,%d,%d", params.internal_card ? 1 : 0, params.decimals,
                params.after_full, params.file_size_code, params.save_time ? 1 : 0,
                params.data_sequence, params.auxiliary);
}

void ReadOperandSegment(std::string_view span, CardFileParams& params) {
  ScannedInts<4> scanned = ScanInts<4>(span);
  uint32_t* fields[] = {&params.record_index, &params.area_code, &params.index, &params.count};
  for (size_t i = 0; i < scanned.count; ++i) *fields[i] = static_cast<uint32_t>(scanned[i]);
}

std::string OperandSegmentText(const CardFileParams& params) {
  return Format("%d,%d,%d,%d", static_cast<int>(params.record_index),
                static_cast<int>(params.area_code), static_cast<int>(params.index),
                static_cast<int>(params.count));
}

std::string CardText(std::string_view span, size_t width) {
  return RemoveQuotes(span).substr(0, width);
}

std::string SeparatorText(char separator) {
  return separator == '\0' ? std::string() : std::string(1, separator);
}

uint8_t DecimalsAndFormat(uint8_t decimals, uint32_t format) {
  return static_cast<uint8_t>((format & 0x0F) << 4 | (decimals & 0x0F));
}

}  // namespace ostrevan
