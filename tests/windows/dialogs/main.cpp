// Runs the dialog tests, or with "--show password|phonebook|message|wmessage|mqtt-item"
// just opens that dialog with sample contents until it is closed (for the
// screenshots of scripts/screenshots.sh).
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "blocks/messaging/message_params_dialog.h"
#include "blocks/mqtt/mqtt_item_dialog.h"
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
  if (which == "message" || which == "wmessage") {
    const bool ucs2 = which == "wmessage";
    // The screen field of the parameter text, from rows of text.
    std::string field;
    using Rows = std::vector<std::string>;
    for (std::string row : ucs2 ? Rows{"Niveau cuve:", "", "D\xE9" "bit:"}
                                : Rows{"Tank level:", "", "Alarm at pump 2", "Motor on:"}) {
      row.resize(20, ' ');
      for (char c : row) field += ucs2 ? std::string{c, ','} : std::string(1, c == ' ' ? ',' : c);
    }
    const std::string groups =
        ucs2 ? "[0,-1,255,0,20,0,0][3,-1,0,0,20,0,0][178,4,0,8,7,2,0]"
             : "[161,10,0,12,7,1,0][3,-1,0,0,20,0,0][0,-1,255,0,20,0,0][167,13,0,12,4,0,0]";
    SmsOutputParams params = ParseSmsOutputText(std::string("A:0,") + (ucs2 ? "3" : "0") +
                                                ",1,0,8,0,0,0,0,B:,C:,D:,E:,F:,G:" + field +
                                                ",H:" + groups);
    std::unique_ptr<MessageParamsDialog> dialog = std::make_unique<CSmsMessageParamsDialog>();
    if (ucs2) dialog = std::make_unique<CWSmsMessageParamsDialog>();
    dialog->Attach(view);
    dialog->Load(params);
    view->RunDialog(*dialog);
    return 0;
  }
  if (which == "mqtt-item") {
    PublishItem item{"Flow", "m3h", 162 /* VD */, 0, 20, 2, 4 /* FLOAT */};
    CMqttWriteItemDialog dialog(item);
    dialog.Attach(view);
    view->RunDialog(dialog);
    return 0;
  }
  fprintf(stderr, "--show password|phonebook|message|wmessage|mqtt-item\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--show") == 0) return Show(argv[2]);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
