// The Memory Read and Memory Write pages through Function_Edit.
#include <gtest/gtest.h>

#include "blocks/memory/memory_read_page.h"
#include "blocks/memory/memory_write_page.h"
#include "support/page_table.h"

namespace ostrevan::testing {
namespace {

using Read = CPropertyMemoryRead;
using Write = CPropertyMemoryWrite;

constexpr int kMemoryRead = 2;
constexpr int kMemoryWrite = 3;
constexpr char kPlainCpu[] = "OSV-1000";  // no internal card; OSV-2410 has one
constexpr char kReadText[] = "A:1,2,0,0,0,1,0,B:;,C:12,161,100,4,D:1,4,E:TANKLOG,F:Level";
constexpr char kWriteText[] = "A:1,1,1,2,1,0,1,0,1,B:;,C:5,161,200,8,D:TANKLOG,E:Tank level";
const std::vector<std::string> kWordFormats = {"INT", "UINT", "WORD"};

// The format list after the register's message (parsed on the page's own message).
Act Formats(std::vector<std::string> items, const char* shown, bool enabled) {
  return All({Pump(), Items(Read::kFormat, items), Shows(Read::kFormat, shown),
              Enabled(Read::kFormat, enabled)});
}

// The record index row: the card position (never editable), the box, the edit.
Act IndexState(const char* position, bool box_enabled, bool box_checked, const char* index) {
  return All({Shows(Write::kPosition, position), Enabled(Write::kPosition, false),
              Enabled(Write::kUseRecordIndex, box_enabled),
              Checked(Write::kUseRecordIndex, box_checked),
              Enabled(Write::kRecordIndex, box_checked), Text(Write::kRecordIndex, index)});
}

std::string WriteIndexText(int position, int index) {
  return "A:" + std::to_string(position) + ",0,0,0,0,0,0,0,0,B: ,C:" + std::to_string(index) +
         ",161,0,1,D:F,E:";
}

TEST(MemoryPages, Table) {
  RunRows({
      {"the first format can be chosen", kMemoryRead, kReadText, {Choose(Read::kFormat, 0), Ok()},
       "A:1,2,0,0,0,1,0,B:;,C:12,161,100,4,D:0,4,E:TANKLOG,F:Level"},
      // file names: only the first 8 typed are looked at, upper case, caret behind
      {"a file name is cleaned", kMemoryRead, kReadText,
       {Type(Read::kFileName, "ab-c d1234567"), Text(Read::kFileName, "ABCD12"),
        Expect(Read::kFileName, &editor::Control::caret, 6), Formats(kWordFormats, "UINT", true),
        Ok()},
       "A:1,2,0,0,0,1,0,B:;,C:12,161,100,4,D:1,4,E:ABCD12,F:Level"},
      {"underscores stay", kMemoryWrite, kWriteText,
       {Type(Write::kFileName, "log_2026x"), Text(Write::kFileName, "LOG_2026"),
        Expect(Write::kFileName, &editor::Control::caret, 8),
        Formats(kWordFormats, "UINT", true), Ok()},
       "A:1,1,1,2,1,0,1,0,1,B:;,C:5,161,200,8,D:LOG_2026,E:Tank level"},
      {"a bit register allows BOOL only", kMemoryRead, kReadText,
       {Type(Read::kRegister, "V3.2"), Formats({"BOOL"}, "BOOL", false), Ok()},
       "A:1,2,0,0,0,1,0,B:;,C:12,159,26,4,D:5,4,E:TANKLOG,F:Level"},
      {"a word register selects the first name when the format has none there", kMemoryWrite,
       "A:1,0,0,0,0,0,0,0,5,B: ,C:0,159,0,1,D:X,E:",
       {Type(Write::kRegister, "VW10"), Formats(kWordFormats, "INT", true), Ok()},
       "A:1,0,0,0,0,0,0,0,0,B: ,C:0,161,10,1,D:X,E:"},
      {"a double word keeps a float", kMemoryWrite, "A:1,0,0,0,0,0,0,0,4,B: ,C:0,162,0,1,D:X,E:",
       {Type(Write::kRegister, "VD20"), Formats({"DINT", "UDINT", "DWORD", "FLOAT"}, "FLOAT", true),
        Ok()},
       "A:1,0,0,0,0,0,0,0,4,B: ,C:0,162,20,1,D:X,E:"},
      {"an unknown register empties the list and keeps the format", kMemoryRead, kReadText,
       {Type(Read::kRegister, "X5"), Formats({}, "", true), Ok()},
       "A:1,2,0,0,0,1,0,B:;,C:12,0,5,4,D:1,4,E:TANKLOG,F:Level"},
      // the name from the text, with blanks and in lower case; the title as typed
      {"storing cleans the name", kMemoryRead,
       "A:0,3,1,2,1,1,1,B:#,C:7,161,4,2,D:1,9,E:ta nk,F:lvl",
       {Ok()}, "A:1,3,1,2,1,1,1,B:#,C:7,161,4,2,D:1,9,E:TANK,F:lvl"},
      {"a separator outside the list shows item 0 and is kept", kMemoryWrite,
       "A:1,3,1,3,0,1,0,0,0,B:!,C:9,161,0,1,D:abc,E:", {Selection(Write::kSeparator, 0), Ok()},
       "A:1,3,1,3,0,1,0,0,0,B:!,C:9,161,0,1,D:ABC,E:"},
      {"lists and checks store what they show", kMemoryWrite, kWriteText,
       {Min(Write::kRecordIndex, 0), Shows(Write::kAfterFull, "Stop"),
        Shows(Write::kSeparator, "';'"), Choose(Write::kWriteMode, 1),
        Choose(Write::kSeparator, 3), Choose(Write::kFileSize, 3), Choose(Write::kAfterFull, 0),
        Choose(Write::kDataSequence, 1), Choose(Write::kDecimals, 3), Click(Write::kSaveTime),
        Type(Write::kTitle, "Pump A"), Type(Write::kCount, "40"), Ok()},
       "A:1,3,0,3,0,1,1,1,1,B:',C:5,161,200,40,D:TANKLOG,E:Pump A"},
      {"internal card, index in use", kMemoryWrite, WriteIndexText(1, 5),
       {IndexState("Internal Card", true, true, "5"), Ok()}},
      {"internal card, index 0", kMemoryWrite, WriteIndexText(1, 0),
       {IndexState("Internal Card", true, false, "0"), Ok()}},
      {"clearing the box clears the index", kMemoryWrite, WriteIndexText(1, 5),
       {Click(Write::kUseRecordIndex), IndexState("Internal Card", true, false, "0"), Ok()},
       WriteIndexText(1, 0)},
      {"ticking the box opens the edit", kMemoryWrite, WriteIndexText(1, 0),
       {Click(Write::kUseRecordIndex), IndexState("Internal Card", true, true, "0"), Ok()}},
      {"external card: no index", kMemoryWrite, WriteIndexText(1, 5),
       {IndexState("External Card", false, false, "0"), Ok()}, WriteIndexText(0, 0), 1, {},
       kPlainCpu},
  });
}

}  // namespace
}  // namespace ostrevan::testing
