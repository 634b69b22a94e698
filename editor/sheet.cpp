#include "editor/sheet.h"

#include "editor/editor_view.h"

namespace ostrevan {

using editor::DialogResult;
using editor::PageModel;

std::vector<std::string> TabTitles(BlockSlot slot) {
  switch (slot) {
    case BlockSlot::kMqttRead:
    case BlockSlot::kMqttWrite: return {"Comm", "Params"};
    case BlockSlot::kSmsOut: return {"Params", "Call"};
    case BlockSlot::kMail: return {"Params", "Attachment"};
    default: return {"Params"};
  }
}

CPropertyBasic::CPropertyBasic(editor::EditorView* view) : view_(view) {}

CPropertyBasic::~CPropertyBasic() = default;

void CPropertyBasic::Load(BlockSlot slot, std::vector<std::unique_ptr<PageModel>> pages) {
  slots_.fill(false);
  for (auto& loaded : loaded_) loaded.clear();
  size_t index = static_cast<size_t>(slot);
  slots_[index] = true;
  loaded_[index] = std::move(pages);
}

void CPropertyBasic::AddPages() {
  for (size_t index = 0; index < kBlockSlotCount; ++index) {
    if (!slots_[index]) continue;
    std::vector<std::string> titles = TabTitles(static_cast<BlockSlot>(index));
    std::vector<std::unique_ptr<PageModel>>& pages = loaded_[index];
    for (size_t i = 0; i < pages.size() && i < titles.size(); ++i) {
      pages[i]->Attach(view_);
      pages_.push_back(std::move(pages[i]));
      titles_.push_back(titles[i]);
    }
    pages.clear();
    return;
  }
}

DialogResult CPropertyBasic::Run() {
  end_result_.reset();
  if (!view_ || pages_.empty()) return DialogResult::kCancel;
  return view_->RunSheet(*this);
}

void CPropertyBasic::TakeBack() {
  for (auto& page : pages_) page->TakeBack();
}

void CPropertyBasic::Open() {
  title_ = "Property";
  end_result_.reset();
  if (!pages_.empty()) ShowPage(0);
}

void CPropertyBasic::ShowPage(size_t index) {
  if (index >= pages_.size()) return;
  active_page_ = index;
  pages_[index]->Create();
}

void CPropertyBasic::ClickOk() {
  for (auto& page : pages_) {
    if (page->created() && !page->Validate()) return;
  }
  for (auto& page : pages_) {
    if (page->created()) page->Store();
  }
  end_result_ = DialogResult::kOk;
}

void CPropertyBasic::ClickCancel() { end_result_ = DialogResult::kCancel; }

void CPropertyBasic::OnMessage(unsigned message, uintptr_t wparam, intptr_t lparam) {
  if (message != kPageNotifyMessage) return;
  for (auto& page : pages_) {
    if (!page->created()) continue;
    PageModel* target = page.get();
    if (view_) {
      view_->Post([target, wparam, lparam] { target->OnPageNotify(wparam, lparam); });
    } else {
      target->OnPageNotify(wparam, lparam);
    }
  }
}

}  // namespace ostrevan

namespace ostrevan {

bool EditInSheet(editor::EditorView& view, BlockSlot slot,
                 std::vector<std::unique_ptr<editor::PageModel>> pages) {
  CPropertyBasic sheet(&view);
  sheet.Load(slot, std::move(pages));
  sheet.AddPages();
  if (sheet.Run() != editor::DialogResult::kOk) return false;
  sheet.TakeBack();
  return true;
}

}  // namespace ostrevan
