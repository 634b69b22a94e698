// Helpers shared by the MQTT block tests.
#pragma once

#include <string>

#include "core/platform/platform.h"
#include "support/hex_runs.h"

namespace ostrevan::testing {

constexpr int kSubscribe = 5;
constexpr int kPublish = 6;
constexpr int kConnect = 7;

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
