// Every block whose Edit opens a sheet, on hostile texts: it opens, Cancel
// returns 0 and leaves the text byte for byte, OK never writes past the
// announced length.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/catalogue.h"
#include "support/edit_export.h"

namespace ostrevan::testing {
namespace {

std::vector<std::string> HostileTexts() {
  return {"",
          "A:",
          "A:-1,-99999999999,x,,,,B:,C:,D:,E:,F:",
          "A:1,1,1,B:\"\",C:999.999.999.999,D:255,255,255,255,E:99999,255,99999,255,99999",
          "E:,D:,C:,B:,A:",
          std::string(300, 'A'),
          "A:0,0,0,0,70000,B:" + std::string(120, 'x'),
          "A:1,2,3,4,5,6,7,8,9,B:\xff,C:65536,200,70000,4000000000,D:\x80\x81,E:\xfe",
          // messaging: receivers and messages over their limits, signs beyond Latin-1
          "A:1,3,1,0,8,1,1,1,1,B:" + std::string(120, '9') + ",C:\x80\x81,F:a,b,G:" +
              std::string(300, '\x80') + ",H:[1,2,3,I:" + std::string(40, 'n'),
          // MQTT: negative areas, operands that name nothing, values past every list
          "A:999,-5,-1,99,7,B:9,9,9,C:" + std::string(400, 'c') + ",F:" + std::string(400, 't') +
              ",G1:-1,0,0,3,9,-4,H1:,I1:,G2:250,-7,70000,99,2,99,H2:" + std::string(30, 'h') +
              ",I2:" + std::string(30, 'i')};
}

TEST(BlockSheets, OpenOnAnyTextCancelKeepsItAndOkStaysInsideTheBuffer) {
  SelectCpu("OSV-2410");
  int sheets = 0;
  for (const BlockEntry& block : BlockCatalogue()) {
    for (const std::string& text : HostileTexts()) {
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
  EXPECT_EQ(sheets, 12 * 10) << "every block has a sheet";
}

}  // namespace
}  // namespace ostrevan::testing
