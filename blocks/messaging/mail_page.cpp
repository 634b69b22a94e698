#include "blocks/messaging/mail_page.h"

#include <memory>
#include <string>
#include <vector>

#include "core/app.h"
#include "core/param_text.h"
#include "editor/sheet.h"

namespace ostrevan {

using editor::Control;
using editor::ControlKind;
using editor::LabelId;
using editor::MakeControl;

namespace {

constexpr editor::Size kPageSize{330, 240};

}  // namespace

CPropertyMail::CPropertyMail(MailParams& params)
    : MessagingPage(kTemplateId, kPageSize), params_(&params), values_(params) {
  for (int k = 0; k < static_cast<int>(kMailReceivers); ++k) {
    const int id = kFirstReceiver + k;
    const int y = 8 + k * 16;
    Add(MakeControl(LabelId(id), ControlKind::kLabel, Format("Receive%d", k + 1),
                    {8, y + 2, 40, 10}));
    Add(MakeControl(id, ControlKind::kEdit, "", {50, y, 272, 12}, editor::kStretchRight))
        .text_limit = kReceiverLimit;
  }
  Add(MakeControl(LabelId(kSubject), ControlKind::kLabel, "Caption", {8, 58, 40, 10}));
  Control& subject =
      Add(MakeControl(kSubject, ControlKind::kEdit, "", {50, 56, 272, 28}, editor::kStretchRight));
  subject.multi_line = true;
  subject.text_limit = kSubjectLimit;
  Add(MakeControl(kStyle, ControlKind::kDropList, "", {50, 92, 90, 60}));
  Add(MakeControl(LabelId(kChannel), ControlKind::kLabel, "Channel", {160, 94, 30, 10}));
  Add(MakeControl(kChannel, ControlKind::kDropList, "", {192, 92, 80, 60}));
  AddMessageFrame(kMessageFrame, {8, 110, 314, 124}, MessageBinding{nullptr, &values_});
}

void CPropertyMail::OnInit() {
  for (size_t k = 0; k < kMailReceivers; ++k) {
    SetText(kFirstReceiver + static_cast<int>(k), values_.receivers[k]);
  }
  SetText(kSubject, values_.subject);
  SetItems(kStyle, {"FBD Style", "Ladder Style"});
  Select(kStyle, values_.message.fbd_style ? 0 : 1);
  // Mails go out over the cellular link only.
  SetItems(kChannel, {"GSM", "Ethernet"});
  Select(kChannel, 0);
  Enable(kChannel, false);
  ShowMessagePage(kTextFormat, false);
}

void CPropertyMail::OnSelectionChanged(int id) {
  const int selection = At(id).selection;
  if (id != kStyle || selection < 0) return;
  values_.message.fbd_style = selection == 0;
  ShowMessagePage(kTextFormat, false);
}

void CPropertyMail::Store() {
  for (size_t k = 0; k < kMailReceivers; ++k) {
    values_.receivers[k] = At(kFirstReceiver + static_cast<int>(k)).text;
  }
  values_.subject = At(kSubject).text;
  values_.channel = 0;
  if (MessageChildPage* page = message_page()) page->Store();
}

void CPropertyMail::TakeBack() {
  params_->receivers = values_.receivers;
  params_->subject = values_.subject;
  params_->message = values_.message;
  params_->reserved_format = values_.reserved_format;
  params_->channel = values_.channel;
}

const char* const CPropertyMail_Attachment::kNoteText =
    "Note:\r\n\r\n"
    "1.Total of all attachment sizes, must be less than 2616320 bytes.\r\n\r\n"
    "2.The third-party email server is used to send emails. This PLC cannot guarantee the "
    "success rate and real-time performance of email sending.\r\n\r\n"
    "3.Attachment sending time: Upload speed: about 230ms/KB.\r\n\r\n"
    "4.Attachments that are too large affect the speed of the email.\r\n\r\n";

CPropertyMail_Attachment::CPropertyMail_Attachment(MailParams& params)
    : PageModel(kTemplateId, kPageSize), params_(&params), names_(params.attachments) {
  for (int k = 0; k < static_cast<int>(kMailAttachments); ++k) {
    const int id = kFirstName + k;
    const int x = k < 4 ? 8 : 168;
    const int y = 8 + (k % 4) * 16;
    Add(MakeControl(LabelId(id), ControlKind::kLabel, Format("%d.", k + 1), {x, y + 2, 12, 10}));
    Add(MakeControl(id, ControlKind::kEdit, "", {x + 14, y, 100, 12})).text_limit = kNameLimit;
  }
  // A static text: nothing to type, and it wraps its lines itself.
  Add(MakeControl(kNote, ControlKind::kLabel, kNoteText, {8, 74, 314, 112}, editor::kStretchBoth));
  Add(MakeControl(kHintFrame, ControlKind::kFrame, "", {8, 192, 314, 40},
                  {{0, 100}, {100, 100}}))
      .visible = false;
}

void CPropertyMail_Attachment::OnInit() {
  int edit = kFirstName;
  for (const std::string& name : names_) {
    if (!name.empty()) SetText(edit++, name);
  }
  auto hint = std::make_unique<CPropertyBlockHint>(true);
  CPropertyBlockHint* shown = hint.get();
  SetChild(kHintFrame, std::move(hint));
  shown->Create();
}

void CPropertyMail_Attachment::Store() {
  names_.fill(std::string());
  size_t slot = 0;
  for (size_t k = 0; k < kMailAttachments; ++k) {
    const std::string& name = At(kFirstName + static_cast<int>(k)).text;
    if (!name.empty()) names_[slot++] = name;
  }
}

void CPropertyMail_Attachment::TakeBack() { params_->attachments = names_; }

CPropertyBlockHint::CPropertyBlockHint(bool attached)
    : PageModel(kTemplateId, {310, 36}), attached_(attached) {
  Add(MakeControl(kHint, ControlKind::kLabel, "", {4, 4, 302, 28}, editor::kStretchRight));
}

void CPropertyBlockHint::OnInit() {
  if (!attached_) {
    ShowControl(kHint, false);
    return;
  }
  const std::string cpu(App().cpu_model());
  SetLabel(kHint, Format("The CPU [%s] with the firmware version must be >= V%d can support "
                         "email attachment\n",
                         cpu.c_str(), kAttachmentFirmware));
}

bool EditMail(MailParams& params, editor::EditorView& view) {
  std::vector<SheetPage> pages;
  pages.push_back({"Params", std::make_unique<CPropertyMail>(params)});
  pages.push_back({"Attachment", std::make_unique<CPropertyMail_Attachment>(params)});
  return EditInSheet(view, std::move(pages));
}

}  // namespace ostrevan
