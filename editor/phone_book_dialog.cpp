#include "editor/phone_book_dialog.h"

#include <algorithm>

#include "core/param_text.h"
#include "editor/editor_view.h"

namespace ostrevan::editor {

namespace {

constexpr int kRows = CPhoneBookDialog::kCapacity + 1;  // and the header row

bool RunItemDialog(EditorView* view, const std::string& preset, std::string& address) {
  if (!view) return false;
  CChangePhonebookItemDlg item(preset);
  item.Attach(view);
  if (view->RunDialog(item) != DialogResult::kOk) return false;
  address = item.address();
  return true;
}

}  // namespace

CChangePhonebookItemDlg::CChangePhonebookItemDlg(std::string address)
    : DialogModel(kTemplateId, {200, 60}, "Phonebook settings"), address_(std::move(address)) {
  Add(MakeControl(LabelId(kAddress), ControlKind::kLabel, "Phone Number/eMail", {8, 10, 70, 10}));
  Control& edit = Add(MakeControl(kAddress, ControlKind::kEdit, "", {80, 8, 112, 12}, kStretchRight));
  edit.text_limit = kAddressLimit;
  Add(MakeControl(kIdOk, ControlKind::kButton, "OK", {86, 40, 50, 14}, kStayBottomRight));
  Add(MakeControl(kIdCancel, ControlKind::kButton, "Cancel", {142, 40, 50, 14}, kStayBottomRight));
}

void CChangePhonebookItemDlg::OnInit() {
  SetText(kAddress, address_.substr(0, kAddressLimit));
}

bool CChangePhonebookItemDlg::OnOk() {
  address_ = At(kAddress).text;
  return true;
}

CPhoneBookDialog::CPhoneBookDialog() : DialogModel(kTemplateId, {360, 240}, "Phonebook") {
  Control& grid = Add(MakeControl(kGrid, ControlKind::kGrid, "", {8, 8, 280, 224}, kStretchBoth));
  grid.grid.fixed_rows = 1;
  grid.grid.fixed_columns = 1;
  grid.grid.column_widths = {93, 220};
  grid.grid.row_heights.assign(kRows, 25);
  grid.grid.row_heights[0] = 30;
  grid.grid.cells.assign(kRows, std::vector<std::string>(2));
  struct Button {
    int id;
    const char* label;
  };
  const Button buttons[] = {{kAdd, "Add"},     {kEdit, "Edit"}, {kDelete, "Delete"},
                            {kWrite, "Write"}, {kRead, "Read"}, {kIdOk, "OK"},
                            {kIdCancel, "Cancel"}};
  int y = 8;
  for (const Button& button : buttons) {
    Add(MakeControl(button.id, ControlKind::kButton, button.label, {298, y, 54, 14},
                    {{100, 0}, {100, 0}}));
    y += 20;
  }
}

void CPhoneBookDialog::OnInit() { FillGrid(); }

void CPhoneBookDialog::FillGrid() {
  Grid& grid = MutableGrid(kGrid);
  grid.cells[0] = {"Number", "Phone Number/eMail"};
  for (int row = 1; row < kRows; ++row) {
    grid.cells[row] = {Format("%02d", row), entries_[row - 1].address};
  }
}

void CPhoneBookDialog::OnClicked(int id) {
  switch (id) {
    case kAdd: AddEntry(); break;
    case kEdit: EditEntry(); break;
    case kDelete: DeleteEntry(); break;
    default: break;
  }
}

void CPhoneBookDialog::OnDoubleClicked(int id) {
  if (id == kGrid) EditEntry();
}

int CPhoneBookDialog::FirstFreeEntry() const {
  for (int i = 0; i < kCapacity; ++i) {
    if (entries_[i].address.empty()) return i;
  }
  return -1;
}

void CPhoneBookDialog::AddEntry() {
  if (FirstFreeEntry() < 0) {
    ShowMessage(ErrorMessage("Out of range!"));
    return;
  }
  std::string address;
  if (!RunItemDialog(view(), "", address) || address.empty()) return;
  int free = FirstFreeEntry();
  if (free >= 0) entries_[free] = PhoneBookEntry{"", address, ""};
  FillGrid();
}

void CPhoneBookDialog::EditEntry() {
  int row = At(kGrid).grid.focus_row;
  if (row < 1 || row > kCapacity) return;
  std::string address;
  if (!RunItemDialog(view(), entries_[row - 1].address, address)) return;
  entries_[row - 1] = PhoneBookEntry{"", address, ""};
  FillGrid();
}

void CPhoneBookDialog::DeleteEntry() {
  auto used = std::count_if(entries_.begin(), entries_.begin() + kCapacity,
                            [](const PhoneBookEntry& e) { return !e.address.empty(); });
  if (used <= 1) {
    ShowMessage(ErrorMessage(
        "Not possible to delete this entry. There must be at least one entry in the phone book!"));
    return;
  }
  const Grid& grid = At(kGrid).grid;
  if (grid.focus_row < 0) {
    ShowMessage(ErrorMessage("Must select one record"));
    return;
  }
  // The row as the grid shows it, header included.
  std::string number = grid.cells[grid.focus_row][0];
  std::string address = grid.cells[grid.focus_row][1];
  MessageAnswer answer = ShowMessage(
      Confirmation(Format("Delete [%s],[%s] ?", number.c_str(), address.c_str())));
  if (answer != MessageAnswer::kYes) return;
  for (int i = 0; i < kCapacity; ++i) {
    if (entries_[i].address == address) {
      entries_[i] = PhoneBookEntry{};
      break;
    }
  }
  FillGrid();
}

bool EditPhoneBook(PhoneBook& book, EditorView& view) {
  CPhoneBookDialog dialog;
  dialog.Attach(&view);
  dialog.entries() = book.entries();
  if (view.RunDialog(dialog) != DialogResult::kOk) return false;
  std::copy_n(dialog.entries().begin(), CPhoneBookDialog::kCapacity, book.entries().begin());
  return true;
}

}  // namespace ostrevan::editor
