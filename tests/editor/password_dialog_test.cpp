#include <gtest/gtest.h>

#include "editor/password_dialog.h"
#include "support/fake_view.h"

namespace ostrevan::testing {
namespace {

using editor::DialogResult;
using Dlg = editor::CPasswordStringDlg;

// The dialog opens with an empty field; its "Disable" box is locked while a
// password is in force, until the old password is typed. OK checks the typed
// text against the old password unless protection is off.
TEST(PasswordDialog, OpensLockedAndOkRefusesAWrongPasswordWhileEnabled) {
  struct Case {
    const char* old_password;
    bool disabled;
    bool check_enabled, edit_enabled;  // on opening
    bool toggle;                       // click "Disable" before typing
    const char* typed;
    bool accepted;
  };
  const Case cases[] = {
      {"", true, true, false, true, "abc", true},
      {"", false, true, true, false, "new one", true},  // no old password: anything goes
      {"", false, true, true, false, "", true},
      {"secret", true, true, false, false, "whatever", true},  // disabled: not checked
      {"secret", false, false, true, false, "secret", true},
      {"secret", false, false, true, false, "Secret", false},  // case counts
      {"secret", false, false, true, false, "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.old_password) + "/" + c.typed);
    FakeView view;
    Dlg dialog;
    dialog.Attach(&view);
    dialog.set_password(c.old_password);
    dialog.set_disabled(c.disabled);
    view.dialog_scripts.push_back([&c](editor::DialogModel& d) {
      EXPECT_EQ(d.caption(), "Input Password");
      EXPECT_EQ(d.At(editor::LabelId(Dlg::kPassword)).label, "Proction Password:");
      EXPECT_EQ(d.At(Dlg::kPassword).text, "");
      EXPECT_EQ(d.At(Dlg::kPassword).text_limit, 20);
      EXPECT_EQ(d.At(Dlg::kDisable).checked, c.disabled);
      EXPECT_EQ(d.At(Dlg::kDisable).enabled, c.check_enabled);
      EXPECT_EQ(d.At(Dlg::kPassword).enabled, c.edit_enabled);
      if (c.toggle) d.UserClicks(Dlg::kDisable);
      EXPECT_EQ(d.At(Dlg::kPassword).enabled, c.edit_enabled != c.toggle);
      d.UserTypes(Dlg::kPassword, c.typed);
      // the old password unlocks the box
      EXPECT_EQ(d.At(Dlg::kDisable).enabled,
                c.check_enabled || std::string(c.typed) == c.old_password);
      d.UserClicks(editor::kIdOk);
      if (!d.end_result()) d.UserClicks(editor::kIdCancel);
    });
    EXPECT_EQ(view.RunDialog(dialog) == DialogResult::kOk, c.accepted);
    if (c.accepted) {
      EXPECT_TRUE(view.messages.empty());
      EXPECT_EQ(dialog.password(), c.typed);
      EXPECT_EQ(dialog.disabled(), c.disabled != c.toggle);
    } else {
      ASSERT_EQ(view.messages.size(), 1u);
      EXPECT_EQ(view.messages[0], editor::ErrorMessage("The Password is Error!"));
      EXPECT_EQ(view.messages[0].icon, editor::MessageIcon::kError);
    }
  }
}

}  // namespace
}  // namespace ostrevan::testing
