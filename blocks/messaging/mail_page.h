// The EMAIL block's pages: "Params" (CPropertyMail: receivers, subject,
// style, channel and the message page) and "Attachment"
// (CPropertyMail_Attachment: eight file names, a note, and the firmware
// hint of CPropertyBlockHint).
#pragma once

#include <array>
#include <string>

#include "blocks/messaging/mail_entity.h"
#include "blocks/messaging/messaging_page.h"

namespace ostrevan {

namespace editor {
class EditorView;
}

class CPropertyMail : public MessagingPage {
 public:
  static constexpr int kTemplateId = 4755;
  static constexpr int kFirstReceiver = 1401;  // .. 1403
  static constexpr int kSubject = 1404;
  static constexpr int kStyle = 1405;
  static constexpr int kChannel = 1406;
  static constexpr int kMessageFrame = 1407;
  static constexpr int kReceiverLimit = 50;
  static constexpr int kSubjectLimit = 100;

  explicit CPropertyMail(MailParams& params);

  void Store() override;
  void TakeBack() override;

 protected:
  void OnInit() override;
  void OnSelectionChanged(int id) override;

 private:
  MailParams* params_;
  MailParams values_;
};

class CPropertyMail_Attachment : public editor::PageModel {
 public:
  static constexpr int kTemplateId = 4786;
  static constexpr int kFirstName = 1501;  // .. 1508
  static constexpr int kNote = 1510;
  static constexpr int kHintFrame = 1511;
  static constexpr int kNameLimit = 12;

  static const char* const kNoteText;

  explicit CPropertyMail_Attachment(MailParams& params);

  void Store() override;
  void TakeBack() override;

 protected:
  void OnInit() override;

 private:
  MailParams* params_;
  std::array<std::string, kMailAttachments> names_;
};

// A page with one text: the firmware an attachment needs, when the page is
// attached to a block; otherwise the text is hidden.
class CPropertyBlockHint : public editor::PageModel {
 public:
  static constexpr int kTemplateId = 4723;
  static constexpr int kHint = 1601;
  static constexpr int kAttachmentFirmware = 155;

  explicit CPropertyBlockHint(bool attached);

 protected:
  void OnInit() override;

 private:
  bool attached_;
};

bool EditMail(MailParams& params, editor::EditorView& view);

}  // namespace ostrevan
