// The Memory Read and Memory Write pages through Function_Edit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "blocks/memory/memory_read_page.h"
#include "blocks/memory/memory_write_page.h"
#include "core/app.h"
#include "core/operand.h"
#include "support/edit_export.h"

namespace ostrevan::testing {
namespace {

using Read = CPropertyMemoryRead;
using Write = CPropertyMemoryWrite;

constexpr int kMemoryRead = 2;
constexpr int kMemoryWrite = 3;
constexpr char kCardCpu[] = "OSV-2410";   // has an internal card
constexpr char kPlainCpu[] = "OSV-1000";  // has none
constexpr char kReadText[] = "A:1,2,0,0,0,1,0,B:;,C:12,161,100,4,D:1,4,E:TANKLOG,F:Level";
constexpr char kWriteText[] = "A:1,1,1,2,1,0,1,0,1,B:;,C:5,161,200,8,D:TANKLOG,E:Tank level";

editor::PageModel& OnlyPage(CPropertyBasic& sheet) { return sheet.page(0); }

TEST(MemoryReadPage, TheFirstFormatCanBeChosen) {
  SelectCpu(kCardCpu);
  FakeView view;
  view.sheet_script = [](CPropertyBasic& sheet) {
    sheet.page(0).UserSelects(Read::kFormat, 0);  // INT
    sheet.ClickOk();
  };
  EXPECT_EQ(EditThroughExport(kMemoryRead, kReadText, view).text,
            "A:1,2,0,0,0,1,0,B:;,C:12,161,100,4,D:0,4,E:TANKLOG,F:Level");
}

// Both pages share the file name, register and format rules.
TEST(MemoryPages, TypedFileNamesAndRegistersFollowTheRules) {
  struct Case {
    const char* name;
    int type;
    const char* text;
    int id;
    const char* typed;
    const char* shown;                   // the edit after the rule
    std::vector<std::string> formats;    // after the register's message
    const char* format_shown;
    bool format_enabled;
    const char* fragment;                // in the text after OK
  };
  const Case cases[] = {
      {"only the first 8 are looked at", kMemoryRead, kReadText, Read::kFileName,
       "ab-c d1234567", "ABCD12", {"INT", "UINT", "WORD"}, "UINT", true, ",E:ABCD12,"},
      {"underscores stay", kMemoryWrite, kWriteText, Write::kFileName, "log_2026x", "LOG_2026",
       {"INT", "UINT", "WORD"}, "UINT", true, ",D:LOG_2026,"},
      {"a bit register allows BOOL only", kMemoryRead, kReadText, Read::kRegister, "V3.2",
       "V3.2", {"BOOL"}, "BOOL", false, "C:12,159,26,4,D:5,"},
      {"a word register selects the first name when the format has none there", kMemoryWrite,
       "A:1,0,0,0,0,0,0,0,5,B: ,C:0,159,0,1,D:X,E:", Write::kRegister, "VW10", "VW10",
       {"INT", "UINT", "WORD"}, "INT", true, ",C:0,161,10,1,"},
      {"a double word keeps a float", kMemoryWrite,
       "A:1,0,0,0,0,0,0,0,4,B: ,C:0,162,0,1,D:X,E:", Write::kRegister, "VD20", "VD20",
       {"DINT", "UDINT", "DWORD", "FLOAT"}, "FLOAT", true, "0,0,4,B:"},
      {"an unknown register empties the list and keeps the format", kMemoryRead, kReadText,
       Read::kRegister, "X5", "X5", {}, "", true, "C:12,0,5,4,D:1,"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SelectCpu(kCardCpu);
    FakeView view;
    view.sheet_script = [&](CPropertyBasic& sheet) {
      editor::PageModel& page = OnlyPage(sheet);
      page.UserTypes(c.id, c.typed);
      EXPECT_EQ(page.At(c.id).text, c.shown);
      if (c.id == Read::kFileName) {
        EXPECT_EQ(page.At(c.id).caret, static_cast<int>(strlen(c.shown)));
      }
      view.Pump();  // the register is parsed on the page's own message
      EXPECT_EQ(page.At(Read::kFormat).items, c.formats);
      EXPECT_EQ(page.At(Read::kFormat).SelectedText(), c.format_shown);
      EXPECT_EQ(page.At(Read::kFormat).enabled, c.format_enabled);
      sheet.ClickOk();
    };
    EditOutcome edited = EditThroughExport(c.type, c.text, view);
    EXPECT_EQ(edited.result, 1);
    EXPECT_NE(edited.text.find(c.fragment), std::string::npos) << edited.text;
  }
}

TEST(MemoryPages, StoringCleansTheNameAndKeepsWhatThePageDoesNotShow) {
  struct Case {
    int type;
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      // the name from the text, with blanks and in lower case; the title as typed
      {kMemoryRead, "A:0,3,1,2,1,1,1,B:#,C:7,161,4,2,D:1,9,E:ta nk,F:lvl",
       "A:1,3,1,2,1,1,1,B:#,C:7,161,4,2,D:1,9,E:TANK,F:lvl"},
      // a separator outside the list shows item 0 and is kept
      {kMemoryWrite, "A:1,3,1,3,0,1,0,0,0,B:!,C:9,161,0,1,D:abc,E:",
       "A:1,3,1,3,0,1,0,0,0,B:!,C:9,161,0,1,D:ABC,E:"},
  };
  for (const Case& c : cases) {
    SelectCpu(kCardCpu);
    FakeView view;
    view.sheet_script = [&](CPropertyBasic& sheet) {
      if (c.type == kMemoryWrite) {
        EXPECT_EQ(sheet.page(0).At(Write::kSeparator).selection, 0);
      }
      sheet.ClickOk();
    };
    EXPECT_EQ(EditThroughExport(c.type, c.text, view).text, c.expected);
  }
}

TEST(MemoryWritePage, ListsAndChecksStoreWhatTheyShow) {
  SelectCpu(kCardCpu);
  FakeView view;
  view.sheet_script = [](CPropertyBasic& sheet) {
    editor::PageModel& page = OnlyPage(sheet);
    EXPECT_EQ(page.At(Write::kRecordIndex).range->min, 0);
    EXPECT_EQ(page.At(Write::kAfterFull).SelectedText(), "Stop");
    EXPECT_EQ(page.At(Write::kSeparator).SelectedText(), "';'");
    page.UserSelects(Write::kWriteMode, 1);
    page.UserSelects(Write::kSeparator, 3);  // apostrophe
    page.UserSelects(Write::kFileSize, 3);
    page.UserSelects(Write::kAfterFull, 0);
    page.UserSelects(Write::kDataSequence, 1);
    page.UserSelects(Write::kDecimals, 3);
    page.UserClicks(Write::kSaveTime);
    page.UserTypes(Write::kTitle, "Pump A");
    page.UserTypes(Write::kCount, "40");
    sheet.ClickOk();
  };
  EditOutcome edited = EditThroughExport(kMemoryWrite, kWriteText, view);
  EXPECT_EQ(edited.result, 1);
  EXPECT_EQ(edited.text, "A:1,3,0,3,0,1,1,1,1,B:',C:5,161,200,40,D:TANKLOG,E:Pump A");
}

TEST(MemoryWritePage, TheRecordIndexFollowsTheCardAndTheCheckBox) {
  struct Case {
    const char* name;
    const char* cpu;
    int record_index;
    bool click;              // on "Record Index" after opening
    const char* position;
    bool box_enabled, box_checked, edit_enabled;
    const char* index_shown;
    int stored;
  };
  const Case cases[] = {
      {"internal card, index in use", kCardCpu, 5, false, "Internal Card", true, true, true, "5",
       5},
      {"internal card, index 0", kCardCpu, 0, false, "Internal Card", true, false, false, "0", 0},
      {"clearing the box clears the index", kCardCpu, 5, true, "Internal Card", true, false,
       false, "0", 0},
      {"ticking the box opens the edit", kCardCpu, 0, true, "Internal Card", true, true, true,
       "0", 0},
      {"external card: no index", kPlainCpu, 5, false, "External Card", false, false, false,
       "0", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SelectCpu(c.cpu);
    FakeView view;
    view.sheet_script = [&c](CPropertyBasic& sheet) {
      editor::PageModel& page = OnlyPage(sheet);
      if (c.click) page.UserClicks(Write::kUseRecordIndex);
      EXPECT_EQ(page.At(Write::kPosition).SelectedText(), c.position);
      EXPECT_FALSE(page.At(Write::kPosition).enabled);
      EXPECT_EQ(page.At(Write::kUseRecordIndex).enabled, c.box_enabled);
      EXPECT_EQ(page.At(Write::kUseRecordIndex).checked, c.box_checked);
      EXPECT_EQ(page.At(Write::kRecordIndex).enabled, c.edit_enabled);
      EXPECT_EQ(page.At(Write::kRecordIndex).text, c.index_shown);
      sheet.ClickOk();
    };
    std::string text = "A:1,0,0,0,0,0,0,0,0,B: ,C:" + std::to_string(c.record_index) +
                       ",161,0,1,D:F,E:";
    EditOutcome edited = EditThroughExport(kMemoryWrite, text, view);
    std::string position = std::string(c.position) == "Internal Card" ? "A:1," : "A:0,";
    EXPECT_EQ(edited.text.rfind(position, 0), 0u) << edited.text;
    EXPECT_NE(edited.text.find(",C:" + std::to_string(c.stored) + ","), std::string::npos)
        << edited.text;
  }
}

}  // namespace
}  // namespace ostrevan::testing
