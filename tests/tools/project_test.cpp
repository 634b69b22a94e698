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
