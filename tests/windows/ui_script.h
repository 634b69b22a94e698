// Drives real windows from inside a modal loop: a thread timer ticks through
// steps while the call under test runs its message loop. A step returns
// false to be tried again (a window not there yet); what opens something
// modal is posted, so that no step blocks the timer.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace ostrevan::windows_testing {

// The static that shows a message box's text.
constexpr int kMessageText = 0xFFFF;

// What the user does, one act a step, in the dialog last awaited.
struct Act {
  enum Kind { kWait, kGone, kChoose, kType, kKeys, kClick, kGrid, kGridTwice, kTab, kShown,
              kText, kFocused, kCheck, kError, kAsk } kind;
  int id = 0;
  std::string text = {};
  int x = 0, y = 0;
  std::function<void(HWND)> check = {};
};
inline Act Wait(const char* caption) { return {Act::kWait, 0, caption}; }  // acted in from now on
inline Act Gone(const char* caption) { return {Act::kGone, 0, caption}; }  // back to the one before
inline Act Choose(int id, int item) { return {Act::kChoose, id, "", item}; }
// Set whole, the edit reporting the change.
inline Act TypeIn(int id, const std::string& text) { return {Act::kType, id, text}; }
// Characters posted to `id` (to the focus, when 0) with key presses for
// '\v' (Down), '\b', '\n' and '\x1b' (Escape).
inline Act Keys(int id, const std::string& text) { return {Act::kKeys, id, text}; }
inline Act Click(int id) { return {Act::kClick, id}; }
// A click or a double click in the client area.
inline Act Grid(int id, POINT at, bool twice = false) {
  return {twice ? Act::kGridTwice : Act::kGrid, id, "", at.x, at.y};
}
inline Act Tab(int index) { return {Act::kTab, 0, "", index}; }
inline Act Shown(int id) { return {Act::kShown, id}; }
inline Act Text(int id, const std::string& text) { return {Act::kText, id, text}; }  // expected
inline Act Focused(int id) { return {Act::kFocused, id}; }
// Anything else, given the dialog.
inline Act Check(std::function<void(HWND)> check) { return {Act::kCheck, 0, "", 0, 0, check}; }
// A message box "ERR" with `text`, answered OK; "Ostrevan", answered `answer`.
inline Act Error(const std::string& text) { return {Act::kError, IDOK, text}; }
inline Act Ask(const std::string& text, int answer) { return {Act::kAsk, answer, text}; }

class UiScript {
 public:
  using Step = std::function<bool()>;
  // `tick_ms`: how often the steps are tried; the system makes it at least 10.
  explicit UiScript(UINT tick_ms = 40) : tick_ms_(tick_ms) {}
  UiScript& Then(Step step);
  UiScript& Then(const std::vector<Act>& acts);
  // Runs `call` with the steps; fails the test when they are not all done
  // in time (the windows are then closed so that `call` returns).
  int Run(const std::function<int()>& call);

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  UINT tick_ms_;
  std::vector<Step> steps_;
  std::vector<bool> quick_;  // the next step follows in the same tick
  std::vector<HWND> open_;  // the dialogs awaited by acts
  size_t next_ = 0;
  bool busy_ = false;
  DWORD deadline_ = 0;
};

// A visible top-level dialog window of this thread by caption (any, when null).
HWND FindDialog(const char* caption);
std::string TextOf(HWND window);
// The control `id` in the visible pages and forms below `root` (or `root`'s own).
HWND FindControl(HWND root, int id);

}  // namespace ostrevan::windows_testing
