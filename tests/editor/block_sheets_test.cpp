// Every block's sheet: on hostile texts it opens, Cancel returns 0 and
// leaves the text byte for byte, OK never writes past the announced length;
// a typical text comes back unchanged through OK with every page shown.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app.h"
#include "core/catalogue.h"
#include "support/corpus.h"
#include "support/edit_export.h"
#include "support/sample_texts.h"

namespace ostrevan::testing {
namespace {

// The hostile texts of the fuzz corpus, and messaging texts over their
// limits with signs beyond Latin-1.
std::vector<std::string> HostileTexts() {
  std::vector<std::string> texts = BlockCodecTexts("hostile_");
  EXPECT_GE(texts.size(), 9u) << "the fuzz corpus was not found";
  texts.push_back("A:1,3,1,0,8,1,1,1,1,B:" + std::string(120, '9') + ",C:\x80\x81,F:a,b,G:" +
                  std::string(300, '\x80') + ",H:[1,2,3,I:" + std::string(40, 'n'));
  return texts;
}

TEST(BlockSheets, OpenOnAnyTextCancelKeepsItAndOkStaysInsideTheBuffer) {
  SelectCpu("OSV-2410");
  const std::vector<std::string> texts = HostileTexts();
  size_t sheets = 0;
  for (const BlockEntry& block : BlockCatalogue()) {
    for (const std::string& text : texts) {
      SCOPED_TRACE(std::string(block.name) + " on \"" + text + "\"");
      FakeView cancel;
      EditOutcome cancelled = EditThroughExport(block.type, text, cancel);
      if (cancel.sheets_run == 0) break;  // no editor for this block yet
      EXPECT_EQ(cancelled.result, 0);
      uint32_t length = 0;
      Function_ParamLength(block.type, &length);
      EXPECT_EQ(cancelled.text, text.substr(0, length - 1));

      FakeView ok;
      ok.sheet_script = [](CPropertyBasic& sheet) {
        for (size_t i = 0; i < sheet.page_count(); ++i) sheet.ShowPage(i);
        sheet.ClickOk();
        if (!sheet.end_result()) sheet.ClickCancel();  // a refused OK
      };
      EditThroughExport(block.type, text, ok);  // checks the guard byte
      ++sheets;
    }
  }
  EXPECT_EQ(sheets, kBlockTypeCount * texts.size()) << "every block has a sheet";
}

TEST(BlockSheets, ATypicalTextComesBackUnchangedThroughOk) {
  SelectCpu("OSV-2410-4G");
  for (const SampleText& sample : kTypicalTexts) {
    // Memory Write's text names the external card with a record index: no
    // model shows both (memory_test).
    if (sample.type == 3) continue;
    SCOPED_TRACE(sample.type);
    FakeView view;
    view.sheet_script = [](CPropertyBasic& sheet) {
      for (size_t i = 0; i < sheet.page_count(); ++i) sheet.ShowPage(i);
      sheet.ClickOk();
    };
    EditOutcome edited = EditThroughExport(sample.type, std::string(sample.text), view);
    EXPECT_EQ(edited.result, 1);
    EXPECT_EQ(edited.text, sample.text);
    EXPECT_TRUE(view.messages.empty());
  }
  App().phone_book().Reset();  // the SMS receivers went into it
}

}  // namespace
}  // namespace ostrevan::testing
