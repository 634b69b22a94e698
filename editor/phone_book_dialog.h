// "Phonebook": a grid of the first 50 receivers with Add, Edit and Delete,
// and "Phonebook settings", the editor of one receiver.
#pragma once

#include <string>

#include "core/phone_book.h"
#include "editor/dialog.h"

namespace ostrevan::editor {

class EditorView;

class CChangePhonebookItemDlg : public DialogModel {
 public:
  static constexpr int kTemplateId = 4703;
  static constexpr int kAddress = 1001;
  static constexpr int kAddressLimit = 49;

  explicit CChangePhonebookItemDlg(std::string address);
  const std::string& address() const { return address_; }

 protected:
  void OnInit() override;
  bool OnOk() override;

 private:
  std::string address_;
};

class CPhoneBookDialog : public DialogModel {
 public:
  static constexpr int kTemplateId = 4702;
  static constexpr int kGrid = 1100;
  static constexpr int kAdd = 1101;
  static constexpr int kEdit = 1102;
  static constexpr int kDelete = 1103;
  static constexpr int kWrite = 1104;  // shown, without an action
  static constexpr int kRead = 1105;   // shown, without an action
  static constexpr int kCapacity = 50;

  CPhoneBookDialog();

  PhoneBook::Entries& entries() { return entries_; }
  const PhoneBook::Entries& entries() const { return entries_; }

 protected:
  void OnInit() override;
  void OnClicked(int id) override;
  void OnDoubleClicked(int id) override;

 private:
  void FillGrid();
  void AddEntry();
  void EditEntry();
  void DeleteEntry();
  int FirstFreeEntry() const;

  PhoneBook::Entries entries_;
};

// The "Phonebook" button of a page: shows all entries of `book`; after OK
// the first 50 come back (the others keep theirs). True after OK.
bool EditPhoneBook(PhoneBook& book, EditorView& view);

}  // namespace ostrevan::editor
