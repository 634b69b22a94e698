#include "windows/ui_script.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace ostrevan::windows_testing {

namespace {

UiScript* g_running = nullptr;
constexpr DWORD kTimeLimitMs = 20000;

bool HasClass(HWND window, const char* name) {
  char found[32] = {};
  GetClassNameA(window, found, sizeof found);
  return lstrcmpiA(found, name) == 0;
}

struct Search {
  int id;
  const char* caption;
  HWND found;
};

// Controls sit directly on a dialog (a page, a form, the sheet) whose
// windows up to the top are visible; the parts of a compound control (the
// fields of an IPv4 address) do not count.
BOOL CALLBACK MatchControl(HWND child, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  if (GetDlgCtrlID(child) != search->id || !HasClass(GetParent(child), "#32770")) return TRUE;
  HWND root = GetAncestor(child, GA_ROOT);
  for (HWND at = GetParent(child); at && at != root; at = GetParent(at)) {
    if (!IsWindowVisible(at)) return TRUE;
  }
  search->found = child;
  return FALSE;
}

BOOL CALLBACK MatchDialog(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  if (!HasClass(window, "#32770") || !IsWindowVisible(window) ||
      (search->caption && TextOf(window) != search->caption))
    return TRUE;
  search->found = window;
  return FALSE;
}

WPARAM KeyOf(char c) {
  return c == '\v' ? VK_DOWN : c == '\b' ? VK_BACK : c == '\n' ? VK_RETURN
         : c == '\x1b' ? VK_ESCAPE : 0;
}

// Does `act` in `at`; the sheet's tab control and a combo box are told of
// their change as a user's change tells them.
void Play(const Act& act, HWND at) {
  HWND control = act.id ? FindControl(at, act.id) : GetFocus();
  if (act.kind != Act::kFocused && act.kind != Act::kTab && act.kind != Act::kCheck) {
    ASSERT_NE(control, nullptr) << "no control " << act.id;
  }
  const LPARAM point = MAKELPARAM(act.x, act.y);
  switch (act.kind) {
    case Act::kChoose:
      SendMessageA(control, CB_SETCURSEL, act.x, 0);
      SendMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(act.id, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(control));
      return;
    case Act::kType: SetWindowTextA(control, act.text.c_str()); return;  // reports EN_CHANGE
    case Act::kKeys:
      SetFocus(control);
      for (char c : act.text) {
        if (WPARAM key = KeyOf(c)) {
          PostMessageA(control, WM_KEYDOWN, key, 1);
          PostMessageA(control, WM_KEYUP, key, 0xC0000001);
        } else {
          PostMessageA(control, WM_CHAR, static_cast<BYTE>(c), 1);
        }
      }
      return;
    case Act::kClick: PostMessageA(control, BM_CLICK, 0, 0); return;
    case Act::kGrid:
      SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, point);
      SendMessageA(control, WM_LBUTTONUP, 0, point);
      return;
    case Act::kGridTwice: PostMessageA(control, WM_LBUTTONDBLCLK, MK_LBUTTON, point); return;
    case Act::kTab: {
      HWND tab = FindWindowExA(at, nullptr, WC_TABCONTROLA, nullptr);
      SendMessageA(tab, TCM_SETCURSEL, act.x, 0);
      NMHDR header{tab, static_cast<UINT_PTR>(GetDlgCtrlID(tab)), static_cast<UINT>(TCN_SELCHANGE)};
      SendMessageA(at, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
      return;
    }
    case Act::kText: EXPECT_EQ(TextOf(control), act.text) << act.id; return;
    case Act::kFocused: EXPECT_EQ(GetFocus(), control) << act.id; return;
    case Act::kCheck: act.check(at); return;
    default: return;  // kShown: found
  }
}

}  // namespace

UiScript& UiScript::Then(Step step) {
  steps_.push_back(std::move(step));
  quick_.push_back(false);
  return *this;
}

UiScript& UiScript::Then(const std::vector<Act>& acts) {
  for (const Act& act : acts) {
    if (act.kind == Act::kError || act.kind == Act::kAsk) {
      const char* caption = act.kind == Act::kError ? "ERR" : "Ostrevan";
      Then({Wait(caption), Text(kMessageText, act.text), Click(act.id), Gone(caption)});
    } else if (act.kind == Act::kWait || act.kind == Act::kGone) {
      Then([this, act] {
        HWND found = FindDialog(act.text.c_str());
        if (act.kind == Act::kWait && found) open_.push_back(found);
        if (act.kind == Act::kGone && !found) open_.pop_back();
        return (found != nullptr) == (act.kind == Act::kWait);
      });
    } else {
      Then([this, act] { return Play(act, open_.empty() ? nullptr : open_.back()), true; });
    }
    // What posts nothing needs no turn of the message loop before the next act.
    quick_.back() = act.kind != Act::kClick && act.kind != Act::kKeys &&
                    act.kind != Act::kGridTwice && act.kind != Act::kCheck;
  }
  return *this;
}

void CALLBACK UiScript::Tick(HWND, UINT, UINT_PTR, DWORD) {
  UiScript* self = g_running;
  if (!self || self->busy_) return;
  self->busy_ = true;
  const size_t steps = self->steps_.size();
  while (self->next_ < steps && self->steps_[self->next_]()) {
    if (!self->quick_[self->next_++]) break;
  }
  if (GetTickCount() > self->deadline_) {  // whatever is still open is closed, top first
    if (self->next_ < steps) ADD_FAILURE() << "step " << self->next_ << " not done in time";
    self->next_ = steps;
    if (HWND window = FindDialog(nullptr)) PostMessageA(window, WM_CLOSE, 0, 0);
  }
  self->busy_ = false;
}

int UiScript::Run(const std::function<int()>& call) {
  g_running = this;
  next_ = 0;
  open_.clear();
  deadline_ = GetTickCount() + kTimeLimitMs;
  struct Timer {  // stopped also when `call` throws
    UINT_PTR id;
    ~Timer() {
      KillTimer(nullptr, id);
      g_running = nullptr;
    }
  } timer{SetTimer(nullptr, 0, tick_ms_, &Tick)};
  int result = call();
  EXPECT_EQ(next_, steps_.size()) << "the call returned before all steps ran";
  return result;
}

// Only this thread's dialogs: another test program on the same display may
// show a sheet of the same caption at the same time.
HWND FindDialog(const char* caption) {
  Search search{0, caption, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), &MatchDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string TextOf(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

HWND FindControl(HWND root, int id) {
  Search search{id, nullptr, nullptr};
  EnumChildWindows(root, &MatchControl, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace ostrevan::windows_testing
