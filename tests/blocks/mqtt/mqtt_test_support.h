// Helpers shared by the MQTT block tests.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/platform/platform.h"
#include "support/hex_runs.h"
#include "support/plugin_fixture.h"

namespace ostrevan::testing {

constexpr int kSubscribe = 5;
constexpr int kPublish = 6;
constexpr int kConnect = 7;

// Each text, coded alone, holds its hex bytes at `offset`.
inline void ExpectBytesAt(int type, size_t offset,
                          const std::vector<std::pair<std::string, std::string>>& cases) {
  for (const auto& [text, hex] : cases)
    EXPECT_EQ(HexAt(CodeAlone(type, text), offset, Bytes(hex).size()), hex) << text;
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
