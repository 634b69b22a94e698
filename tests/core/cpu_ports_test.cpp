#include <gtest/gtest.h>

#include <string>

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

TEST(Ports, EntriesAndCodes) {
  std::vector<std::string> entries = PortListEntries();
  EXPECT_EQ(entries[0], "COM0(RS232/PRO-RS485)");
  EXPECT_EQ(entries[2], "COM2(Built-in RS485)");
  EXPECT_EQ(entries[4], "COM4(WIFI)");
  EXPECT_EQ(entries.at(12), "Ethernet: Socket 8");
  EXPECT_TRUE(IsNetworkPort(10));
  EXPECT_TRUE(IsNetworkPort(18));
  EXPECT_FALSE(IsNetworkPort(19));
  EXPECT_FALSE(IsNetworkPort(5));
}

struct SelectCase {
  int code;
  int selection;  // -1: none
};

TEST(Ports, ListSelectsTheEntryOfItsCode) {
  const SelectCase cases[] = {{0, 0},  {2, 1},  {3, 2},  {5, 4},   {14, 8},  {11, 5},
                              {18, 12}, {1, -1}, {6, -1}, {9, -1}, {10, -1}, {-3, -1}};
  for (const SelectCase& c : cases) {
    PortList list;
    list.Init(c.code);
    EXPECT_EQ(list.selection(), c.selection) << c.code;
    EXPECT_EQ(list.code(), c.code);
  }
}

TEST(Ports, PickingAnEntryYieldsItsCode) {
  PortList list;
  list.Init(1);
  EXPECT_EQ(list.OnSelectionChanged(-1), 1);  // nothing picked: the code stays
  EXPECT_EQ(list.OnSelectionChanged(2), 3);
  EXPECT_EQ(list.OnSelectionChanged(1), 2);
  EXPECT_EQ(list.OnSelectionChanged(8), 14);
  EXPECT_EQ(list.OnSelectionChanged(99), 14);
  EXPECT_EQ(PortCodeFromEntry("Ethernet", 4), 10);
  EXPECT_EQ(PortCodeFromEntry("COM9(x)", 4), 4);
}

}  // namespace
}  // namespace ostrevan
