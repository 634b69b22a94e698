// Builds without a window toolkit have no view: editing is not offered.
#include "editor/editor_view.h"

namespace ostrevan::editor {

EditorView* PlatformView() { return nullptr; }

}  // namespace ostrevan::editor
