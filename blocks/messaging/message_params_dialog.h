// "message for parameters": the two dialogs that edit the screen of a
// Params Message, for the SMS Output and EMAIL blocks alike.
//
// CSmsMessageParamsDialog edits the TEXT screen (4 rows, characters typed
// straight into the screen); CWSmsMessageParamsDialog the PDU(UCS2) screen
// (3 rows, text typed into an edit box opened by a double click). A
// variable (an operand from the register box, or the current date/time) is
// placed at the caret with Insert, removed with Delete, and moved to
// another row with the mouse.
#pragma once

#include <optional>
#include <string>

#include "blocks/messaging/mail_entity.h"
#include "blocks/messaging/screen_editor.h"
#include "blocks/messaging/sms_output_entity.h"
#include "editor/dialog.h"

namespace ostrevan {

namespace editor {
class EditorView;
}

class MessageParamsDialog : public editor::DialogModel {
 public:
  static constexpr int kScreen = 1001;
  static constexpr int kInsert = 1002;
  static constexpr int kDelete = 1003;
  static constexpr int kRegister = 1004;
  static constexpr int kCount = 1005;
  static constexpr int kCountMax = 1006;
  static constexpr int kSourceRegister = 1007;
  static constexpr int kSourceDateTime = 1008;
  static constexpr int kFirstDecimals = 1010;  // one per row, in row order
  static constexpr int kHintMilliseconds = 30000;
  static constexpr int kMaxCount = 20;

  static constexpr const char* kCaption = "message for parameters";
  static constexpr const char* kRefusal = "Cannot insert selected object at the current position!";

  static constexpr int DecimalsId(int row) { return kFirstDecimals + row; }

  // The screen to edit, before the dialog runs; OK stores back into it.
  void Load(SmsOutputParams& params) { Load(params.message.screen); }
  void Load(MailParams& params) { Load(params.message.screen); }

  const ScreenEditor& screen() const { return editor_; }

 protected:
  MessageParamsDialog(int template_id, bool double_byte);

  void OnInit() override;
  bool OnOk() override;
  void OnClicked(int id) override;
  void OnTextChanged(int id) override;
  void OnSelectionChanged(int id) override;
  void OnScreenInput(int id, const editor::ScreenInput& input) override;

 private:
  void Load(MessageScreen& screen);
  void InsertVariable();
  void OnPress(int row, int column);
  void OnRelease(int row, int column);
  void OpenCellEdit();
  void CloseCellEdit(const std::string* text);
  void ShowCountLimit();
  void ShowDecimals();
  void ShowScreen();
  // What the cells of row `row`'s variable field show.
  std::string FieldText(int row) const;

  ScreenEditor editor_;
  MessageScreen* target_ = nullptr;
  std::string now_;                 // the date/time shown, read at opening
  std::optional<int> dragged_row_;  // a press on this row's field started a drag
};

// The TEXT screen: 4 rows of single-byte characters.
class CSmsMessageParamsDialog : public MessageParamsDialog {
 public:
  static constexpr int kTemplateId = 4720;
  CSmsMessageParamsDialog() : MessageParamsDialog(kTemplateId, false) {}
};

// The PDU(UCS2) screen: 3 rows of single- or double-byte characters.
class CWSmsMessageParamsDialog : public MessageParamsDialog {
 public:
  static constexpr int kTemplateId = 4721;
  CWSmsMessageParamsDialog() : MessageParamsDialog(kTemplateId, true) {}
};

// "Set Message": runs the dialog of the message's format on its screen
// (PDU(UCS2): CWSmsMessageParamsDialog, else CSmsMessageParamsDialog);
// true when the user left it with OK and the screen was stored.
bool EditMessageScreen(SmsOutputParams& params, editor::EditorView& view);
bool EditMessageScreen(MailParams& params, editor::EditorView& view);

}  // namespace ostrevan
