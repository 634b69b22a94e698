// Page tests as tables. A row names a block and the text it opens with,
// plays the user's acts on the running sheet (and in the dialogs it opens),
// checks controls and messages on the way, and states what the edit leaves:
// the result, the text and, when it matters, bytes of the coded record.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "editor/sheet.h"
#include "support/edit_export.h"
#include "support/hex_runs.h"

namespace ostrevan::testing {

// What the acts of a row work on: the form they address (a page, a page's
// child, a dialog), and after the edit its outcome.
struct PageRun {
  FakeView* view = nullptr;
  int type = 0;
  CPropertyBasic* sheet = nullptr;
  editor::DialogModel* dialog = nullptr;
  size_t page = 0;
  editor::FormModel* form = nullptr;
  EditOutcome outcome{};
};

using Act = std::function<void(PageRun&)>;
using Acts = std::vector<Act>;

// The `after` of a row whose stored text its checks look at instead.
inline const std::string kAnyText = "(any text)";

struct PageRow {
  const char* name;
  int type;
  std::string before;
  Acts acts;          // on the sheet, from page 0
  std::string after = {};  // empty: the text before, unchanged
  int result = 1;
  Acts checks = {};   // after the edit
  const char* cpu = "OSV-2410";  // null: the areas already selected
};

// Several acts as one.
inline Act All(Acts acts) {
  return [acts](PageRun& run) {
    for (const Act& act : acts) act(run);
  };
}

// The forms acts go to.
inline Act OnPage(size_t index) {
  return [index](PageRun& run) {
    run.page = index;
    run.form = &run.sheet->page(index);
  };
}
inline Act ShowPage(size_t index) {
  return [index](PageRun& run) {
    run.sheet->ShowPage(index);
    OnPage(index)(run);
  };
}
// The child form in `frame` of the current page (now, not as it was).
inline Act InChild(int frame) {
  return [frame](PageRun& run) {
    run.form = run.sheet->page(run.page).ChildIn(frame);
    ASSERT_NE(run.form, nullptr) << "no child in frame " << frame;
  };
}

// The current form is the one of `template_id` (a child of that kind).
inline Act IsForm(int template_id) {
  return [template_id](PageRun& run) { EXPECT_EQ(run.form->template_id(), template_id); };
}

// The user.
inline Act Click(int id) { return [id](PageRun& run) { run.form->UserClicks(id); }; }
inline Act Type(int id, std::string text) {
  return [id, text](PageRun& run) { run.form->UserTypes(id, text); };
}
inline Act Choose(int id, int item) {
  return [id, item](PageRun& run) { run.form->UserSelects(id, item); };
}
inline Act FocusCell(int id, int row, int column) {
  return [id, row, column](PageRun& run) { run.form->UserFocusesCell(id, row, column); };
}
inline Act DoubleClick(int id) { return [id](PageRun& run) { run.form->UserDoubleClicks(id); }; }
inline Act Pump() { return [](PageRun& run) { run.view->Pump(); }; }
// OK or Cancel of the dialog the acts run in, else of the sheet.
inline Act Close(bool ok) {
  return [ok](PageRun& run) {
    if (run.dialog) return run.dialog->UserClicks(ok ? editor::kIdOk : editor::kIdCancel);
    ok ? run.sheet->ClickOk() : run.sheet->ClickCancel();
  };
}
inline Act Ok() { return Close(true); }
inline Act Cancel() { return Close(false); }
// The answer to the next message box (unanswered ones take the first button).
inline Act Answer(editor::MessageAnswer answer) {
  return [answer](PageRun& run) { run.view->answers.push_back(answer); };
}
// The script of the next dialog the sheet opens.
inline Act InDialog(Acts acts) {
  return [acts](PageRun& run) {
    PageRun outer = run;
    run.view->dialog_scripts.push_back([acts, outer](editor::DialogModel& dialog) {
      PageRun inner = outer;
      inner.form = inner.dialog = &dialog;
      All(acts)(inner);
    });
  };
}

// Checks on the current form.
template <typename Field, typename Value>
Act Expect(int id, Field editor::Control::*field, Value value) {
  return [id, field, value](PageRun& run) {
    EXPECT_EQ(run.form->At(id).*field, Field(value)) << "control " << id;
  };
}
inline Act Text(int id, std::string text) { return Expect(id, &editor::Control::text, text); }
inline Act Label(int id, std::string text) { return Expect(id, &editor::Control::label, text); }
inline Act Enabled(int id, bool on) { return Expect(id, &editor::Control::enabled, on); }
inline Act Checked(int id, bool on) { return Expect(id, &editor::Control::checked, on); }
inline Act Selection(int id, int item) { return Expect(id, &editor::Control::selection, item); }
inline Act Items(int id, std::vector<std::string> items) {
  return Expect(id, &editor::Control::items, items);
}
inline Act Shows(int id, std::string item) {
  return [id, item](PageRun& run) { EXPECT_EQ(run.form->At(id).SelectedText(), item) << id; };
}
// A number edit's range: its lower or upper end.
inline Act RangeEnd(int id, long editor::NumberRange::*end, long value) {
  return [=](PageRun& run) {
    ASSERT_TRUE(run.form->At(id).range) << "control " << id;
    EXPECT_EQ(run.form->At(id).range.value().*end, value) << "control " << id;
  };
}
inline Act Min(int id, long min) { return RangeEnd(id, &editor::NumberRange::min, min); }
inline Act Max(int id, long max) { return RangeEnd(id, &editor::NumberRange::max, max); }
// The sheet (or dialog) is still open, as after a refused OK.
inline Act StillOpen() {
  return [](PageRun& run) {
    EXPECT_FALSE(run.dialog ? run.dialog->end_result() : run.sheet->end_result());
  };
}
// Every message box shown so far.
inline Act Said(std::vector<editor::MessageBox> boxes) {
  return [boxes](PageRun& run) { EXPECT_EQ(run.view->messages, boxes); };
}
// After the edit: `hex` at `offset` of the record coded from the stored text.
inline Act Record(size_t offset, std::string hex) {
  return [offset, hex](PageRun& run) {
    std::vector<uint8_t> bytes = Bytes(hex);
    EXPECT_EQ(HexAt(CodeAlone(run.type, run.outcome.text), offset, bytes.size()), Hex(bytes))
        << run.outcome.text;
  };
}
inline Act RecordSize(size_t size) {
  return [size](PageRun& run) { EXPECT_EQ(CodeAlone(run.type, run.outcome.text).size(), size); };
}

inline void RunRow(const PageRow& row, FakeView& view) {
  SCOPED_TRACE(row.name);
  if (row.cpu) SelectCpu(row.cpu);
  PageRun run;
  run.view = &view;
  run.type = row.type;
  view.sheet_script = [&row, &run](CPropertyBasic& sheet) {
    run.sheet = &sheet;
    OnPage(0)(run);
    All(row.acts)(run);
  };
  run.outcome = EditThroughExport(row.type, row.before, view);
  EXPECT_EQ(run.outcome.result, row.result);
  EXPECT_TRUE(view.dialog_scripts.empty()) << "a dialog the row scripted never opened";
  if (row.after != kAnyText) {
    EXPECT_EQ(run.outcome.text, row.after.empty() ? row.before : row.after);
  }
  run.sheet = nullptr;
  run.form = nullptr;
  All(row.checks)(run);
}

inline void RunRows(const std::vector<PageRow>& rows) {
  for (const PageRow& row : rows) {
    FakeView view;
    RunRow(row, view);
  }
}

}  // namespace ostrevan::testing
