// The limits file is read the same on every build: the Windows build asks
// the system's private-profile calls, the others read it with IniIndex. The
// table below runs against whichever the build has, so a row that passes on
// both says the two agree. The code page is the one the file's UTF-8 and
// UTF-16 texts are read into.
#include "core/platform/ini_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/platform/code_page.h"
#include "core/platform/platform.h"
#include "support/plugin_fixture.h"

namespace ostrevan::platform {
namespace {

using testing::TempDir;

constexpr int kFallback = 77;
const char kNone[] = "<fallback>";

struct ProfileRow {
  const char* what;
  std::string file;
  const char* section;
  const char* key;
  std::string text;  // kNone: the fallback
  int number;
};

std::string Utf16(std::string_view ascii, bool big_endian) {
  std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (char c : ascii) {
    bytes.push_back(big_endian ? '\0' : c);
    bytes.push_back(big_endian ? c : '\0');
  }
  return bytes;
}

std::string LargeFile() {
  std::string filler;
  while (filler.size() < (3u << 19)) filler += ";" + std::string(98, 'x') + "\n";
  return filler + "[S]\nK=4\n";
}

const std::vector<ProfileRow>& Rows() {
  static const std::vector<ProfileRow> rows = {
      // Encodings and line ends.
      {"UTF-16 LE", Utf16("[S]\r\nK=7\r\n", false), "S", "K", "7", 7},
      {"UTF-16 BE", Utf16("[S]\r\nK=8\r\n", true), "S", "K", "8", 8},
      {"UTF-8 text in the code page", "\xEF\xBB\xBF[S]\nK=caf\xC3\xA9\n", "S", "K", "caf\xE9", 0},
      {"mark inside the file", "[S]\n\xEF\xBB\xBFK=1\n", "S", "K", kNone, kFallback},
      {"a sequence cut short", "\xEF\xBB\xBF[S]\nK=a\xC3" "b\n", "S", "K", "a?b", 0},
      {"lone CR", "[S]\rA=1\rK=3\r", "S", "K", "3", 3},
      {"a file over 1 MiB", LargeFile(), "S", "K", "4", 4},
      // Blanks and NUL.
      {"NUL ends a value", std::string("[S]\nK=12\0" "34\n", 12), "S", "K", "12", 12},
      // Sections.
      {"section names ignore case", "[default]\nTotal=2\n", "DEFAULT", "TOTAL", "2", 2},
      {"up to the last ']'", "[S]x]\nK=1\n", "S]x", "K", "1", 1},
      {"no ']': a key line", "[S]\nA=1\n[T\nK=3\n", "S", "K", "3", 3},
      {"only the first section of a name", "[S]\nA=1\n[s]\nK=2\n", "S", "K", kNone, kFallback},
      // Keys and values.
      {"first key counts", "[S]\nK=1\nK=2\n", "S", "K", "1", 1},
      {"';' starts no comment", "[S]\n;K=6\n", "S", ";K", "6", 6},
      {"blanks around key and value", "[S]\n K  =  v  \n", "S", "K", "v", 0},
      {"empty value", "[S]\nK=\n", "S", "K", "", kFallback},
      {"unmatched quote", "[S]\nK=\"abc\n", "S", "K", "\"abc", 0},
      {"quotes keep blanks", "[S]\nK=\" 12 \"\n", "S", "K", " 12 ", 12},
      {"256 characters cut to 255", "[S]\nK=" + std::string(256, 'v') + "\n", "S", "K",
       std::string(255, 'v'), 0},
      // Integers.
      {"hex", "[S]\nK=0x1F\n", "S", "K", "0x1F", 31},
      {"binary up to its first other digit", "[S]\nK=0b102\n", "S", "K", "0b102", 2},
      {"signs", "[S]\nK=-0x10\n", "S", "K", "-0x10", -16},
      {"control characters skipped", "[S]\nK=\"\x01\t7\"\n", "S", "K", "\x01\t7", 7},
      {"only 29 characters", "[S]\nK=0000000000000000000000000001234\n", "S", "K",
       "0000000000000000000000000001234", 12},
      {"wraps at 2^32", "[S]\nK=4294967297\n", "S", "K", "4294967297", 1},
  };
  return rows;
}

TEST(LimitsFile, ReadsAsThePrivateProfileCalls) {
  TempDir dir;
  int file_number = 0;
  for (const ProfileRow& row : Rows()) {
    SCOPED_TRACE(row.what);
    IniFile ini(dir.Write("row" + std::to_string(++file_number) + ".ini", row.file));
    EXPECT_EQ(ini.String(row.section, row.key, kNone), row.text);
    EXPECT_EQ(ini.Int(row.section, row.key, kFallback), row.number);
  }
}

TEST(LimitsFile, ListsSectionNamesOnceInFileOrder) {
  TempDir dir;
  IniFile ini(dir.Write("names.ini", "K=0\n[A]\n[ B ]\n[a]\n[C]x]\n[D\n[]\n[E] note\n"));
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"A", "B", "C]x", "E"}));
  IniFile missing(dir.path() + "missing.ini");
  EXPECT_EQ(missing.String("A", "T", "d"), "d");
  EXPECT_TRUE(missing.SectionNames().empty());
}

