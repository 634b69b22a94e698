// The Memory Write block's page: the card file and how it is written, the
// record index, and the registers the values come from.
#pragma once

#include <cstdint>

#include "blocks/memory/card_file_page.h"
#include "blocks/memory/memory_write_entity.h"

namespace ostrevan {

namespace editor {
class EditorView;
}

class CPropertyMemoryWrite : public CardFilePage {
 public:
  static constexpr int kTemplateId = 4630;
  static constexpr int kWriteMode = 1346;
  static constexpr int kSeparator = 1349;
  static constexpr int kFileSize = 1352;
  static constexpr int kAfterFull = 1350;
  static constexpr int kSaveTime = 1359;
  static constexpr int kUseRecordIndex = 1084;
  static constexpr int kDataSequence = 1345;
  static constexpr int kDecimals = 1358;

  explicit CPropertyMemoryWrite(MemoryWriteParams& params);

  void Store() override;
  void TakeBack() override;

 protected:
  void OnInit() override;
  void OnSelectionChanged(int id) override;
  void OnClicked(int id) override;

 private:
  void ApplyRecordIndexRules();

  MemoryWriteParams* params_;
  MemoryWriteParams values_;  // what the page shows; the rest passes through
  uint32_t format_;
};

// The separator list: the characters its items stand for, in item order.
extern const char kSeparatorCharacters[7];

// Runs the sheet with the Memory Write page; true after OK with `params`
// taken back.
bool EditMemoryWrite(MemoryWriteParams& params, editor::EditorView& view);

}  // namespace ostrevan
