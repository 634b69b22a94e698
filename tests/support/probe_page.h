// A page that uses every service the editor layer offers its pages, for the
// tests of that layer: headless with the fake view, and in real windows.
#pragma once

#include <cctype>
#include <string>

#include "core/param_text.h"
#include "editor/page.h"

namespace ostrevan::testing {

class ProbePage : public editor::PageModel {
 public:
  static constexpr int kNumber = 100;     // range 1 to 100, with a tooltip
  static constexpr int kCount = 101;      // range follows kSize
  static constexpr int kSize = 102;       // "small" 1 to 32, "large" 1 to 64
  static constexpr int kSizeLabel = 103;  // says which
  static constexpr int kName = 104;       // upper case, caret to the end
  static constexpr int kNotes = 105;      // several lines
  static constexpr int kParsed = 106;     // parsed later, on a private message
  static constexpr int kParsedEcho = 107;
  static constexpr int kNotifyEcho = 108;
  static constexpr int kNotify = 109;     // button: notifies the pages
  static constexpr int kRadioA1 = 110, kRadioA2 = 111;  // group 1
  static constexpr int kRadioB1 = 112, kRadioB2 = 113;  // group 2
  static constexpr int kHideCount = 114;  // check box
  static constexpr int kHintMs = 30000;

  ProbePage() : PageModel(4000, {260, 200}) {
    using editor::ControlKind;
    using editor::MakeControl;
    Add(MakeControl(kNumber, ControlKind::kNumberEdit, "", {8, 8, 60, 12}));
    Add(MakeControl(kCount, ControlKind::kNumberEdit, "", {80, 8, 60, 12}));
    Add(MakeControl(kSize, ControlKind::kDropList, "", {150, 8, 80, 60}));
    Add(MakeControl(kSizeLabel, ControlKind::kLabel, "", {150, 24, 80, 10}));
    Add(MakeControl(kName, ControlKind::kEdit, "", {8, 40, 60, 12}));
    editor::Control notes = MakeControl(kNotes, ControlKind::kEdit, "", {80, 40, 100, 36});
    notes.multi_line = true;
    Add(notes);
    Add(MakeControl(kParsed, ControlKind::kEdit, "", {8, 80, 60, 12}));
    Add(MakeControl(kParsedEcho, ControlKind::kLabel, "", {80, 82, 80, 10}));
    Add(MakeControl(kNotifyEcho, ControlKind::kLabel, "", {80, 98, 80, 10}));
    Add(MakeControl(kNotify, ControlKind::kButton, "Notify", {8, 96, 60, 14}));
    const int radios[] = {kRadioA1, kRadioA2, kRadioB1, kRadioB2};
    for (int i = 0; i < 4; ++i) {
      editor::Control radio = MakeControl(radios[i], ControlKind::kRadio,
                                          "Radio " + std::to_string(radios[i]),
                                          {8 + 60 * i, 120, 56, 12});
      radio.group = i < 2 ? 1 : 2;
      Add(radio);
    }
    Add(MakeControl(kHideCount, ControlKind::kCheckBox, "Hide count", {8, 140, 80, 12}));
    editor::Control& number = Mutable(kNumber);
    number.range = editor::NumberRange{1, 100};
  }

 protected:
  void OnInit() override {
    SetText(kNumber, "50");
    SetTooltip(kNumber, "first line <br>second line", kHintMs);
    SetItems(kSize, {"small", "large"});
    Select(kSize, 0);
    ApplySize();
    SetText(kCount, "20");
    SetTextLimit(kName, 8);
    SetChecked(kRadioA1, true);
    SetChecked(kRadioB1, true);
  }

  void OnSelectionChanged(int id) override {
    if (id == kSize) ApplySize();
  }

  void OnTextChanged(int id) override {
    if (id == kName) {
      std::string upper = At(kName).text;
      for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      SetText(kName, upper);
      MoveCaretToEnd(kName);
    }
    if (id == kParsed) PostPrivate(kParsed);
  }

  void OnPrivateMessage(uintptr_t wparam) override {
    if (wparam == kParsed) SetLabel(kParsedEcho, "parsed " + At(kParsed).text);
  }

  void OnClicked(int id) override {
    if (id == kNotify) NotifyPages(5, -6);
    if (id == kHideCount) {
      ShowControl(kCount, !At(kHideCount).checked);
      Enable(kSize, !At(kHideCount).checked);
    }
  }

  void OnPageNotify(uintptr_t wparam, intptr_t lparam) override {
    SetLabel(kNotifyEcho, "notified " + std::to_string(wparam) + "," + std::to_string(lparam));
  }

 private:
  void ApplySize() {
    bool large = At(kSize).selection == 1;
    long max = large ? 64 : 32;
    SetRange(kCount, {1, max});
    SetLabel(kSizeLabel, large ? "up to 64" : "up to 32");
    if (LeadingInt(At(kCount).text) > max) SetText(kCount, std::to_string(max));
    SetTextLimit(kNotes, large ? 200 : 100);
  }
};

}  // namespace ostrevan::testing
