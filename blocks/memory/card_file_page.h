// What the Memory Read and Memory Write pages share: the card position, the
// file name with its filter, the title, the record index, the register with
// its format list and range hint, and the count.
#pragma once

#include <cstdint>
#include <string>

#include "blocks/memory/card_file.h"
#include "editor/page.h"

namespace ostrevan {

class CardFilePage : public editor::PageModel {
 public:
  static constexpr int kPosition = 1183;
  static constexpr int kFileName = 1339;
  static constexpr int kFileExtension = 30000 + 1339;  // the ".txt" beside it
  static constexpr int kTitle = 1340;
  static constexpr int kRecordIndex = 1338;
  static constexpr int kRegister = 1347;
  static constexpr int kCount = 1348;
  static constexpr int kFormat = 4009;
  static constexpr int kFileNameLimit = 8;
  static constexpr int kTitleLimit = 10;
  static constexpr long kMaxCount = 40;
  static constexpr int kHintMilliseconds = 30000;

  // The position list: item 0 the internal card, item 1 the external one.
  static constexpr const char* kInternalCard = "Internal Card";
  static constexpr const char* kExternalCard = "External Card";

 protected:
  // `card` and `format` are the page's copies of the record's fields.
  CardFilePage(int template_id, editor::Size size, CardFileParams& card, uint32_t& format);

  // A control with its label to the left (label id LabelId(id)).
  void AddLabeled(int id, editor::ControlKind kind, const char* label, editor::Rect rect,
                  int label_width = 64);

  // Fills what both pages show; the position must be set before.
  void OpenCommon(long min_record_index);
  void OnTextChanged(int id) override;
  void OnSelectionChanged(int id) override;
  void OnPrivateMessage(uintptr_t wparam) override;
  // The common fields from the controls into the copies.
  void StoreCommon();

  CardFileParams& card() const { return *card_; }

 private:
  void FilterFileName();
  void RefillFormats();

  CardFileParams* card_;
  uint32_t* format_;
};

// The file name edit's filter: the first 8 characters, of them only
// letters, digits and underscores, in upper case.
std::string FilteredFileName(const std::string& typed);

}  // namespace ostrevan