// (Directories as files and the module's own directory are met by the
// limits file and certificate tests.)
TEST(Platform, ReadsWholeFilesUpToALimit) {
  TempDir dir;
  std::string path = dir.path() + "bytes.bin";
  const std::string bytes("a\0b\xff", 4);
  ASSERT_TRUE(WriteFileBytes(path, bytes));
  EXPECT_EQ(ReadFileLimited(path, 4), bytes);
  EXPECT_FALSE(ReadFileLimited(path, 3).has_value());
  EXPECT_FALSE(ReadFileLimited(dir.path() + "none", 10).has_value());
}

// The development build's fixed code page is Windows-1252.
TEST(CodePage, EveryByteIsOneCharacterAndComesBack) {
  for (int byte = 0; byte < 256; ++byte) {
    std::string text(1, static_cast<char>(byte));
    std::u16string units = MultiByteToUtf16(text);
    ASSERT_EQ(units.size(), 1u) << byte;
    EXPECT_EQ(Utf16ToMultiByte(units), text) << byte;
  }
}

TEST(CodePage, ConvertsTheSignsOfThePageAndMarksWhatItLacks) {
  const struct {
    const char* bytes;
    std::u16string units;
    bool both_ways;
  } cases[] = {
      {"Pump 1: OK", u"Pump 1: OK", true},
      {"\x80 \x8A\x9F", u"\u20AC \u0160\u0178", true},
      {"\xE9t\xE9 \xFC", u"\u00E9t\u00E9 \u00FC", true},
      {"\x81\x8D\x90", u"\u0081\u008D\u0090", true},  // unassigned: the control of the same value
      {"?=1", u"\u03A9=1", false},
      {"?", u"\u0080", false},                       // a control the page shows as the euro sign
      {"?", std::u16string{0xD83D, 0xDE00}, false},  // one character beyond 16 bits
      {"?a?", std::u16string{0xDE00, 'a', 0xD83D}, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf16ToMultiByte(c.units), c.bytes) << c.bytes;
    if (c.both_ways) {
      EXPECT_EQ(MultiByteToUtf16(c.bytes), c.units) << c.bytes;
    }
  }
}

TEST(CodePage, CutsNeverSplitACharacter) {
  EXPECT_EQ(CutMultiByte("abcdef", 4), "abcd");
  EXPECT_EQ(CutMultiByte("ab", 4), "ab");
  const std::u16string pair_at_3{'a', 'b', 0xD83D, 0xDE00, 'c'};
  EXPECT_EQ(CutUtf16(pair_at_3, 3), pair_at_3.substr(0, 2));
  EXPECT_EQ(CutUtf16(pair_at_3, 4), pair_at_3.substr(0, 4));
  EXPECT_EQ(CutUtf16(pair_at_3, 9), pair_at_3);
}

}  // namespace
}  // namespace ostrevan::platform
