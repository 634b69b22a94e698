// The module directory that tests put in place of the library's own.
#include <utility>

#include "core/platform/platform.h"

namespace ostrevan::platform {

namespace {
std::optional<std::string>& Override() {
  static std::optional<std::string> directory;
  return directory;
}
}  // namespace

void SetModuleDirectoryOverride(std::optional<std::string> directory) {
  Override() = std::move(directory);
}

const std::optional<std::string>& ModuleDirectoryOverride() { return Override(); }

}  // namespace ostrevan::platform
