#include "windows/ui_script.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

namespace ostrevan::windows_testing {

namespace {

UiScript* g_running = nullptr;
constexpr DWORD kTimeLimitMs = 20000;

struct Search {
  int id;
  HWND found;
};

// Controls sit directly on a dialog (a page, a form, the sheet); the parts
// of a compound control (the fields of an IPv4 address) do not count.
bool OnDialog(HWND window) {
  char name[16] = {};
  GetClassNameA(GetParent(window), name, sizeof name);
  return std::string(name) == "#32770";
}

bool VisibleUpTo(HWND window, HWND root) {
  for (HWND at = GetParent(window); at && at != root; at = GetParent(at)) {
    if (!IsWindowVisible(at)) return false;
  }
  return true;
}

BOOL CALLBACK MatchControl(HWND child, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  if (GetDlgCtrlID(child) == search->id && OnDialog(child) &&
      VisibleUpTo(child, GetAncestor(child, GA_ROOT))) {
    search->found = child;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

UiScript& UiScript::Then(Step step) {
  steps_.push_back(std::move(step));
  return *this;
}

void CALLBACK UiScript::Tick(HWND, UINT, UINT_PTR, DWORD) {
  UiScript* self = g_running;
  if (!self || self->busy_) return;
  self->busy_ = true;
  if (self->next_ < self->steps_.size() && self->steps_[self->next_]()) ++self->next_;
  if (self->next_ < self->steps_.size() && GetTickCount() > self->deadline_) {
    ADD_FAILURE() << "step " << self->next_ << " not done in time";
    self->next_ = self->steps_.size();
    for (const char* caption : {"ERR", "Ostrevan", "Phonebook settings", "Phonebook",
                                "Input Password", "message for parameters", "Property"}) {
      if (HWND window = FindDialog(caption)) PostMessageA(window, WM_CLOSE, 0, 0);
    }
  }
  self->busy_ = false;
}

int UiScript::Run(const std::function<int()>& call) {
  g_running = this;
  next_ = 0;
  deadline_ = GetTickCount() + kTimeLimitMs;
  UINT_PTR timer = SetTimer(nullptr, 0, tick_ms_, &Tick);
  int result = call();
  KillTimer(nullptr, timer);
  g_running = nullptr;
  EXPECT_EQ(next_, steps_.size()) << "the call returned before all steps ran";
  return result;
}

UiScript::Step Do(std::function<void()> action) {
  return [action] {
    action();
    return true;
  };
}

UiScript::Step WaitFor(const char* caption, HWND& window) {
  return [caption, &window] { return (window = FindDialog(caption)) != nullptr; };
}

UiScript::Step WaitUntilGone(const char* caption) {
  return [caption] { return FindDialog(caption) == nullptr; };
}

UiScript& AnswerBox(UiScript& script, const char* caption, const std::string& text, int button) {
  auto box = std::make_shared<HWND>();
  return script.Then([caption, box] { return (*box = FindDialog(caption)) != nullptr; })
      .Then([text, button, box] {
        EXPECT_EQ(MessageText(*box), text);
        PostMessageA(*box, WM_COMMAND, button, 0);
        return true;
      })
      .Then(WaitUntilGone(caption));
}

namespace {

struct DialogSearch {
  const std::string* caption;
  HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<DialogSearch*>(context);
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) == "#32770" && IsWindowVisible(window) &&
      TextOf(window) == *search->caption) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

// Only this thread's dialogs: another test program on the same display may
// show a sheet of the same caption at the same time.
HWND FindDialog(const std::string& caption) {
  DialogSearch search{&caption, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), &MatchDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string TextOf(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

HWND FindControl(HWND root, int id) {
  Search search{id, nullptr};
  EnumChildWindows(root, &MatchControl, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<std::string> TabTitles(HWND sheet) {
  HWND tab = FindWindowExA(sheet, nullptr, WC_TABCONTROLA, nullptr);
  std::vector<std::string> titles;
  int count = static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
  for (int index = 0; index < count; ++index) {
    char text[100] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(tab, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
    titles.push_back(text);
  }
  return titles;
}

std::vector<std::string> ComboItems(HWND combo) {
  std::vector<std::string> items;
  int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int index = 0; index < count; ++index) {
    char text[256] = {};
    SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    items.push_back(text);
  }
  return items;
}

int ComboSelection(HWND combo) { return static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0)); }

void SelectItem(HWND root, int id, int index) {
  HWND combo = FindControl(root, id);
  ASSERT_NE(combo, nullptr) << "no control " << id;
  SendMessageA(combo, CB_SETCURSEL, index, 0);
  SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
}

void TypeText(HWND root, int id, const std::string& text) {
  HWND edit = FindControl(root, id);
  ASSERT_NE(edit, nullptr) << "no control " << id;
  SetWindowTextA(edit, text.c_str());  // the edit itself reports EN_CHANGE
}

void PostClick(HWND root, int id) {
  HWND button = FindControl(root, id);
  ASSERT_NE(button, nullptr) << "no control " << id;
  PostMessageA(button, BM_CLICK, 0, 0);
}

void ShowTab(HWND sheet, int index) {
  HWND tab = FindWindowExA(sheet, nullptr, WC_TABCONTROLA, nullptr);
  SendMessageA(tab, TCM_SETCURSEL, index, 0);
  NMHDR header{tab, static_cast<UINT_PTR>(GetDlgCtrlID(tab)), static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageA(sheet, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

std::string MessageText(HWND box) {
  // The message box shows its text in a static with id 0xFFFF.
  HWND text = GetDlgItem(box, 0xFFFF);
  return text ? TextOf(text) : std::string();
}

}  // namespace ostrevan::windows_testing
