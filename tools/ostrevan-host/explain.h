// A record laid out field by field, from the names and places that the
// block's own record writer reports while it codes the text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ostrevan::host {

// One line per field: offset, bytes, name, value. `record` is what the
// plug-in coded for `text`; bytes no field names are shown as unnamed.
std::string ExplainRecord(int type, const std::string& text, const std::vector<uint8_t>& record);

}  // namespace ostrevan::host
