#include "editor/editor_view.h"

namespace ostrevan::editor {

namespace {

EditorView* installed_view = nullptr;

}  // namespace

EditorView* ActiveView() { return installed_view ? installed_view : PlatformView(); }

ScopedView::ScopedView(EditorView* view) : previous_(installed_view) { installed_view = view; }

ScopedView::~ScopedView() { installed_view = previous_; }

}  // namespace ostrevan::editor
