#include "tools/ostrevan-host/build_limits.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ostrevan/plugin.h"
#include "support/plugin_fixture.h"

namespace ostrevan::host {
namespace {

constexpr int kModbus = 1;
constexpr int kSmsInput = 8;
constexpr int kWifi = 11;

std::array<int, BuildLimits::kTypes> Limits(std::initializer_list<std::pair<int, int>> rows) {
  std::array<int, BuildLimits::kTypes> limits{};
  for (auto [type, max] : rows) limits[type - 1] = max;
  return limits;
}

// The usual refusals and their advice are the tool's own test; here the
// numbers in the reasons and the names in the advice.
TEST(BuildLimits, SaysWhyEachBlockIsRefused) {
  const struct {
    int total;
    std::array<int, BuildLimits::kTypes> limits;
    std::vector<int> blocks;
    std::vector<std::string> reasons;  // one a block; empty when it is counted
  } cases[] = {
      // a block without a limit still takes its place in the total
      {1, Limits({}), {kWifi, kWifi},
       {"the limits allow no WIFI block", "the program total of 1 block is reached"}},
      {9, Limits({{kWifi, 2}}), {kWifi, kWifi, kWifi},
       {"", "", "the limit of 2 WIFI blocks is reached"}},
      {9, Limits({{kWifi, -1}}), {kWifi}, {"the limits allow no WIFI block"}},
      {0, Limits({{kWifi, 2}}), {kWifi}, {"the program total of 0 blocks is reached"}},
  };
  for (const auto& c : cases) {
    BuildLimits limits(c.total, c.limits, LimitsOrigin{});
    for (size_t i = 0; i < c.blocks.size(); ++i) {
      std::optional<Refusal> refusal = limits.WhyRefused(c.blocks[i]);
      EXPECT_EQ(refusal ? refusal->reason : "", c.reasons[i]) << "total " << c.total << ", block " << i;
      limits.Count(c.blocks[i]);
    }
  }
  std::optional<Refusal> refusal =
      BuildLimits(3, Limits({}), LimitsOrigin{false, "l\x01.ini"}).WhyRefused(kWifi);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->advice.rfind("give WIFI a Max in l\\x01.ini", 0), 0u) << refusal->advice;
}

// The tool's count and the plug-in's agree: for limits files of many shapes
// (names in any case, a Max of 0, sections past TypeCount), a block is
// refused by Function_Code exactly when the tool says why.
TEST(BuildLimits, AgreesWithTheExportsOverRandomLimitsFiles) {
  std::mt19937 random(19);
  const int types[] = {kModbus, kSmsInput, kWifi};
  const char* names[] = {"Modbus", "modbus", "SMS Input", "WIFI", "wifi", "Gizmo"};
  for (int round = 0; round < 60; ++round) {
    int total = static_cast<int>(random() % 7);
    int type_count = static_cast<int>(random() % 4);
    std::string ini = "[DEFAULT]\nTotal=" + std::to_string(total) +
                      "\nTypeCount=" + std::to_string(type_count) + "\n";
    for (int n = 1; n <= 4; ++n) {
      ini += "[Type_" + std::to_string(n) + "]\nName=" + names[random() % 6] +
             "\nMax=" + std::to_string(random() % 4) + "\n";
    }
    testing::TempDir dir;
    std::string path = dir.Write("limits.ini", ini);
    ASSERT_EQ(Function_Config(path.c_str()), 1);
    Function_CodeStart(0);
    BuildLimits limits = BuildLimits::Read(path, LimitsOrigin{false, "limits.ini"});
    for (int block = 0; block < 8; ++block) {
      int type = types[random() % 3];
      bool refused = limits.WhyRefused(type).has_value();
      limits.Count(type);
      EXPECT_EQ(testing::CodeBlock(type, testing::DefaultText(type)).result, refused ? 0 : 1)
          << ini << "block " << block << " of type " << type;
    }
  }
}

}  // namespace
}  // namespace ostrevan::host
