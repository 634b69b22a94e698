// The message pages that the SMS Output and EMAIL pages show in a frame:
// CPropertyMessage for "FBD Style" (a Text Message typed in, or a Params
// Message whose screen "Set Message" edits) and CPropertyMessageVB for
// "Ladder Style" (the PLC takes the message from its VB memory).
//
// A message page works on the message of the page that holds it; it stores
// into it on OK and when the style changes, so that the next message page
// starts from what the user left. The holder tells it the message format
// (the limits follow it) and the dial state (dialling disables it).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "blocks/messaging/mail_entity.h"
#include "blocks/messaging/sms_output_entity.h"
#include "editor/page.h"

namespace ostrevan {

// The structure a message page stores into: an SMS Output's or a mail's.
struct MessageBinding {
  SmsOutputParams* sms = nullptr;
  MailParams* mail = nullptr;

  MessageContent* message() const {
    return sms ? &sms->message : mail ? &mail->message : nullptr;
  }
};

class MessageChildPage : public editor::PageModel {
 public:
  // The message format the holder shows (0 TEXT, else PDU(UCS2)).
  void SetFormat(uint8_t format);
  void SetDial(bool dial);
  uint8_t format() const { return format_; }
  bool dial() const { return dial_; }

 protected:
  MessageChildPage(int template_id, editor::Size size, MessageBinding binding)
      : PageModel(template_id, size), binding_(binding) {}

  // Once created: the limits of format(), the enabling of dial().
  virtual void ShowFormat() = 0;
  virtual void ApplyEnabling() = 0;

  MessageContent& message() const { return *binding_.message(); }
  const MessageBinding& binding() const { return binding_; }

 private:
  MessageBinding binding_;
  uint8_t format_ = kTextFormat;
  bool dial_ = false;
};

class CPropertyMessage : public MessageChildPage {
 public:
  static constexpr int kTemplateId = 4783;
  static constexpr int kTextMessage = 1801;
  static constexpr int kParamsMessage = 1802;
  static constexpr int kEditor = 1803;
  static constexpr int kRemainingLabel = 1804;
  static constexpr int kRemaining = 1805;
  static constexpr int kSetMessage = 1806;
  static constexpr int kTextMax = 100;
  static constexpr int kUcs2Max = 70;  // UTF-16 characters

  explicit CPropertyMessage(MessageBinding binding);

  void Store() override;

  // The most characters the message may have in `format`.
  static int MaxLength(uint8_t format) { return format != kTextFormat ? kUcs2Max : kTextMax; }

 protected:
  void OnInit() override;
  void OnClicked(int id) override;
  void OnTextChanged(int id) override;
  void ShowFormat() override;
  void ApplyEnabling() override;

 private:
  void ShowRemaining();
  void RunScreenEditor();
  // The characters of the text above 0xFF, or empty when there are none.
  std::string UnusableSigns() const;
  int Length(const std::string& text) const;
};

class CPropertyMessageVB : public MessageChildPage {
 public:
  static constexpr int kTemplateId = 4784;
  static constexpr int kVbStart = 1811;
  static constexpr int kVbUnit = 1812;
  static constexpr int kVbMaxCount = 1813;
  static constexpr int kMaxLabel = 1814;
  static constexpr int kTextMaxCount = 128;
  static constexpr int kUcs2MaxCount = 70;
  static constexpr int kVArea = 159;

  explicit CPropertyMessageVB(MessageBinding binding);

  void Store() override;

 protected:
  void OnInit() override;
  void ShowFormat() override;
  void ApplyEnabling() override;
};

// The message page of the binding's style ("FBD Style": CPropertyMessage).
std::unique_ptr<MessageChildPage> MakeMessagePage(MessageBinding binding);

}  // namespace ostrevan
