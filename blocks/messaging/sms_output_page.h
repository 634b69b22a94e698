// The SMS Output block's pages: "Params" (CPropertySmsOut: format, style,
// receivers, the phone book and the message page) and "Call"
// (CPropertyProgramSms_In_Dial: dialling the receivers instead, with the
// confirmation settings).
//
// The two pages share the dial state through the sheet's page
// notification: 0 or 1 is the dial state, kPhoneBookChanged asks for the
// receiver lists to be filled anew. "Params" stores first, "Call" second,
// so that in dial mode the call's receivers and message settings win.
#pragma once

#include <cstdint>

#include "blocks/messaging/messaging_page.h"
#include "blocks/messaging/sms_output_entity.h"

namespace ostrevan {

namespace editor {
class EditorView;
}

class CPropertySmsOut : public MessagingPage {
 public:
  static constexpr int kTemplateId = 4601;
  static constexpr int kFormat = 1201;
  static constexpr int kStyle = 1202;
  static constexpr int kReceiverGroup = 1203;
  static constexpr int kFirstReceiver = 1211;  // .. 1215
  static constexpr int kPhonebook = 1220;
  static constexpr int kMessageFrame = 1230;

  explicit CPropertySmsOut(SmsOutputParams& params);

  void Store() override;
  void TakeBack() override;

 protected:
  void OnInit() override;
  void OnSelectionChanged(int id) override;
  void OnClicked(int id) override;
  void OnPageNotify(uintptr_t wparam, intptr_t lparam) override;

 private:
  void ApplyDial();

  SmsOutputParams* params_;
  SmsOutputParams values_;
};

class CPropertyProgramSms_In_Dial : public MessagingPage {
 public:
  static constexpr int kTemplateId = 4639;
  static constexpr int kDial = 1301;
  static constexpr int kReceiverGroup = 1302;
  static constexpr int kFirstReceiver = 1311;  // .. 1315
  static constexpr int kConfirmation = 1320;
  static constexpr int kWaiting = 1321;
  static constexpr int kWaitingUnit = 1322;
  static constexpr int kLoops = 1323;
  static constexpr int kLoopsUnit = 1324;

  explicit CPropertyProgramSms_In_Dial(SmsOutputParams& params);

  void Store() override;
  void TakeBack() override;

 protected:
  void OnInit() override;
  void OnSelectionChanged(int id) override;
  void OnClicked(int id) override;
  void OnPageNotify(uintptr_t wparam, intptr_t lparam) override;

 private:
  void ApplyEnabling();

  SmsOutputParams* params_;
  SmsOutputParams values_;
  bool stored_ = false;
};

// Runs the sheet with both pages; true after OK with `params` taken back.
bool EditSmsOutput(SmsOutputParams& params, editor::EditorView& view);

}  // namespace ostrevan
