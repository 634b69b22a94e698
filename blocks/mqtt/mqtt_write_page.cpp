#include "blocks/mqtt/mqtt_write_page.h"

#include <memory>
#include <string>

#include "blocks/mqtt/mqtt_comm_page.h"
#include "blocks/mqtt/mqtt_item_dialog.h"
#include "core/operand.h"
#include "core/param_text.h"
#include "editor/editor_view.h"
#include "editor/sheet.h"

namespace ostrevan {

using editor::ControlKind;
using editor::MakeControl;

namespace {

constexpr int kBoolFormat = 5;

bool Shown(const PublishItem& item) { return item.area >= 0 && item.count > 0; }

// What a new item starts as, and what a freed slot becomes (with count 0).
PublishItem NewItem(int count) {
  PublishItem item;
  item.comment.clear();
  item.description.clear();
  item.area = 176;
  item.bit = 0;
  item.index = 0;
  item.count = count;
  item.format = kBoolFormat;
  item.length = 0;
  return item;
}

std::vector<std::string> RowOf(const PublishItem& item) {
  std::string format = IsBitArea(item.area) ? "BOOL" : TypeNameFor(item.area, item.format);
  return {item.comment, FormatOperand(item.area, item.index), std::to_string(item.count), format,
          item.description};
}

}  // namespace

CPropertyMqttWrite::CPropertyMqttWrite(MqttPublishParams& params)
    : PageModel(kTemplateId, {330, 170}), params_(&params), items_(params.items) {
  editor::Control& grid =
      Add(MakeControl(kGrid, ControlKind::kGrid, "", {8, 8, 256, 154}, editor::kStretchBoth));
  grid.grid.fixed_rows = 1;
  grid.grid.column_widths = {80, 100, 70, 110, 70};
  grid.grid.select_rows = true;
  const editor::Anchors stay_right{{100, 0}, {100, 0}};
  Add(MakeControl(kAdd, ControlKind::kButton, "Add", {270, 8, 52, 14}, stay_right));
  Add(MakeControl(kEdit, ControlKind::kButton, "Edit", {270, 28, 52, 14}, stay_right));
  Add(MakeControl(kDelete, ControlKind::kButton, "Delete", {270, 48, 52, 14}, stay_right));
}

void CPropertyMqttWrite::OnInit() { FillGrid(); }

void CPropertyMqttWrite::FillGrid() {
  row_slots_.clear();
  for (size_t slot = 0; slot < items_.size(); ++slot) {
    if (Shown(items_[slot])) row_slots_.push_back(slot);
  }
  const int row_height = RowHeight(view() ? view()->HorizontalScrollBarHeight() : 0);
  editor::Grid& grid = MutableGrid(kGrid);
  grid.cells.assign(1, {"Comment", "Register", "count", "Format", "Description"});
  for (size_t slot : row_slots_) grid.cells.push_back(RowOf(items_[slot]));
  grid.row_heights.assign(grid.cells.size(), row_height);
  if (grid.focus_row >= grid.rows()) grid.focus_row = grid.focus_column = -1;
}

void CPropertyMqttWrite::OnClicked(int id) {
  switch (id) {
    case kAdd: AddItem(); break;
    case kEdit: EditItem(); break;
    case kDelete: DeleteItem(); break;
    default: break;
  }
}

void CPropertyMqttWrite::OnDoubleClicked(int id) {
  if (id == kGrid) EditItem();
}

int CPropertyMqttWrite::SelectedSlot() const {
  int row = At(kGrid).grid.focus_row;
  if (row < 1 || row > static_cast<int>(row_slots_.size())) return -1;
  return static_cast<int>(row_slots_[static_cast<size_t>(row - 1)]);
}

bool CPropertyMqttWrite::RunItemDialog(PublishItem& item) {
  if (!view()) return false;
  CMqttWriteItemDialog dialog(item);
  dialog.Attach(view());
  return view()->RunDialog(dialog) == editor::DialogResult::kOk;
}

void CPropertyMqttWrite::AddItem() {
  if (static_cast<int>(row_slots_.size()) >= kMaxItems) return;
  // Into the slot behind the last item shown.
  size_t slot = row_slots_.empty() ? 0 : row_slots_.back() + 1;
  if (slot >= items_.size()) return;
  PublishItem item = NewItem(1);
  if (!RunItemDialog(item)) return;
  items_[slot] = item;
  FillGrid();
}

void CPropertyMqttWrite::EditItem() {
  int slot = SelectedSlot();
  if (slot < 0) return;
  PublishItem item = items_[static_cast<size_t>(slot)];
  if (!RunItemDialog(item)) return;
  items_[static_cast<size_t>(slot)] = item;
  FillGrid();
}

void CPropertyMqttWrite::DeleteItem() {
  int slot = SelectedSlot();
  if (slot < 0) {
    ShowMessage(editor::ErrorMessage("Please select the recorder you want to delete."));
    return;
  }
  const std::vector<std::string>& row = At(kGrid).grid.cells[static_cast<size_t>(
      At(kGrid).grid.focus_row)];
  std::string question = Format("Delete [%s - %s] ?", row[0].c_str(), row[3].c_str());
  if (ShowMessage(editor::Confirmation(question)) != editor::MessageAnswer::kYes) return;
  for (size_t i = static_cast<size_t>(slot); i + 1 < items_.size(); ++i) items_[i] = items_[i + 1];
  items_.back() = NewItem(0);
  FillGrid();
}

void CPropertyMqttWrite::TakeBack() { params_->items = items_; }

bool EditMqttPublish(MqttPublishParams& params, editor::EditorView& view) {
  std::vector<SheetPage> pages;
  pages.push_back({"Comm", std::make_unique<CPropertyMqttComm>(params)});
  pages.push_back({"Params", std::make_unique<CPropertyMqttWrite>(params)});
  return EditInSheet(view, std::move(pages));
}

}  // namespace ostrevan
