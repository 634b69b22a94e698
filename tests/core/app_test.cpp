// A code generation as the host drives it: the block catalogue, limits,
// counting, instance indexes, the phone book it starts afresh, and the CPU
// the host selects.
#include "core/app.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "core/factory.h"
#include "ostrevan/plugin.h"
#include "support/plugin_fixture.h"

namespace ostrevan::testing {
namespace {

constexpr int kWifi = 11;

// The instance index a record was coded with (little-endian at offset 0).
int IndexOf(const Coded& coded) {
  return coded.record.size() < 2 ? -1 : coded.record[0] | coded.record[1] << 8;
}

TEST(CodeGeneration, LimitPerTypeTotalAndUnknownTypesTakeAnIndex) {
  Configure(10, {{"WIFI", 2}, {"Nonsense", 4}});
  EXPECT_EQ(IndexOf(CodeBlock(kWifi, "A:0")), 0);
  EXPECT_EQ(CodeBlock(99, "A:0").result, 0);  // unknown: index 1 is used up
  Coded second = CodeBlock(kWifi, "A:0");
  EXPECT_EQ(second.result, 1);
  EXPECT_EQ(IndexOf(second), 2);
  uint8_t record[20] = {};
  uint32_t length = 0;
  EXPECT_EQ(Function_Code(kWifi, "A:1", record, &length), 0);  // over the WIFI limit, but
  EXPECT_EQ(length, 20u);                                      // the record is written all the same
  EXPECT_EQ(record[0], 3);
  EXPECT_EQ(record[9], 1);
  EXPECT_EQ(App().instance_counter(), 4);
  for (int i = 4; i < 10; ++i) CodeBlock(kWifi, "A:0");
  EXPECT_EQ(CodeBlock(kWifi, "A:0").result, 0);  // the total is reached: not even counted
  EXPECT_EQ(App().instance_counter(), 10);

  App().phone_book().Add("+4400");
  Function_CodeStart(0);  // counts and the phone book start again, limits stay
  EXPECT_EQ(IndexOf(CodeBlock(kWifi, "A:0")), 0);
  EXPECT_EQ(App().block_types().back().count, 1);
  EXPECT_EQ(App().block_types().back().limit, 2);
  EXPECT_FALSE(App().phone_book().Contains("+4400"));
  EXPECT_TRUE(App().phone_book().Contains("+41000000000"));
}

std::string HugeTypeCount() {
  std::string ini = "[DEFAULT]\nTotal=5\nTypeCount=2000000000\n";
  for (int n = 1; n <= 2000; ++n) ini += "[Type_" + std::to_string(n) + "]\nName=x\nMax=1\n";
  return ini + "[Type_1999999999]\nName=WIFI\nMax=3\n";
}

TEST(CodeGeneration, ReadsTheTotalAndTheTypeSectionsInOrderUpToTypeCount) {
  const struct {
    const char* what;
    std::string ini;
    int total, modbus, sms_input, email, wifi;
  } cases[] = {
      {"sections in the order of their numbers",
       "[DEFAULT]\nTotal=9\nTypeCount=3\n"
       "[TYPE_3]\nName=WIFI\nMax=7\n"       // read last: it wins
       "[Type_1]\nName=WIFI\nMax=4\n"
       "[Type_01]\nName=Modbus\nMax=2\n"    // not how 1 is written
       "[Type_4]\nName=EMAIL\nMax=2\n"      // beyond TypeCount
       "[Type_2]\nName=sms input\nMax=5\n",
       9, 0, 5, 0, 7},
      {"a huge TypeCount", HugeTypeCount(), 5, 0, 0, 0, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(Function_Config(dir.Write("limits.ini", c.ini).c_str()), 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    const auto& rows = App().block_types();
    EXPECT_EQ(App().instance_total(), c.total);
    EXPECT_EQ(std::vector<int>({rows[0].limit, rows[8].limit, rows[10].limit, rows[11].limit}),
              std::vector<int>({c.modbus, c.sms_input, c.email, c.wifi}));
  }
}

TEST(CodeGeneration, ConfigNeedsExactlyTheNamedFileAndForgetsTheLimitsWithoutOne) {
  TempDir dir;
  std::string limits = dir.Write("wx.ini", "[DEFAULT]\nTotal=5\n");
  for (std::string wrong : {std::string(), dir.path() + "none.ini", dir.path(),
                            dir.path() + "w?.ini", dir.path() + "*.ini"}) {
    Configure(10, {{"WIFI", 2}});
    EXPECT_EQ(Function_Config(wrong.empty() ? nullptr : wrong.c_str()), -1) << wrong;
    EXPECT_EQ(App().instance_total(), 0) << wrong;
    EXPECT_EQ(CodeBlock(kWifi, "A:1").result, 0) << wrong;
  }
  EXPECT_EQ(Function_Config(limits.c_str()), 1);

  // A relative path is read from the host's directory.
  std::string directory = platform::HostExecutableDirectory();
  std::string name = "ostrevan-relative-limits.ini";
  ASSERT_TRUE(platform::WriteFileBytes(directory + name, "[DEFAULT]\nTotal=17\n"));
  std::string previous = std::filesystem::current_path().string();
  std::filesystem::current_path(directory);
  EXPECT_EQ(Function_Config(name.c_str()), 1);
  std::filesystem::current_path(previous);
  std::filesystem::remove(directory + name);
  EXPECT_EQ(App().instance_total(), 17);
  EXPECT_EQ(Function_Config(name.c_str()), -1);
}

// (The ids and names of the block types are the host's and the limits
// file's: the demo project's limits and records hold them.)
TEST(Factory, ASlotHoldsOneEntityAtATimeAndUnknownTypesLeaveItAlone) {
  EntitySlot slot;
  for (const BlockEntry& entry : BlockCatalogue()) {
    CFbdEntity* entity = CreateEntity(entry.type, slot);
    ASSERT_NE(entity, nullptr) << entry.name;
    EXPECT_EQ(entity->GetType(), entry.type) << entry.name;
    EXPECT_EQ(slot.get(), entity);
    EXPECT_EQ(FindBlock(entry.type), &entry);
  }
  for (int type : {0, 13, -1}) {
    EXPECT_EQ(FindBlock(type), nullptr);
    EXPECT_EQ(CreateEntity(type, slot), nullptr);
  }
  EXPECT_EQ(slot.get()->GetType(), 11) << "an unknown type leaves the slot as it was";
}

TEST(PhoneBook, AddsToTheFirstFreeEntryUntilFullAndResetsToTheDefaultEntry) {
  PhoneBook book;
  book.Add("");
  EXPECT_FALSE(book.Contains(""));
  book.entries()[1].label = "kept";
  book.Add("a@b.example");
  EXPECT_EQ(book.entries()[1], (PhoneBookEntry{"kept", "a@b.example", ""}));
  EXPECT_TRUE(book.Contains("a@b.example"));
  EXPECT_FALSE(book.Contains("A@b.example"));  // addresses match with case
  for (int i = 2; i < 200; ++i) book.Add("n" + std::to_string(i));
  book.Add("one too many");
  EXPECT_FALSE(book.Contains("one too many"));
  EXPECT_TRUE(book.Contains("n199"));
  book.entries()[0].label = "changed";
  book.Reset();
  EXPECT_EQ(book.entries()[0], (PhoneBookEntry{"default", "+41000000000", ""}));
  EXPECT_EQ(book.entries()[1], PhoneBookEntry{});
}

TEST(PhoneBook, LookupOfPickedItems) {
  PhoneBook book;
  book.Add("Max,+4912");
  book.entries()[1].label = "max";
  const struct {
    const char* text;
    const char* label;
    const char* address;
    int index;
  } cases[] = {
      {"", "", "", -1},
      {"+4912", "", "+4912", 77},         // no comma: the text itself, index untouched
      {",+4912", "", ",+4912", 77},       // a comma first: likewise
      {"max,+4912", "max", "Max,+4912", 1},  // whole text, without case
      {"Max,", "", "", 77},               // nothing behind the comma
      {"Other,+1", "", "", 77},           // no entry
  };
  for (const auto& c : cases) {
    PhoneBookMatch match;
    match.index = 77;
    book.Lookup(c.text, match);
    EXPECT_EQ(match.label, c.label) << c.text;
    EXPECT_EQ(match.address, c.address) << c.text;
    EXPECT_EQ(match.index, c.index) << c.text;
  }
}

TEST(VariableInit, KeepsTheModelAndTheAreaTable) {
  AreaSize areas[OSTREVAN_AREA_COUNT] = {};
  std::strcpy(areas[0].name, "V");
  areas[0].size = 2048;
  Variable_Init("OSV-2410-4G", areas);
  EXPECT_EQ(App().cpu_model(), "OSV-2410-4G");
  EXPECT_EQ(App().areas().records[0].size, 2048);

  Variable_Init(nullptr, nullptr);  // a null table keeps the previous one
  EXPECT_EQ(App().cpu_model(), "");
  EXPECT_EQ(App().areas().records[0].size, 2048);

  std::string long_name(150, 'K');
  Variable_Init(long_name.c_str(), nullptr);
  EXPECT_EQ(App().cpu_model(), std::string(99, 'K'));
  Variable_Init("", nullptr);
}

// (Ids 0 and 13 to 15 are the block fuzz targets' to refuse.)
TEST(Exports, NegativeAndLargeTypesAndNullPointers) {
  for (int type : {-1, 1000}) {
    uint32_t length = 77;
    char text[8] = "keep";
    EXPECT_EQ(Function_ParamLength(type, &length) + Function_CodeLength(type, &length), 0);
    EXPECT_EQ(length, 77u);
    EXPECT_EQ(Function_Default(type, text) + Function_Edit(type, text), 0);
    EXPECT_EQ(Function_Decode(type, text, reinterpret_cast<const uint8_t*>(text), 4), 0);
    EXPECT_STREQ(text, "keep");
  }
  EXPECT_EQ(Function_CodeStart(12345), 1);
  EXPECT_EQ(Function_Decode(kWifi, nullptr, nullptr, 0), 1);
#if !defined(_WIN32)  // without a view, Edit leaves the text alone
  char text[5] = "A:1";
  EXPECT_EQ(Function_Edit(kWifi, text), 0);
  EXPECT_STREQ(text, "A:1");
#endif
}

}  // namespace
}  // namespace ostrevan::testing
