// Runs the dialog tests, or with "--show password" / "--show phonebook"
// just opens that dialog with sample contents until it is closed (for the
// screenshots of scripts/screenshots.sh).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "editor/editor_view.h"
#include "editor/password_dialog.h"
#include "editor/phone_book_dialog.h"

namespace {

int Show(const std::string& which) {
  using namespace ostrevan;
  editor::EditorView* view = editor::PlatformView();
  if (which == "password") {
    editor::CPasswordStringDlg dialog;
    dialog.Attach(view);
    dialog.set_password("secret");
    dialog.set_disabled(false);
    view->RunDialog(dialog);
    return 0;
  }
  if (which == "phonebook") {
    PhoneBook book;
    const char* samples[] = {"+41791234567", "service@example.org", "+41447654321",
                             "alarm@plant.example.com"};
    for (const char* sample : samples) book.Add(sample);
    editor::EditPhoneBook(book, *view);
    return 0;
  }
  fprintf(stderr, "--show password|phonebook\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--show") == 0) return Show(argv[2]);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
