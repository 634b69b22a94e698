// Drives real windows from inside a modal loop: a thread timer ticks
// through a list of steps while the call under test (Function_Edit) runs
// its own message loop. A step returns false to be tried again on the next
// tick (a window that is not there yet). Actions that open something modal
// are posted, so that no step blocks the timer.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace ostrevan::windows_testing {

class UiScript {
 public:
  using Step = std::function<bool()>;
  // `tick_ms`: how often the steps are tried; the system makes it at least 10.
  explicit UiScript(UINT tick_ms = 40) : tick_ms_(tick_ms) {}
  UiScript& Then(Step step);
  // Runs `call` with the steps; fails the test when they are not all done
  // in time (the windows are then closed so that `call` returns).
  int Run(const std::function<int()>& call);

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  UINT tick_ms_;
  std::vector<Step> steps_;
  size_t next_ = 0;
  bool busy_ = false;
  DWORD deadline_ = 0;
};

// Steps: an action done once; a dialog awaited (kept in `window`) or its end.
UiScript::Step Do(std::function<void()> action);
UiScript::Step WaitFor(const char* caption, HWND& window);
UiScript::Step WaitUntilGone(const char* caption);
// Awaits the message box `caption`, expects `text` in it, answers `button`
// and awaits its end.
UiScript& AnswerBox(UiScript& script, const char* caption, const std::string& text, int button);

// Top-level dialog windows of this thread by caption.
HWND FindDialog(const std::string& caption);
std::string TextOf(HWND window);
// The control `id` in the visible pages and forms below `root` (or `root`'s own).
HWND FindControl(HWND root, int id);
std::vector<std::string> TabTitles(HWND sheet);
std::vector<std::string> ComboItems(HWND combo);
int ComboSelection(HWND combo);

// What a user does.
void SelectItem(HWND root, int id, int index);
void TypeText(HWND root, int id, const std::string& text);
void PostClick(HWND root, int id);
void ShowTab(HWND sheet, int index);
// The text of a message box (caption "ERR" or the application's name).
std::string MessageText(HWND box);

}  // namespace ostrevan::windows_testing
