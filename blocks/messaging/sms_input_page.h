// The SMS Input block's page: where in VB memory a received message goes,
// and the phone numbers it is taken from when "Telephone identification"
// is ticked.
#pragma once

#include "blocks/messaging/messaging_page.h"
#include "blocks/messaging/sms_input_entity.h"

namespace ostrevan {

namespace editor {
class EditorView;
}

class CPropertySmsIn : public MessagingPage {
 public:
  static constexpr int kTemplateId = 4602;
  static constexpr int kMessageGroup = 1701;
  static constexpr int kVbStart = 1702;
  static constexpr int kVbUnit = 1703;
  static constexpr int kVbMaxCount = 1704;
  static constexpr int kIdentification = 1705;
  static constexpr int kReceiverGroup = 1706;
  static constexpr int kFirstReceiver = 1711;  // .. 1715
  static constexpr int kPhonebook = 1720;
  static constexpr long kVbMax = 99999999;

  explicit CPropertySmsIn(SmsInputParams& params);

  void Store() override;
  void TakeBack() override;

 protected:
  void OnInit() override;
  void OnSelectionChanged(int id) override;
  void OnClicked(int id) override;

 private:
  SmsInputParams* params_;
  SmsInputParams values_;
};

bool EditSmsInput(SmsInputParams& params, editor::EditorView& view);

}  // namespace ostrevan
