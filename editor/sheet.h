// The block editor sheet: the pages of the block being edited, the tab
// titles, OK with validation in page order, and the page notify relay.
//
// Edit of a block: Load(slot, pages) with the block's pages (bound to its
// parameters, in tab order), AddPages(), Run(); after OK TakeBack() and
// write the text. The view drives a running sheet through Open(),
// ShowPage(), ClickOk(), ClickCancel() and OnMessage().
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/dialog.h"
#include "editor/page.h"

namespace ostrevan::editor {
class EditorView;
}

namespace ostrevan {

// The block slots of the sheet, in the order AddPages looks at them.
enum class BlockSlot {
  kModbus,
  kMemoryRead,
  kMemoryWrite,
  kGprsConnect,
  kGprsDataSend,
  kMqttConnect,
  kMqttRead,
  kMqttWrite,
  kSmsIn,
  kSmsOut,
  kMail,
  kWifi,
};
constexpr size_t kBlockSlotCount = 12;

// The tab titles of a block type, in tab order.
std::vector<std::string> TabTitles(BlockSlot slot);

// The message the sheet relays to every created page.
constexpr unsigned kPageNotifyMessage = 0x461;

class CPropertyBasic {
 public:
  explicit CPropertyBasic(editor::EditorView* view);
  ~CPropertyBasic();
  CPropertyBasic(const CPropertyBasic&) = delete;
  CPropertyBasic& operator=(const CPropertyBasic&) = delete;

  // Clears every slot, fills `slot` and keeps the block's pages (already
  // bound to its parameters, in tab order) until AddPages.
  void Load(BlockSlot slot, std::vector<std::unique_ptr<editor::PageModel>> pages);
  // Adds the pages and titles of the first filled slot.
  void AddPages();
  // Shows the sheet through the view; Cancel when there is none.
  editor::DialogResult Run();
  // Every page writes its members into the block's parameters.
  void TakeBack();

  // The view's side of a running sheet.
  void Open();
  void ShowPage(size_t index);
  void ClickOk();
  void ClickCancel();
  void OnMessage(unsigned message, uintptr_t wparam, intptr_t lparam);
  std::optional<editor::DialogResult> end_result() const { return end_result_; }

  const std::string& title() const { return title_; }
  size_t page_count() const { return pages_.size(); }
  editor::PageModel& page(size_t index) const { return *pages_.at(index); }
  const std::string& tab_title(size_t index) const { return titles_.at(index); }
  size_t active_page() const { return active_page_; }
  bool slot_filled(BlockSlot slot) const { return slots_[static_cast<size_t>(slot)]; }
  editor::EditorView* view() const { return view_; }

 private:
  editor::EditorView* view_;
  std::array<bool, kBlockSlotCount> slots_{};
  std::array<std::vector<std::unique_ptr<editor::PageModel>>, kBlockSlotCount> loaded_;
  std::vector<std::unique_ptr<editor::PageModel>> pages_;
  std::vector<std::string> titles_;
  std::string title_;
  size_t active_page_ = 0;
  std::optional<editor::DialogResult> end_result_;
};

}  // namespace ostrevan

namespace ostrevan {

// Edit of a block in one call: loads `pages` (bound to the block's
// parameters) into a sheet, runs it through `view`, and after OK lets every
// page take back. True after OK; after Cancel the parameters are untouched.
bool EditInSheet(editor::EditorView& view, BlockSlot slot,
                 std::vector<std::unique_ptr<editor::PageModel>> pages);

}  // namespace ostrevan
