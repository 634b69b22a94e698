// The Publish block's "Params" page: a grid of the used publish items with
// Add, Edit and Delete, which go through the "MQTT item" dialog.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "blocks/mqtt/mqtt_write_entity.h"
#include "editor/page.h"

namespace ostrevan {

namespace editor {
class EditorView;
}

class CPropertyMqttWrite : public editor::PageModel {
 public:
  static constexpr int kTemplateId = 4647;
  static constexpr int kGrid = 2401;
  static constexpr int kAdd = 2402;
  static constexpr int kEdit = 2403;
  static constexpr int kDelete = 2404;
  static constexpr int kMaxItems = static_cast<int>(kPublishItemsCoded);

  explicit CPropertyMqttWrite(MqttPublishParams& params);

  void TakeBack() override;

  // Rows are 20 pixels high, or as high as a horizontal scroll bar and 2
  // more when that is 20 or more.
  static constexpr int RowHeight(int scroll_bar_height) {
    return scroll_bar_height >= 20 ? scroll_bar_height + 2 : 20;
  }

 protected:
  void OnInit() override;
  void OnClicked(int id) override;
  void OnDoubleClicked(int id) override;

 private:
  void FillGrid();
  void AddItem();
  void EditItem();
  void DeleteItem();
  // The slot of the selected data row, or nothing selected: -1.
  int SelectedSlot() const;
  // Runs the item dialog on `item`; true after OK.
  bool RunItemDialog(PublishItem& item);

  MqttPublishParams* params_;
  std::array<PublishItem, kPublishSlots> items_;
  std::vector<size_t> row_slots_;  // the slot of each data row
};

// Runs the sheet with the "Comm" and "Params" pages of the Publish block;
// true after OK with `params` taken back.
bool EditMqttPublish(MqttPublishParams& params, editor::EditorView& view);

}  // namespace ostrevan
