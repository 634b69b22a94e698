// Helpers shared by the MQTT block tests.
#pragma once

#include <string>
#include <vector>

#include "core/platform/platform.h"
#include "support/plugin_fixture.h"

namespace ostrevan::testing {

constexpr int kSubscribe = 5;
constexpr int kPublish = 6;
constexpr int kConnect = 7;

// Hex of `count` bytes of `record` from `offset` (fewer at its end).
inline std::string HexAt(const std::vector<uint8_t>& record, size_t offset, size_t count) {
  if (offset >= record.size()) return {};
  auto begin = record.begin() + static_cast<long>(offset);
  auto end = record.begin() + static_cast<long>(std::min(record.size(), offset + count));
  return Hex(std::vector<uint8_t>(begin, end));
}

// `count` times the hex text `unit`, separated by spaces.
inline std::string Repeat(const std::string& unit, size_t count) {
  std::string text;
  for (size_t i = 0; i < count; ++i) text += (i ? " " : "") + unit;
  return text;
}

// Points the plug-in's module directory at `directory` while it lives.
class ModuleDirectoryAt {
 public:
  explicit ModuleDirectoryAt(const std::string& directory) {
    platform::SetModuleDirectoryOverride(directory);
  }
  ~ModuleDirectoryAt() { platform::SetModuleDirectoryOverride(std::nullopt); }
  ModuleDirectoryAt(const ModuleDirectoryAt&) = delete;
  ModuleDirectoryAt& operator=(const ModuleDirectoryAt&) = delete;
};

}  // namespace ostrevan::testing
