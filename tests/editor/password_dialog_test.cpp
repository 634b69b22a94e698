#include <gtest/gtest.h>

#include "editor/password_dialog.h"
#include "support/fake_view.h"

namespace ostrevan::testing {
namespace {

using editor::CPasswordStringDlg;
using editor::DialogResult;
using Dlg = CPasswordStringDlg;

TEST(PasswordDialog, OpensWithAnEmptyFieldAndTheEnablingOfItsFlag) {
  struct Case {
    const char* old_password;
    bool disabled;
    bool check_enabled;
    bool edit_enabled;
  };
  const Case cases[] = {
      {"", true, true, false},
      {"", false, true, true},
      {"secret", true, true, false},
      {"secret", false, false, true},
  };
  for (const Case& c : cases) {
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
      EXPECT_EQ(d.At(Dlg::kDisable).enabled, c.check_enabled) << c.old_password << c.disabled;
      EXPECT_EQ(d.At(Dlg::kPassword).enabled, c.edit_enabled);
      // typing the old password unlocks the check box
      d.UserTypes(Dlg::kPassword, "secret");
      EXPECT_EQ(d.At(Dlg::kDisable).enabled, c.check_enabled || c.old_password[0] != '\0');
    });
    view.RunDialog(dialog);
  }
}

TEST(PasswordDialog, OkRefusesAWrongPasswordWhileEnabled) {
  struct Case {
    const char* old_password;
    bool disabled;
    const char* typed;
    bool toggle;      // click "Disable" before typing
    bool accepted;
  };
  const Case cases[] = {
      {"", false, "", false, true},          // no old password: anything goes
      {"", false, "new one", false, true},
      {"secret", false, "secret", false, true},
      {"secret", false, "Secret", false, false},  // case counts
      {"secret", false, "", false, false},
      {"secret", true, "whatever", false, true},  // disabled: not checked
      {"", true, "abc", true, true},
  };
  for (const Case& c : cases) {
    FakeView view;
    Dlg dialog;
    dialog.Attach(&view);
    dialog.set_password(c.old_password);
    dialog.set_disabled(c.disabled);
    view.dialog_scripts.push_back([&c](editor::DialogModel& d) {
      if (c.toggle) d.UserClicks(Dlg::kDisable);
      d.UserTypes(Dlg::kPassword, c.typed);
      d.UserClicks(editor::kIdOk);
      if (!d.end_result()) d.UserClicks(editor::kIdCancel);
    });
    DialogResult result = view.RunDialog(dialog);
    EXPECT_EQ(result == DialogResult::kOk, c.accepted) << c.old_password << "/" << c.typed;
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

TEST(PasswordDialog, DisableTogglesTheField) {
  FakeView view;
  Dlg dialog;
  dialog.Attach(&view);
  view.dialog_scripts.push_back([](editor::DialogModel& d) {
    d.UserClicks(Dlg::kDisable);
    EXPECT_TRUE(d.At(Dlg::kPassword).enabled);
    d.UserClicks(Dlg::kDisable);
    EXPECT_FALSE(d.At(Dlg::kPassword).enabled);
    d.UserClicks(editor::kIdOk);
  });
  EXPECT_EQ(view.RunDialog(dialog), DialogResult::kOk);
  EXPECT_TRUE(dialog.disabled());
}

}  // namespace
}  // namespace ostrevan::testing
