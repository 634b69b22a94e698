#include "blocks/messaging/message_pages.h"

#include <algorithm>
#include <string>

#include "blocks/messaging/message_params_dialog.h"
#include "core/app.h"
#include "core/operand.h"
#include "core/param_text.h"
#include "core/platform/code_page.h"
#include "editor/editor_view.h"

namespace ostrevan {

using editor::Control;
using editor::ControlKind;
using editor::LabelId;
using editor::MakeControl;

namespace {

constexpr editor::Size kMessagePageSize{310, 122};
constexpr int kKindGroup = 1;

}  // namespace

void MessageChildPage::SetFormat(uint8_t format) {
  format_ = format;
  if (created()) ShowFormat();
  ReportChanges();  // the holder's event changed this page
}

void MessageChildPage::SetDial(bool dial) {
  dial_ = dial;
  if (created()) ApplyEnabling();
  ReportChanges();
}

CPropertyMessage::CPropertyMessage(MessageBinding binding)
    : MessageChildPage(kTemplateId, kMessagePageSize, binding) {
  Control& text = Add(MakeControl(kTextMessage, ControlKind::kRadio, "Text Message", {8, 6, 70, 10}));
  text.group = kKindGroup;
  Control& params =
      Add(MakeControl(kParamsMessage, ControlKind::kRadio, "Params Message", {90, 6, 80, 10}));
  params.group = kKindGroup;
  Add(MakeControl(LabelId(kEditor), ControlKind::kLabel, "Message Editor", {8, 22, 80, 10}));
  Control& editor = Add(MakeControl(kEditor, ControlKind::kEdit, "", {8, 34, 294, 50},
                                    editor::kStretchBoth));
  editor.multi_line = true;
  Add(MakeControl(kRemainingLabel, ControlKind::kLabel, "", {8, 94, 170, 10},
                  {{0, 100}, {0, 100}}));
  Control& remaining = Add(MakeControl(kRemaining, ControlKind::kNumberEdit, "",
                                       {180, 92, 36, 12}, {{0, 100}, {0, 100}}));
  remaining.read_only = true;
  Add(MakeControl(kSetMessage, ControlKind::kButton, "Set Message", {240, 91, 62, 14},
                  {{100, 100}, {100, 100}}));
}

void CPropertyMessage::OnInit() {
  SetChecked(kTextMessage, message().text_message);
  SetChecked(kParamsMessage, !message().text_message);
  SetText(kEditor, message().text);
  ShowFormat();
  ApplyEnabling();
}

void CPropertyMessage::ShowFormat() {
  const int max = MaxLength(format());
  // The edit counts bytes; in PDU(UCS2) the UTF-16 count is kept on typing.
  SetTextLimit(kEditor, format() != kTextFormat ? 2 * max : max);
  SetLabel(kRemainingLabel, Format("Remaining chars for message (Max. %d chars)", max));
  ShowRemaining();
}

void CPropertyMessage::ApplyEnabling() {
  const bool text = At(kTextMessage).checked;
  Enable(kTextMessage, !dial());
  Enable(kParamsMessage, !dial());
  Enable(kEditor, !dial() && text);
  Enable(kSetMessage, !dial() && !text);
}

int CPropertyMessage::Length(const std::string& text) const {
  if (format() == kTextFormat) return static_cast<int>(text.size());
  return static_cast<int>(platform::MultiByteToUtf16(text).size());
}

void CPropertyMessage::ShowRemaining() {
  const int remaining = MaxLength(format()) - Length(At(kEditor).text);
  SetText(kRemaining, std::to_string(std::max(remaining, 0)));
}

void CPropertyMessage::OnTextChanged(int id) {
  if (id != kEditor) return;
  const std::string& text = At(kEditor).text;
  if (format() != kTextFormat && Length(text) > kUcs2Max) {
    std::u16string units = platform::MultiByteToUtf16(text);
    SetText(kEditor, platform::Utf16ToMultiByte(platform::CutUtf16(units, kUcs2Max)));
    MoveCaretToEnd(kEditor);
  }
  ShowRemaining();
}

void CPropertyMessage::OnClicked(int id) {
  if (id == kTextMessage || id == kParamsMessage) ApplyEnabling();
  if (id == kSetMessage) RunScreenEditor();
}

void CPropertyMessage::RunScreenEditor() {
  editor::EditorView* shown_by = view();
  if (!shown_by) return;
  auto run = [&](MessageParamsDialog& dialog) {
    if (binding().sms) dialog.Load(*binding().sms);
    if (binding().mail) dialog.Load(*binding().mail);
    dialog.Attach(shown_by);
    shown_by->RunDialog(dialog);  // OK has stored into the binding
  };
  if (format() == kUcs2Format) {
    CWSmsMessageParamsDialog dialog;
    run(dialog);
  } else {
    CSmsMessageParamsDialog dialog;
    run(dialog);
  }
}

std::string CPropertyMessage::UnusableSigns() const {
  std::u16string signs;
  for (char16_t unit : platform::MultiByteToUtf16(At(kEditor).text)) {
    if (unit >= 0x100) signs.push_back(unit);
  }
  return signs.empty() ? std::string() : platform::Utf16ToMultiByte(signs);
}

void CPropertyMessage::Store() {
  if (!created()) return;
  if (binding().sms && format() == kTextFormat) {
    const std::string signs = UnusableSigns();
    if (!signs.empty()) {
      ShowMessage(editor::ErrorMessage(Format("This sign %s can not be used!", signs.c_str())));
      return;
    }
  }
  message().text_message = At(kTextMessage).checked;
  message().text = At(kEditor).text;
  if (binding().mail) {
    message().format = kTextFormat;
    binding().mail->reserved_format = 0;
  }
}

CPropertyMessageVB::CPropertyMessageVB(MessageBinding binding)
    : MessageChildPage(kTemplateId, kMessagePageSize, binding) {
  Add(MakeControl(LabelId(kVbStart), ControlKind::kLabel, "Start", {8, 10, 40, 10}));
  Control& start = Add(MakeControl(kVbStart, ControlKind::kNumberEdit, "", {50, 8, 60, 12}));
  start.spin = true;
  Add(MakeControl(kVbUnit, ControlKind::kLabel, "VB", {114, 10, 20, 10}));
  Add(MakeControl(LabelId(kVbMaxCount), ControlKind::kLabel, "Max count", {8, 28, 40, 10}));
  Control& count = Add(MakeControl(kVbMaxCount, ControlKind::kNumberEdit, "", {50, 26, 60, 12}));
  count.spin = true;
  Add(MakeControl(kMaxLabel, ControlKind::kLabel, "", {114, 28, 60, 10}));
}

void CPropertyMessageVB::OnInit() {
  SetText(kVbStart, std::to_string(message().vb_start));
  SetRange(kVbStart, {0, AreaMaxIndex(App().areas(), kVArea)});
  SetText(kVbMaxCount, std::to_string(message().vb_max_count));
  ShowFormat();
  ApplyEnabling();
}

void CPropertyMessageVB::ShowFormat() {
  const int max = format() != kTextFormat ? kUcs2MaxCount : kTextMaxCount;
  SetRange(kVbMaxCount, {0, max});
  SetLabel(kMaxLabel, Format("Max. %d", max));
}

void CPropertyMessageVB::ApplyEnabling() {
  for (int id : {kVbStart, kVbMaxCount}) Enable(id, !dial());
}

void CPropertyMessageVB::Store() {
  if (!created()) return;
  message().vb_start = LeadingInt(At(kVbStart).text);
  message().vb_max_count = LeadingInt(At(kVbMaxCount).text);
}

std::unique_ptr<MessageChildPage> MakeMessagePage(MessageBinding binding) {
  if (binding.message()->fbd_style) return std::make_unique<CPropertyMessage>(binding);
  return std::make_unique<CPropertyMessageVB>(binding);
}

}  // namespace ostrevan
