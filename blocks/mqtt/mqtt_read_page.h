// The Subscribe block's "Params" page: where in VB memory a received
// message goes, and how many characters of it.
#pragma once

#include "blocks/mqtt/mqtt_read_entity.h"
#include "editor/page.h"

namespace ostrevan {

namespace editor {
class EditorView;
}

class CPropertyMqttRead : public editor::PageModel {
 public:
  static constexpr int kTemplateId = 4752;
  static constexpr int kStartByte = 2301;
  static constexpr int kReceiveNumber = 2302;
  static constexpr int kCharCount = 2303;
  static constexpr int kSavedTo = 2304;  // the fixed texts
  static constexpr int kTotalLength = 2305;
  static constexpr int kOption1 = 2306;
  static constexpr int kOption2 = 2307;
  static constexpr int kMaxChars = 250;
  static constexpr int kHintMilliseconds = 30000;

  explicit CPropertyMqttRead(MqttSubscribeParams& params);

  void Store() override;
  void TakeBack() override;

 protected:
  void OnInit() override;
  void OnSelectionChanged(int id) override;

 private:
  void ApplyEnabling();

  MqttSubscribeParams* params_;
  MqttSubscribeParams values_;
};

// Runs the sheet with the "Comm" and "Params" pages of the Subscribe block;
// true after OK with `params` taken back.
bool EditMqttSubscribe(MqttSubscribeParams& params, editor::EditorView& view);

}  // namespace ostrevan
