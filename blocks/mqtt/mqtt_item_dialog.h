// "MQTT item": edits one publish item (comment, register, count, format,
// description) for the Publish block's "Params" page.
#pragma once

#include "blocks/mqtt/mqtt_write_entity.h"
#include "editor/dialog.h"

namespace ostrevan {

class CMqttWriteItemDialog : public editor::DialogModel {
 public:
  static constexpr int kTemplateId = 4780;
  static constexpr int kComment = 2501;
  static constexpr int kRegister = 2502;
  static constexpr int kCount = 2503;
  static constexpr int kFormat = 2504;
  static constexpr int kDescription = 2505;
  static constexpr int kLength = 2506;
  static constexpr int kCommentLimit = 8;
  static constexpr int kDescriptionLimit = 4;
  static constexpr int kMaxCount = 16;
  static constexpr int kLengths = 16;
  static constexpr int kHintMilliseconds = 30000;

  // OK stores into `item`; its bit field is left alone.
  explicit CMqttWriteItemDialog(PublishItem& item);

 protected:
  void OnInit() override;
  bool OnOk() override;
  void OnTextChanged(int id) override;

 private:
  // The names allowed for `area`, with `format`'s name selected; without
  // it the first name, whose code becomes the format.
  void FillFormats(int area, int format);

  PublishItem* item_;
};

}  // namespace ostrevan
