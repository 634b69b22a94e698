#include "tools/ostrevan-host/project.h"

#include <gtest/gtest.h>

namespace ostrevan::host {
namespace {

using namespace std::string_literals;

// A project as "model|areas|total|limits|blocks|", or the message that refused it.
std::string Read(const std::string& text, const std::string& file = "f") {
  try {
    const Project project = ParseProject(text, file);
    std::string read = project.cpu_model + "|";
    for (const AreaSize& area : project.areas)
      read += area.name + (" " + std::to_string(area.size)) + ",";
    read += "|" + (project.total ? std::to_string(*project.total) : "-") + "|";
    for (const auto& [name, max] : project.limits) read += name + "=" + std::to_string(max) + ",";
    read += "|";
    for (const ProjectBlock& block : project.blocks)
      read += std::to_string(block.type) + ":" + block.text + ",";
    return read + "|";
  } catch (const ProjectError& error) {
    return error.what();
  }
}

// A project whose every line carries a comment, with `model` as the CPU's model line.
std::string Commented(const std::string& model) {
  return "[cpu]   ; the CPU\nmodel = " + model +
         "\n[limits] # inline\ntotal = 4 ; all\nWIFI = 2 ; wifi\n"
         "[block]\ntype = WIFI ; the type\ntext = A:1 ; the text\n";
}

// Each row: the project text and the start of what it reads as (a message
// names the file and line of the first mistake). A comment is ';' or '#' at
// the start or after a blank, outside a quoted value, on every line; what is
// not 8-bit text is refused (the tool's own test runs the usual encodings).
TEST(ProjectFile, ReadsWhatIsWrittenAndNamesTheLineOfEachMistake) {
  const struct {
    std::string text;
    std::string read;
  } cases[] = {
      {"; demo\n[cpu]\nmodel = OSV-2410\narea = V 2048\narea = SM\t1000\n\n[limits]\ntotal = 8\n"
       "wifi = 2\nGPRS Data Send = 1\n[block]\ntype = WIFI\ntext = A:1\n# a comment\n[Block]\n"
       "type = 12\ntext = \"  A:1,B: \\\"x\\\" \"\n",
       "OSV-2410|V 2048,SM 1000,|8|WIFI=2,GPRS Data Send=1,|11:A:1,12:  A:1,B: \"x\" ,|"},
      {Commented("OSV-2410-4G        ; the CPU model name"), "OSV-2410-4G||4|WIFI=2,|11:A:1,|"},
      {Commented("OSV-2410\t# a tab before"), "OSV-2410|"},
      {Commented("OSV;2410#4G"), "OSV;2410#4G|"},
      {Commented("\"OSV ; 2410 # 4G\"   ; quoted"), "OSV ; 2410 # 4G|"},
      {Commented("\"a \\\" ; b\" #c"), "a \" ; b|"},
      {Commented("\"C:\\\\dir\\\\\" ; a backslash at the end"), "C:\\dir\\|"},
      {Commented("a \"b ; c\""), "a \"b|"},  // quotes inside a value do not protect
      {"\xEF\xBB\xBF[cpu]\r\nmodel = A\r\n[limits]\r\ntotal = 1\r\n", "A||1|||"},
      {"[cpu]\n[limits]\ntotal=1\n[gadgets]\n", "f:4: unknown section [gadgets]"},
      {"model = x\n", "f:1: \"model\" stands before any section"},
      {"[cpu]\narea = V -3\n", "f:2: expected area = LETTERS SIZE"},
      {"[cpu]\n[limits]\ntotal = many\n", "f:3: total must be a number"},
      {"[cpu]\n[limits]\nWIFI = 1\n", "f:3: the project has no limits"},
      {"[cpu]\n[limits]\nGizmo = 1\n", "f:3: \"Gizmo\" is not a block type name"},
      {"[cpu]\n[limits]\ntotal=1\n[block]\ntext = A:1\n", "f:4: this [block] has no type"},
      {"[cpu]\n[limits]\ntotal=1\n[block]\ntype = 13\n", "f:5: \"13\" is not a block type"},
      {"[limits]\ntotal=1\n", "f:2: the project has no [cpu] section"},
      {"[cpu] x\n", "f:1: a section name must end with ']'"},
      {"[cpu]\nmodel = \"A\" B\n", "f:2: only a comment may follow a quoted value, found \" B\""},
      {"[cpu]\nmodel = \"A\\\"\n", "f:2: a quoted value must end with '\"'"},
      {"\xFE\xFF\0[\0c"s, "f:1: the file is UTF-16 text"},
      {"[\0c\0p\0u\0]\0"s, "f:1: the file is UTF-16 text"},
      {"\0[\0c\0p\0u\0]"s, "f:1: the file is UTF-16 text"},
      {"[cpu]\r\nmodel = A\r\rx\0"s, "f:4: a NUL byte at column 2"},
      {"\x7F" "ELF\x02\x01\x01\0\0"s, "f:1: a NUL byte at column 8"},
      {"\x14\0\0\0\x76\0"s, "f:1: a NUL byte at column 2"},  // binary, though NULs alternate at first
      {"[cpu]\nmodel\xE9\n", "f:2: expected KEY = VALUE, found \"model\\xE9\""},
  };
  for (const auto& c : cases) {
    const std::string read = Read(c.text);
    EXPECT_EQ(read.substr(0, c.read.size()), c.read) << Printable(c.text);
  }
  EXPECT_EQ(Read("[x]\n", "dir\n\x01/p").rfind("dir\\x0A\\x01/p:1: unknown section [x]", 0), 0u);
  EXPECT_EQ(LimitsIni(ParseProject(cases[0].text, "f")),
            "[DEFAULT]\nTotal=8\nTypeCount=2\n[Type_1]\nName=WIFI\nMax=2\n"
            "[Type_2]\nName=GPRS Data Send\nMax=1\n");
}

}  // namespace
}  // namespace ostrevan::host
