#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/cpu_models.h"
#include "core/ports.h"

namespace ostrevan {
namespace {

struct ModelCase {
  const char* model;
  bool card, family, mqtt4g;
};

TEST(CpuModels, AnswerTheCapabilityQuestions) {
  const ModelCase cases[] = {
      {"OSV-2410-4G", true, true, true},
      {"osv-2410-4G", true, true, true},     // lists compare without case...
      {"OSV-2410-4g", true, true, false},    // ...the marker with case
      {"OSV-1100", false, true, false},
      {"OSV-2410", true, true, false},       // listed for cards, no 4G
      {"OSN-110-4G", false, false, true},    // the other list
      {"OSN-900", false, false, false},      // listed, but without the marker
      {"OSV-4410-4G", false, true, true},
      {"OSV-9999-4G", false, false, false},
      {"", false, false, false},
  };
  for (const ModelCase& c : cases) {
    EXPECT_EQ(HasInternalCard(c.model), c.card) << c.model;
    EXPECT_EQ(InModelFamily(c.model), c.family) << c.model;
    EXPECT_EQ(SupportsMqtt4G(c.model), c.mqtt4g) << c.model;
  }
}

// Each code selects its entry, and picking that entry gives the code back;
// a code without an entry selects none.
TEST(Ports, ListSelectsTheEntryOfItsCodeAndPickingAnEntryYieldsItsCode) {
  const std::pair<int, int> cases[] = {{0, 0},  {2, 1},   {3, 2},  {5, 4},  {14, 8},  {11, 5},
                                       {18, 12}, {1, -1}, {6, -1}, {9, -1}, {10, -1}, {-3, -1}};
  for (auto [code, selection] : cases) {
    PortList list;
    list.Init(code);
    EXPECT_EQ(list.selection(), selection) << code;
    EXPECT_EQ(list.code(), code);
    EXPECT_EQ(list.OnSelectionChanged(99), code) << "no such entry: the code stays";
    EXPECT_EQ(list.OnSelectionChanged(-1), code) << "nothing picked: the code stays";
    if (selection >= 0) {
      PortList other;
      other.Init(1);
      EXPECT_EQ(other.OnSelectionChanged(selection), code);
    }
  }
  EXPECT_EQ(PortListEntries().at(2), "COM2(Built-in RS485)");
  EXPECT_EQ(PortCodeFromEntry("Ethernet", 4), 10);
  EXPECT_EQ(PortCodeFromEntry("COM9(x)", 4), 4);
  EXPECT_TRUE(IsNetworkPort(10) && IsNetworkPort(18) && !IsNetworkPort(19) && !IsNetworkPort(9));
}

}  // namespace
}  // namespace ostrevan
