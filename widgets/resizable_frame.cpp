#include "widgets/resizable_frame.h"

#include "widgets/dialog_window.h"

namespace ostrevan::widgets {

void ResizableFrame::Attach(HWND window) {
  window_ = window;
  RECT bounds{};
  GetWindowRect(window, &bounds);
  minimum_ = {bounds.right - bounds.left, bounds.bottom - bounds.top};
  grip_ = CreateWindowExA(0, "SCROLLBAR", "",
                          WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP | SBS_SIZEBOXBOTTOMRIGHTALIGN, 0, 0,
                          0, 0, window, nullptr, ModuleInstance(), nullptr);
  OnSize();
}

void ResizableFrame::OnSize() {
  if (!grip_) return;
  RECT client{};
  GetClientRect(window_, &client);
  int width = GetSystemMetrics(SM_CXVSCROLL);
  int height = GetSystemMetrics(SM_CYHSCROLL);
  SetWindowPos(grip_, HWND_TOP, client.right - width, client.bottom - height, width, height,
               SWP_NOACTIVATE);
  // Hidden when maximised: nothing to drag then.
  ShowWindow(grip_, IsZoomed(window_) ? SW_HIDE : SW_SHOWNA);
}

void ResizableFrame::OnGetMinMaxInfo(MINMAXINFO* info) const {
  if (minimum_.cx > 0) info->ptMinTrackSize.x = minimum_.cx;
  if (minimum_.cy > 0) info->ptMinTrackSize.y = minimum_.cy;
}

}  // namespace ostrevan::widgets
