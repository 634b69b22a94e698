// One control of a form as the view shows it: its id, kind, texts, items,
// state, limits, tooltip, and where it sits and how it follows a resize.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editor/screen_control.h"

namespace ostrevan::editor {

// Places and sizes are in dialog units of the form's template.
struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

struct Size {
  int width = 0;
  int height = 0;
};

// How far a corner of the control moves when the form grows: a percentage
// of the growth in x and in y. Top-left and bottom-right anchors of
// {0,0},{100,0} stretch a control horizontally; {100,100},{100,100} keep it
// in the bottom-right corner.
struct Anchor {
  int x_percent = 0;
  int y_percent = 0;
};

struct Anchors {
  Anchor top_left;
  Anchor bottom_right;
};

constexpr Anchors kStayTopLeft{{0, 0}, {0, 0}};
constexpr Anchors kStretchRight{{0, 0}, {100, 0}};
constexpr Anchors kStretchBoth{{0, 0}, {100, 100}};
constexpr Anchors kStayBottomRight{{100, 100}, {100, 100}};

enum class ControlKind {
  kLabel,        // static text; `label` is what it shows
  kFrame,        // static that only lends its rectangle (to a child form)
  kGroupBox,
  kEdit,         // free text; `text_limit` characters at most when above 0;
                 // `multi_line`: Enter starts a new line instead of pressing OK
  kNumberEdit,   // integer text; the sheet's OK checks it against `range`
  kDropList,     // drop-down list: `items`, `selection` (-1 none)
  kCheckBox,     // `label`, `checked`
  kRadio,        // `label`, `checked`; one checked per `group`; the arrow keys
                 // move among the radios of one group only
  kButton,       // `label`
  kIpAddress,    // "%d.%d.%d.%d" in `text`
  kGrid,         // `grid`
  kScreen,       // `screen`: character cells with a caret (message text editor)
  kImageButton,  // a push button showing the picture that `label` names
};

struct NumberRange {
  long min = 0;
  long max = 0;
};

// A grid of fixed header rows/columns and text cells. Sizes are in pixels,
// as the grid lays them out.
struct Grid {
  int fixed_rows = 0;
  int fixed_columns = 0;
  std::vector<int> column_widths;
  std::vector<int> row_heights;
  std::vector<std::vector<std::string>> cells;  // [row][column]
  int focus_row = -1;                            // -1: no cell focused
  int focus_column = -1;
  bool select_rows = false;                      // the focused cell's whole row is highlighted

  int rows() const { return static_cast<int>(cells.size()); }
  int columns() const { return cells.empty() ? 0 : static_cast<int>(cells.front().size()); }
};

struct Control {
  int id = 0;
  ControlKind kind = ControlKind::kLabel;
  std::string label;                 // caption of labels, buttons, check boxes
  std::vector<std::string> items;    // drop-down lists
  int selection = -1;                // drop-down lists
  std::string text;                  // edits, IPv4 fields
  bool checked = false;              // check boxes, radios
  int group = 0;                     // radios of one group exclude each other
  bool enabled = true;
  bool visible = true;
  bool read_only = false;
  int text_limit = 0;                // characters; 0 for no limit
  bool multi_line = false;           // edits
  int caret = -1;                    // edits: where the model last put the caret
                                     // (-1: where the user left it)
  std::optional<NumberRange> range;  // number edits
  bool spin = false;                 // number edits with a spin beside them
  std::string tooltip;               // " <br>" breaks lines
  int tooltip_ms = 0;                // how long the tooltip stays up
  Rect rect;
  Anchors anchors = kStayTopLeft;
  Grid grid;                         // grids only
  ScreenSurface screen;              // screens only

  // The selected item's text, or empty without a selection.
  std::string SelectedText() const {
    return selection >= 0 && selection < static_cast<int>(items.size()) ? items[selection]
                                                                        : std::string();
  }
};

// A control with the fields every control has; the rest keep their defaults.
inline Control MakeControl(int id, ControlKind kind, std::string label, Rect rect,
                           Anchors anchors = kStayTopLeft) {
  Control control;
  control.id = id;
  control.kind = kind;
  control.label = std::move(label);
  control.rect = rect;
  control.anchors = anchors;
  return control;
}

// Labels that rules enable or hide with their control get an id of their own.
constexpr int LabelId(int control_id) { return 20000 + control_id; }

// The framework's ids of the OK and Cancel buttons.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;

}  // namespace ostrevan::editor
