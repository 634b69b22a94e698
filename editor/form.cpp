#include "editor/form.h"

#include <algorithm>
#include <stdexcept>

#include "editor/editor_view.h"

namespace ostrevan::editor {

FormModel::FormModel(int template_id, Size size) : template_id_(template_id), size_(size) {}

FormModel::~FormModel() = default;

const Control* FormModel::Find(int id) const {
  for (const Control& control : controls_) {
    if (control.id == id) return &control;
  }
  return nullptr;
}

const Control& FormModel::At(int id) const {
  const Control* control = Find(id);
  if (!control) throw std::out_of_range("no control with this id");
  return *control;
}

Control& FormModel::Mutable(int id) { return const_cast<Control&>(At(id)); }

FormModel* FormModel::ChildIn(int frame_id) const {
  for (const ChildSlot& slot : children_) {
    if (slot.frame_id == frame_id) return slot.form.get();
  }
  return nullptr;
}

void FormModel::Attach(EditorView* view) {
  view_ = view;
  for (ChildSlot& slot : children_) {
    if (slot.form) slot.form->Attach(view);
  }
}

void FormModel::UserSelects(int id, int index) {
  Control& control = Mutable(id);
  control.selection = index >= 0 && index < static_cast<int>(control.items.size()) ? index : -1;
  OnSelectionChanged(id);
  ReportChanges();
}

void FormModel::UserTypes(int id, const std::string& text) {
  Control& control = Mutable(id);
  control.text = control.text_limit > 0 ? text.substr(0, control.text_limit) : text;
  control.caret = -1;  // the user's own
  OnTextChanged(id);
  ReportChanges();
}

void FormModel::UserClicks(int id) {
  Control& control = Mutable(id);
  if (control.kind == ControlKind::kCheckBox) control.checked = !control.checked;
  if (control.kind == ControlKind::kRadio) {
    for (Control& other : controls_) {
      if (other.kind == ControlKind::kRadio && other.group == control.group && other.checked &&
          other.id != id) {
        other.checked = false;
        MarkChanged(other.id);
      }
    }
    control.checked = true;
  }
  if (!PreClick(id)) OnClicked(id);
  ReportChanges();
}

void FormModel::UserFocusesCell(int id, int row, int column) {
  Grid& grid = Mutable(id).grid;
  bool inside = row >= 0 && row < grid.rows() && column >= 0 && column < grid.columns();
  grid.focus_row = inside ? row : -1;
  grid.focus_column = inside ? column : -1;
}

void FormModel::UserDoubleClicks(int id) {
  (void)At(id);
  OnDoubleClicked(id);
  ReportChanges();
}

namespace {

// A whole integer: optional blanks, an optional sign, digits, optional blanks.
bool ReadInteger(const std::string& text, long long& value) {
  size_t at = text.find_first_not_of(" \t");
  if (at == std::string::npos) return false;
  size_t end = text.find_last_not_of(" \t") + 1;
  std::string digits = text.substr(at, end - at);
  size_t first_digit = digits[0] == '-' || digits[0] == '+' ? 1 : 0;
  if (first_digit == digits.size() || digits.size() > 11) return false;
  if (digits.find_first_not_of("0123456789", first_digit) != std::string::npos) return false;
  value = std::stoll(digits);  // at most 11 digits: no overflow
  return true;
}

bool OutOfRange(const Control& control) {
  if (control.kind != ControlKind::kNumberEdit || !control.range) return false;
  long long value = 0;
  return !ReadInteger(control.text, value) || value < control.range->min ||
         value > control.range->max;
}

}  // namespace

FormModel* FormModel::FirstOutOfRange(int& id) {
  for (const Control& control : controls_) {
    if (!OutOfRange(control)) continue;
    id = control.id;
    return this;
  }
  for (ChildSlot& slot : children_) {
    if (!slot.form) continue;
    if (FormModel* form = slot.form->FirstOutOfRange(id)) return form;
  }
  return nullptr;
}

bool FormModel::NumbersInRange() {
  int id = 0;
  return FirstOutOfRange(id) == nullptr;
}

bool FormModel::CheckNumberRanges() {
  int id = 0;
  FormModel* form = FirstOutOfRange(id);
  if (!form) return true;
  const NumberRange range = *form->At(id).range;
  form->ShowMessage(RangeMessage(range.min, range.max));
  form->Focus(id);
  return false;
}

void FormModel::UserScreenInput(int id, const ScreenInput& input) {
  (void)At(id);
  OnScreenInput(id, input);
  ReportChanges();
}

Control& FormModel::Add(Control control) {
  controls_.push_back(std::move(control));
  return controls_.back();
}

void FormModel::SetText(int id, std::string text) {
  Mutable(id).text = std::move(text);
  MarkChanged(id);
}

void FormModel::MoveCaretToEnd(int id) {
  Control& control = Mutable(id);
  control.caret = static_cast<int>(control.text.size());
  MarkChanged(id);
}

void FormModel::SetLabel(int id, std::string label) {
  Mutable(id).label = std::move(label);
  MarkChanged(id);
}

void FormModel::SetTextLimit(int id, int limit) {
  Mutable(id).text_limit = limit > 0 ? limit : 0;
  MarkChanged(id);
}

void FormModel::SetRange(int id, NumberRange range) {
  Mutable(id).range = range;
  MarkChanged(id);
}

void FormModel::SetItems(int id, std::vector<std::string> items) {
  Control& control = Mutable(id);
  control.items = std::move(items);
  control.selection = -1;
  MarkChanged(id);
}

void FormModel::Select(int id, int index) {
  Control& control = Mutable(id);
  control.selection = index >= 0 && index < static_cast<int>(control.items.size()) ? index : -1;
  MarkChanged(id);
}

void FormModel::SetChecked(int id, bool checked) {
  Mutable(id).checked = checked;
  MarkChanged(id);
}

void FormModel::Enable(int id, bool enabled) {
  Mutable(id).enabled = enabled;
  MarkChanged(id);
}

void FormModel::ShowControl(int id, bool visible) {
  Mutable(id).visible = visible;
  MarkChanged(id);
}

void FormModel::SetTooltip(int id, std::string text, int milliseconds) {
  Control& control = Mutable(id);
  control.tooltip = std::move(text);
  control.tooltip_ms = milliseconds;
  MarkChanged(id);
}

Grid& FormModel::MutableGrid(int id) {
  MarkChanged(id);
  return Mutable(id).grid;
}

ScreenSurface& FormModel::MutableScreen(int id) {
  MarkChanged(id);
  return Mutable(id).screen;
}

void FormModel::SetChild(int frame_id, std::unique_ptr<FormModel> child) {
  (void)At(frame_id);
  if (child) child->Attach(view_);
  auto slot = std::find_if(children_.begin(), children_.end(),
                           [frame_id](const ChildSlot& s) { return s.frame_id == frame_id; });
  if (slot == children_.end()) slot = children_.insert(children_.end(), ChildSlot{frame_id, nullptr});
  std::unique_ptr<FormModel> old = std::move(slot->form);
  slot->form = std::move(child);
  MarkChanged(frame_id);
  ReportChanges();  // the view lets go of the old child before it is destroyed
}

MessageAnswer FormModel::ShowMessage(const MessageBox& box) {
  ReportChanges();
  if (view_) return view_->ShowMessage(box);
  return box.buttons == MessageButtons::kYesNo ? MessageAnswer::kNo : MessageAnswer::kCancel;
}

void FormModel::Post(std::function<void()> task) {
  if (view_) view_->Post(std::move(task));
}

void FormModel::PostPrivate(uintptr_t wparam) {
  Post([this, wparam] {
    OnPrivateMessage(wparam);
    ReportChanges();
  });
}

void FormModel::Focus(int id) {
  (void)At(id);
  ReportChanges();
  if (view_) view_->Focus(*this, id);
}

void FormModel::ReportChanges() {
  if (changed_.empty()) return;
  std::vector<int> changed;
  changed.swap(changed_);
  if (view_) view_->Refresh(*this, changed);
}

void FormModel::MarkChanged(int id) {
  if (std::find(changed_.begin(), changed_.end(), id) == changed_.end()) changed_.push_back(id);
}

}  // namespace ostrevan::editor
