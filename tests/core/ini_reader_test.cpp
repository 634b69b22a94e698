#include "core/platform/ini_reader.h"

#include <gtest/gtest.h>

#include "core/platform/platform.h"
#include "support/plugin_fixture.h"

namespace ostrevan::platform {
namespace {

constexpr const char* kIni =
    "; limits\r\n"
    "[default]\r\n"
    "  Total = 12  \r\n"
    "Name=\"quoted value\"\r\n"
    "Empty=\r\n"
    "[Type_1]\n"
    "name=Modbus\n"
    "Max=5\n"
    "[DEFAULT]\n"
    "TypeCount=9\n";

struct IniCase {
  const char* section;
  const char* key;
  const char* value;  // nullptr: absent
};

TEST(IniReader, FindsValuesLikeThePrivateProfileCalls) {
  const IniCase cases[] = {
      {"DEFAULT", "Total", "12"},       {"Default", "TOTAL", "12"},
      {"DEFAULT", "Name", "quoted value"}, {"DEFAULT", "Empty", ""},
      {"Type_1", "Name", "Modbus"},     {"type_1", "MAX", "5"},
      {"DEFAULT", "TypeCount", nullptr},  // only the first section of a name counts
      {"Type_2", "Name", nullptr},      {"DEFAULT", "Missing", nullptr},
  };
  for (const IniCase& c : cases) {
    std::optional<std::string> value = FindIniValue(kIni, c.section, c.key);
    if (c.value) {
      ASSERT_TRUE(value.has_value()) << c.section << "/" << c.key;
      EXPECT_EQ(*value, c.value);
    } else {
      EXPECT_FALSE(value.has_value()) << c.section << "/" << c.key;
    }
  }
  std::string long_value = "[S]\nK=" + std::string(400, 'v') + "\n";
  EXPECT_EQ(FindIniValue(long_value, "S", "K")->size(), 255u);
}

TEST(IniReader, ReadsFilesWithFallbacks) {
  testing::TempDir dir;
  IniFile ini(dir.Write("x.ini", "[A]\nN=42abc\nT=text\n[ b ]\n[a]\nX=1\n"));
  EXPECT_EQ(ini.Int("A", "N", 7), 42);
  EXPECT_EQ(ini.Int("A", "T", 7), 0);
  EXPECT_EQ(ini.Int("A", "None", 7), 7);
  EXPECT_EQ(ini.Int("A", "X", 7), 7);  // the second [a] is never read
  EXPECT_EQ(ini.String("A", "T", "d"), "text");
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"A", "b"}));

  IniFile missing(dir.path() + "missing.ini");
  EXPECT_EQ(missing.String("A", "T", "d"), "d");
  EXPECT_TRUE(missing.SectionNames().empty());
}

TEST(Platform, FilesAndDirectories) {
  testing::TempDir dir;
  std::string path = dir.path() + "bytes.bin";
  const std::string bytes("a\0b\xff", 4);
  ASSERT_TRUE(WriteFileBytes(path, bytes));
  EXPECT_TRUE(FileExists(path));
  EXPECT_FALSE(FileExists(dir.path()));  // a directory is not a file
  EXPECT_EQ(ReadFileLimited(path, 4), bytes);
  EXPECT_FALSE(ReadFileLimited(path, 3).has_value());
  EXPECT_FALSE(ReadFileLimited(dir.path() + "none", 10).has_value());
  EXPECT_TRUE(MakeDirectory(dir.path() + "sub"));
  EXPECT_FALSE(MakeDirectory(dir.path() + "sub"));
  EXPECT_EQ(ModuleDirectory().back(), PathSeparator());
  EXPECT_EQ(HostExecutableDirectory().back(), PathSeparator());
}

}  // namespace
}  // namespace ostrevan::platform
