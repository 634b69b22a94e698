// The Memory Read block's page: which file on the card, which record, and
// the registers the values go to.
#pragma once

#include <cstdint>

#include "blocks/memory/card_file_page.h"
#include "blocks/memory/memory_read_entity.h"

namespace ostrevan {

namespace editor {
class EditorView;
}

class CPropertyMemoryRead : public CardFilePage {
 public:
  static constexpr int kTemplateId = 4628;

  explicit CPropertyMemoryRead(MemoryReadParams& params);

  void Store() override;
  void TakeBack() override;

 protected:
  void OnInit() override;

 private:
  MemoryReadParams* params_;
  MemoryReadParams values_;  // what the page shows; the rest passes through
  uint32_t format_;
};

// Runs the sheet with the Memory Read page; true after OK with `params`
// taken back.
bool EditMemoryRead(MemoryReadParams& params, editor::EditorView& view);

}  // namespace ostrevan
