// A record laid out field by field, from the names and places that the
// block's own record reader reports while it decodes the record.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ostrevan::host {

// One line per field: offset, the bytes `given`, the bytes `coded` again
// from `text` (the text decoded out of `given`) with a mark where they
// differ, name and value. Bytes no field names are shown as unnamed.
std::string ExplainRecord(int type, const std::string& text, const std::vector<uint8_t>& given,
                          const std::vector<uint8_t>& coded);

}  // namespace ostrevan::host
