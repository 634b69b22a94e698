#include "editor/sheet.h"

#include "editor/editor_view.h"

namespace ostrevan {

using editor::DialogResult;
using editor::PageModel;

CPropertyBasic::CPropertyBasic(editor::EditorView* view) : view_(view) {}

CPropertyBasic::~CPropertyBasic() = default;

void CPropertyBasic::Load(std::vector<SheetPage> pages) { loaded_ = std::move(pages); }

void CPropertyBasic::AddPages() {
  for (SheetPage& loaded : loaded_) {
    if (!loaded.page) continue;
    loaded.page->Attach(view_);
    loaded.page->AttachSheet(this);
    pages_.push_back(std::move(loaded));
  }
  loaded_.clear();
}

DialogResult CPropertyBasic::Run() {
  end_result_.reset();
  if (!view_ || pages_.empty()) return DialogResult::kCancel;
  return view_->RunSheet(*this);
}

void CPropertyBasic::TakeBack() {
  for (SheetPage& page : pages_) page.page->TakeBack();
}

void CPropertyBasic::Open() {
  title_ = "Property";
  end_result_.reset();
  if (!pages_.empty()) ShowPage(0);
}

void CPropertyBasic::ShowPage(size_t index) {
  if (index >= pages_.size()) return;
  active_page_ = index;
  pages_[index].page->Create();
}

void CPropertyBasic::ClickOk() {
  for (size_t index = 0; index < pages_.size(); ++index) {
    PageModel& page = *pages_[index].page;
    if (!page.created()) continue;
    // The failing page comes to the front, so that the user sees what to
    // correct; the sheet stays open.
    if (!page.NumbersInRange()) {
      ShowPage(index);
      page.CheckNumberRanges();
      return;
    }
    if (!page.Validate()) {
      ShowPage(index);
      return;
    }
  }
  for (SheetPage& page : pages_) {
    if (page.page->created()) page.page->Store();
  }
  end_result_ = DialogResult::kOk;
}

void CPropertyBasic::ClickCancel() { end_result_ = DialogResult::kCancel; }

void CPropertyBasic::OnMessage(unsigned message, uintptr_t wparam, intptr_t lparam) {
  if (message != kPageNotifyMessage) return;
  for (SheetPage& page : pages_) {
    if (!page.page->created()) continue;
    PageModel* target = page.page.get();
    if (view_) {
      view_->Post([target, wparam, lparam] { target->DeliverPageNotify(wparam, lparam); });
    } else {
      target->DeliverPageNotify(wparam, lparam);
    }
  }
}

bool EditInSheet(editor::EditorView& view, std::vector<SheetPage> pages) {
  CPropertyBasic sheet(&view);
  sheet.Load(std::move(pages));
  sheet.AddPages();
  if (sheet.Run() != DialogResult::kOk) return false;
  sheet.TakeBack();
  return true;
}

}  // namespace ostrevan
