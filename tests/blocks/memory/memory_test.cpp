// The Memory Read and Memory Write records, and their pages through
// Function_Edit.
#include <gtest/gtest.h>

#include "blocks/memory/memory_read_page.h"
#include "blocks/memory/memory_write_page.h"
#include "ostrevan/plugin.h"
#include "support/hex_runs.h"
#include "support/page_table.h"
#include "support/plugin_fixture.h"

namespace ostrevan::testing {
namespace {

constexpr int kMemoryRead = 2;
const platform::LocalTime kFourDecemberAt14{2026, 12, 4, 14, 59, 30, 0};

// Memory Read's head of instance 0 with the given flags byte; both blocks' records end alike.
std::string Head(const char* flags) { return std::string("00 00 44 00 00 00 00 00 00 ") + flags + " 00 "; }
const std::string kTail = Zeros(8) + "00 00 07";

TEST(MemoryReadBlock, CodesTextsToRecords) {
  FixedClock clock(kFourDecemberAt14);
  const std::string dated = TextField("26120414", 10);
  ExpectRecords(kMemoryRead, {
      {"A:1,0,0,0,0,0,0,B: ,C:1,176,0,1,D:0,1,E:26120414,F:",
       Head("00") + dated + "00 00 00 00 01 00 01 B0 00 00 01 00 " + Zeros(10) + "00 " + kTail},
      // everything missing: the defaults, with the file name from the clock
      {"", Head("00") + dated + "00 00 00 00 01 00 01 B0 00 00 01 00 " + Zeros(10) + "00 " + kTail},
      // external card in the head, aux and save time in byte 21, format 5 beside decimals 3
      {"A:0,3,1,2,1,1,1,B:;,C:65535,161,10,4,D:5,4,E:LOG01,F:Tank level",
       Head("10") + TextField("LOG01", 10) + "24 00 00 FF FF 05 04 A1 00 0A 04 01 " +
           TextField("Tank level", 10) + "53 " + kTail},
      // names cut to ten, quotes gone, wide numbers cut to their fields,
      // an empty D segment keeps its defaults, any non-zero position is internal
      {"A:7,17,0,0,9,0,0,B:x,C:70000,400,70000,300,D:,E:\"ABCDEFGHIJKLM,F:0123456789AB\"",
       Head("00") + TextField("ABCDEFGHIJ", 10) + "20 00 01 11 70 00 01 90 11 70 2C 00 " +
           TextField("0123456789", 10) + "01 " + kTail},
      // C with missing values keeps the others; an empty file name is the dated one
      {"A:1,0,0,0,0,0,0,B: ,C:9,,D:0,1,E:,F:T",
       Head("00") + dated + "00 00 00 00 09 00 01 B0 00 00 01 00 " + TextField("T", 10) + "00 " + kTail},
  });
}

TEST(MemoryReadBlock, DecodesRecordsKeepingWhatTheyDoNotCarry) {
  ExpectDecoded(kMemoryRead, {
      {"A:1,0,0,0,0,0,0,B: ,C:1,176,0,1,D:0,1,E:X,F:",
       Head("10") + TextField("LOG01", 10) + "24 00 00 FF FF 05 04 A1 00 0A 04 01 " +
           TextField("Tank level", 10) + "53 " + kTail,
       "A:0,3,0,0,0,1,0,B: ,C:65535,161,10,4,D:5,4,E:LOG01,F:Tank level"},
      // separator, after-full, size code, save time and aux come from the text;
      // byte 43 overrides the format byte; 0 and 255 drop out of the names
      {"A:1,0,1,2,1,0,1,B:;,C:1,176,0,1,D:0,1,E:X,F:Y",
       Head("00") + "41 00 42 FF 43 00 00 00 00 00 00 00 00 00 02 07 03 A1 00 0A 04 00 " +
           "FF 54 FF " + Zeros(7) + "21 " + kTail,
       "A:1,1,1,2,1,0,1,B:;,C:2,161,10,4,D:2,3,E:ABC,F:T"},
      // bytes past the given length read as 0
      {"A:1,0,0,0,0,0,0,B:#,C:1,176,0,1,D:0,1,E:X,F:Y", "00 00 44 00 00 00 00 00 00 10",
       "A:0,0,0,0,0,0,0,B:#,C:0,0,0,0,D:0,0,E:,F:"},
  });
}

TEST(MemoryReadBlock, DecodedTextsLongerThanTheAnnouncedBufferAreCut) {
  // Widest values everywhere: the text would need 91 characters, 79 fit.
  std::string record = Head("10") + TextField("WWWWWWWWWW", 10) + "00 80 00 00 00 00 FF FF FF FF FF FF " +
                       TextField("TTTTTTTTTT", 10) + "FF " + kTail;
  EXPECT_EQ(DecodeBlock(kMemoryRead, "A:1,0,255,255,1,0,255,B:#,C:", Bytes(record)),
            "A:0,15,255,255,1,255,255,B:#,C:-2147483648,255,65535,255,D:15,255,E:WWWWWWWWWW,");
}

constexpr int kMemoryWrite = 3;
const platform::LocalTime kNewYearAt9{2027, 1, 1, 9, 0, 0, 0};

const std::string kWriteHead = "00 00 43 00 00 00 00 00 00 00 00 ";

TEST(MemoryWriteBlock, CodesTextsToFiftySixByteRecords) {
  FixedClock clock(kNewYearAt9);
  ExpectRecords(kMemoryWrite, {
      {"", kWriteHead + TextField("27010109", 10) + "25 00 00 00 00 B0 00 00 01 00 " + Zeros(10) +
               "00 20 00 00 " + kTail},
      // Create, external card, comma separator, Stop, 10M
      {"A:0,2,1,3,0,1,0,0,4,B:,,C:12,168,20,8,D:DATA,E:Batch",
       kWriteHead + TextField("DATA", 10) + "40 00 00 00 0C A8 00 14 08 01 " + TextField("Batch", 10) +
           "42 2C 01 03 " + kTail},
      // the whole write mode reaches byte 21; four format bits reach byte 41
      {"A:1,0,0,0,1,0,1,2,17,B:*,C:0,176,0,1,D:F,E:",
       kWriteHead + TextField("F", 10) + "26 00 00 00 00 B0 00 00 01 00 " + Zeros(10) + "10 2A 00 00 " +
           kTail},
      // a B span of one character is separator 0; the title loses its quote and is cut
      {"A:1,0,0,0,1,0,1,1,0,B:,C:0,176,0,1,D:F,E:Batch\"No.12345",
       kWriteHead + TextField("F", 10) + "25 00 00 00 00 B0 00 00 01 00 " + TextField("BatchNo.12", 10) +
           "00 00 00 00 " + kTail},
  });
}

TEST(MemoryWriteBlock, DecodesEveryFieldFromTheRecord) {
  ExpectDecoded(kMemoryWrite, {
      {"A:1,0,0,0,1,0,1,1,0,B: ,C:0,176,0,1,D:X,E:",
       kWriteHead + TextField("DATA", 10) + "40 00 00 00 0C A8 00 14 08 01 " + TextField("Batch", 10) +
           "42 2C 01 03 " + kTail,
       "A:0,2,1,3,0,1,0,0,4,B:,,C:12,168,20,8,D:DATA,E:Batch"},
      // byte 21 all ones: Append, aux, save time, external; separator 0 writes nothing
      {"A:1,0,0,0,1,0,1,1,0,B: ,C:0,176,0,1,D:X,E:",
       kWriteHead + TextField("X", 10) + "FF 00 01 00 00 A1 00 0A 02 00 " + TextField("T", 10) +
           "31 00 01 02 " + kTail,
       "A:0,1,1,2,1,0,1,1,3,B:,C:65536,161,10,2,D:X,E:T"},
      {"A:1,0,0,0,1,0,1,1,0,B:;,C:0,176,0,1,D:F,E:", "00 00 43 00 00 00 00 00 00 00 00",
       "A:1,0,0,0,0,0,0,0,0,B:,C:0,0,0,0,D:,E:"},
  });
}

using Read = CPropertyMemoryRead;
using Write = CPropertyMemoryWrite;

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
      // file names: only the first 8 typed are looked at, letters, digits and
      // underscores, upper case, caret behind
      {"a file name is cleaned", kMemoryRead, kReadText,
       {Type(Read::kFileName, "ab-c_d1234567"), Text(Read::kFileName, "ABC_D12"),
        Expect(Read::kFileName, &editor::Control::caret, 7), Formats(kWordFormats, "UINT", true),
        Ok()},
       "A:1,2,0,0,0,1,0,B:;,C:12,161,100,4,D:1,4,E:ABC_D12,F:Level"},
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
      // internal card: the box is ticked for an index in use
      {"clearing the box clears the index", kMemoryWrite, WriteIndexText(1, 5),
       {IndexState("Internal Card", true, true, "5"), Click(Write::kUseRecordIndex),
        IndexState("Internal Card", true, false, "0"), Ok()},
       WriteIndexText(1, 0)},
      {"ticking the box opens the edit", kMemoryWrite, WriteIndexText(1, 0),
       {IndexState("Internal Card", true, false, "0"), Click(Write::kUseRecordIndex),
        IndexState("Internal Card", true, true, "0"), Ok()}},
      {"external card: no index", kMemoryWrite, WriteIndexText(1, 5),
       {IndexState("External Card", false, false, "0"), Ok()}, WriteIndexText(0, 0), 1, {},
       kPlainCpu},
  });
}

}  // namespace
}  // namespace ostrevan::testing
