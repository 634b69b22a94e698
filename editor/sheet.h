// The block editor sheet: the pages of the block being edited under their
// tab titles, OK with the checks in page order, and the page notify relay.
//
// The sheet knows no block type: a block's Edit hands it its own pages
// (bound to its parameters) and their titles, in tab order:
//
//   std::vector<SheetPage> pages;
//   pages.push_back({"Params", std::make_unique<CPropertyThing>(params)});
//   if (!EditInSheet(view, std::move(pages))) return 0;  // Cancel
//   ... write the text from `params` ...
//
// The view drives a running sheet through Open(), ShowPage(), ClickOk(),
// ClickCancel() and OnMessage().
#pragma once

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

// The message the sheet relays to every created page.
constexpr unsigned kPageNotifyMessage = 0x461;

// One tab: its title and its page.
struct SheetPage {
  std::string title;
  std::unique_ptr<editor::PageModel> page;
};

class CPropertyBasic {
 public:
  explicit CPropertyBasic(editor::EditorView* view);
  ~CPropertyBasic();
  CPropertyBasic(const CPropertyBasic&) = delete;
  CPropertyBasic& operator=(const CPropertyBasic&) = delete;

  // Keeps the block's pages (already bound to its parameters, in tab
  // order) until AddPages; pages loaded before are dropped.
  void Load(std::vector<SheetPage> pages);
  // Adds the loaded pages and their titles.
  void AddPages();
  // Shows the sheet through the view; Cancel when there is none.
  editor::DialogResult Run();
  // Every page writes its members into the block's parameters.
  void TakeBack();

  // The view's side of a running sheet.
  void Open();
  void ShowPage(size_t index);
  // Checks the created pages in page order (number ranges, then the page's
  // own rules); at the first failure the failing page becomes the active
  // one and the sheet stays open. Otherwise every created page stores and
  // the sheet ends with OK.
  void ClickOk();
  void ClickCancel();
  // Relays kPageNotifyMessage to every created page by posting it.
  void OnMessage(unsigned message, uintptr_t wparam, intptr_t lparam);
  std::optional<editor::DialogResult> end_result() const { return end_result_; }

  const std::string& title() const { return title_; }
  size_t page_count() const { return pages_.size(); }
  editor::PageModel& page(size_t index) const { return *pages_.at(index).page; }
  const std::string& tab_title(size_t index) const { return pages_.at(index).title; }
  size_t active_page() const { return active_page_; }
  editor::EditorView* view() const { return view_; }

 private:
  editor::EditorView* view_;
  std::vector<SheetPage> loaded_;
  std::vector<SheetPage> pages_;
  std::string title_;
  size_t active_page_ = 0;
  std::optional<editor::DialogResult> end_result_;
};

// Edit of a block in one call: loads `pages` (bound to the block's
// parameters) into a sheet, runs it through `view`, and after OK lets every
// page take back. True after OK; after Cancel the parameters are untouched.
bool EditInSheet(editor::EditorView& view, std::vector<SheetPage> pages);

}  // namespace ostrevan
