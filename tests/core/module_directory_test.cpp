#include <gtest/gtest.h>

#include "core/app.h"
#include "core/platform/platform.h"

namespace ostrevan {
namespace {

TEST(ModuleDirectory, TestsCanPointItElsewhereAndBack) {
  const std::string real = App().module_directory();
  ASSERT_FALSE(real.empty());
  EXPECT_EQ(real.back(), platform::PathSeparator());

  platform::SetModuleDirectoryOverride(std::string("/tmp/elsewhere/"));
  EXPECT_EQ(App().module_directory(), "/tmp/elsewhere/");
  platform::SetModuleDirectoryOverride(std::nullopt);
  EXPECT_EQ(App().module_directory(), real);
}

}  // namespace
}  // namespace ostrevan
