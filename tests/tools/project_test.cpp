#include "tools/ostrevan-host/project.h"

#include <gtest/gtest.h>

#include "tools/ostrevan-host/hex.h"

namespace ostrevan::host {
namespace {

TEST(ProjectFile, ReadsCpuLimitsAndBlocksInOrder) {
  Project project = ParseProject(
      "; demo\n"
      "[cpu]\n"
      "model = OSV-2410\n"
      "area = V 2048\n"
      "area = SM\t1000\n"
      "\n"
      "[limits]\n"
      "total = 8\n"
      "wifi = 2\n"
      "GPRS Data Send = 1\n"
      "[block]\n"
      "type = WIFI\n"
      "text = A:1\n"
      "# a comment\n"
      "[Block]\n"
      "type = 12\n"
      "text = \"  A:1,B: \\\"x\\\" \"\n",
      "p.project");
  EXPECT_EQ(project.cpu_model, "OSV-2410");
  ASSERT_EQ(project.areas.size(), 2u);
  EXPECT_STREQ(project.areas[1].name, "SM");
  EXPECT_EQ(project.areas[1].size, 1000);
  EXPECT_EQ(project.total, 8);
  ASSERT_EQ(project.blocks.size(), 2u);
  EXPECT_EQ(project.blocks[0].type, 11);
  EXPECT_EQ(project.blocks[1].type_name, "GPRS Data Send");
  EXPECT_EQ(project.blocks[1].text, "  A:1,B: \"x\" ");
  EXPECT_EQ(LimitsIni(project),
            "[DEFAULT]\nTotal=8\nTypeCount=2\n[Type_1]\nName=WIFI\nMax=2\n"
            "[Type_2]\nName=GPRS Data Send\nMax=1\n");
}

struct BadCase {
  const char* text;
  const char* message;
};

TEST(ProjectFile, NamesTheLineOfEachMistake) {
  const BadCase cases[] = {
      {"[cpu]\n[limits]\ntotal=1\n[gadgets]\n", "f:4: unknown section [gadgets]"},
      {"[cpu]\nmodel\n", "f:2: expected KEY = VALUE"},
      {"model = x\n", "f:1: \"model\" stands before any section"},
      {"[cpu]\narea = V\n", "f:2: expected area = LETTERS SIZE"},
      {"[cpu]\narea = V -3\n", "f:2: expected area = LETTERS SIZE"},
      {"[cpu]\n[limits]\ntotal = many\n", "f:3: total must be a number"},
      {"[cpu]\n[limits]\nWIFI = 1\n", "f:3: the project has no limits"},
      {"[cpu]\n[limits]\nGizmo = 1\n", "f:3: \"Gizmo\" is not a block type name"},
      {"[cpu]\n[limits]\ntotal=1\n[block]\ntext = A:1\n", "f:4: this [block] has no type"},
      {"[cpu]\n[limits]\ntotal=1\n[block]\ntype = 13\n", "f:5: \"13\" is not a block type"},
      {"[cpu]\n[limits]\ntotal=1\n[block]\ntext = \"A:1\n", "f:5: a quoted value must end"},
      {"[limits]\ntotal=1\n", "f:2: the project has no [cpu] section"},
      {"[cpu\n", "f:1: a section name must end with ']'"},
      {"[cpu] x\n", "f:1: a section name must end with ']'"},
      {"[cpu]\nmodel = \"A\" B\n", "f:2: only a comment may follow a quoted value, found \" B\""},
      {"[cpu]\nmodel = \"A\\\"\n", "f:2: a quoted value must end with '\"'"},
  };
  for (const BadCase& c : cases) {
    try {
      ParseProject(c.text, "f");
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const ProjectError& error) {
      EXPECT_EQ(std::string(error.what()).rfind(c.message, 0), 0u)
          << error.what() << "\nwanted: " << c.message;
    }
  }
}

// One comment rule for every line: ';' or '#' at the start or after a
// blank, outside a quoted value.
TEST(ProjectFile, CommentsFollowABlankOnEveryLine) {
  struct Case {
    const char* model_line;  // the value of model = in [cpu]
    const char* model;
  };
  const Case cases[] = {
      {"OSV-2410-4G        ; the CPU model name", "OSV-2410-4G"},
      {"OSV-2410\t# a tab before", "OSV-2410"},
      {"OSV;2410#4G", "OSV;2410#4G"},
      {";", ""},
      {"\"OSV ; 2410 # 4G\"   ; quoted", "OSV ; 2410 # 4G"},
      {"\"a \\\" ; b\" #c", "a \" ; b"},
      {"\"C:\\\\dir\\\\\" ; a backslash at the end", "C:\\dir\\"},
      {"a \"b ; c\"", "a \"b"},  // quotes inside a value do not protect
  };
  for (const Case& c : cases) {
    std::string text = std::string("[cpu]   ; the CPU\nmodel = ") + c.model_line +
                       "\n[limits] # inline\ntotal = 4 ; all\nWIFI = 2 ; wifi\n"
                       "[block]\ntype = WIFI ; the type\ntext = A:1 ; the text\n";
    Project project = ParseProject(text, "p");
    EXPECT_EQ(project.cpu_model, c.model) << c.model_line;
    EXPECT_EQ(project.total, 4);
    ASSERT_EQ(project.limits.size(), 1u);
    EXPECT_EQ(project.limits[0].second, 2);
    ASSERT_EQ(project.blocks.size(), 1u);
    EXPECT_EQ(project.blocks[0].type, 11);
    EXPECT_EQ(project.blocks[0].text, "A:1");
  }
}

// What is not 8-bit text is refused with its line; a UTF-8 byte-order mark
// and any line end are read.
TEST(ProjectFile, ReadsTextAndRefusesTheRest) {
  using namespace std::string_literals;
  const std::string good = "[cpu]\nmodel = A\n[limits]\ntotal = 1\n";
  struct Case {
    std::string text;
    const char* message;  // empty: parses, with model A
  };
  const Case cases[] = {
      {"\xEF\xBB\xBF" + good, ""},
      {"[cpu]\rmodel = A\r[limits]\rtotal = 1", ""},
      {"[cpu]\r\nmodel = A\r\n[limits]\r\ntotal = 1\r\n", ""},
      {"\xFF\xFE[\0c\0p\0u\0]\0"s, "f:1: the file is UTF-16 text"},
      {"\xFE\xFF\0[\0c"s, "f:1: the file is UTF-16 text"},
      {"[\0c\0p\0u\0]\0"s, "f:1: the file is UTF-16 text"},
      {"\0[\0c\0p\0u\0]"s, "f:1: the file is UTF-16 text"},
      {"[cpu]\nmodel = a\0b\n"s, "f:2: a NUL byte at column 10"},
      {"[cpu]\r\nmodel = A\r\rx\0"s, "f:4: a NUL byte at column 2"},
      {"\x7F" "ELF\x02\x01\x01\0\0"s, "f:1: a NUL byte at column 8"},
      {"\x14\0\0\0\x76\0"s, "f:1: a NUL byte at column 2"},  // binary, though NULs alternate at first
      {"[cpu]\nmo\x1B[2Jdel = A\n", "f:2: unknown key \"mo\\x1B[2Jdel\" in [cpu]"},
      {"[cpu]\nmodel\xE9\n", "f:2: expected KEY = VALUE, found \"model\\xE9\""},
      {"[cpu]\n[blo\x01" "ck]\n", "f:2: unknown section [blo\\x01ck]"},
  };
  for (const Case& c : cases) {
    try {
      Project project = ParseProject(c.text, "f");
      EXPECT_EQ(*c.message, '\0') << "accepted: " << Printable(c.text);
      EXPECT_EQ(project.cpu_model, "A");
    } catch (const ProjectError& error) {
      EXPECT_EQ(std::string(error.what()).rfind(c.message, 0), 0u)
          << error.what() << "\nwanted: " << c.message;
      EXPECT_NE(*c.message, '\0') << error.what();
    }
  }
  try {
    ParseProject("[x]\n", "dir\n\x01/p");
  } catch (const ProjectError& error) {
    EXPECT_EQ(std::string(error.what()).rfind("dir\\x0A\\x01/p:1: unknown section [x]", 0), 0u)
        << error.what();
  }
}

TEST(ProjectFile, BlockTypeNames) {
  EXPECT_EQ(BlockTypeFromName("connect to mqtt server"), 7);
  EXPECT_EQ(BlockTypeFromName("12"), 12);
  EXPECT_EQ(BlockTypeFromName("0"), 0);
  EXPECT_EQ(BlockTypeFromName("WIFI "), 0);
}

TEST(HexText, ParsesPairsAndRejectsTheRest) {
  EXPECT_EQ(ParseHex("00 0a:FF-10\n"), (std::vector<uint8_t>{0x00, 0x0A, 0xFF, 0x10}));
  EXPECT_EQ(ParseHex(""), std::vector<uint8_t>{});
  EXPECT_FALSE(ParseHex("0").has_value());
  EXPECT_FALSE(ParseHex("0 0").has_value());  // a pair split by a blank
  EXPECT_FALSE(ParseHex("zz").has_value());
  const uint8_t bytes[] = {0x76, 0x01};
  EXPECT_EQ(ToHex(bytes, 2), "76 01");
}

}  // namespace
}  // namespace ostrevan::host
