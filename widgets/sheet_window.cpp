#include "widgets/sheet_window.h"


#include <algorithm>

#include "widgets/form_window.h"
#include "widgets/win32_view.h"

namespace ostrevan::widgets {

using editor::DialogResult;

namespace {

// Dialog units of the frame around the pages.
constexpr int kMargin = 7;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kButtonGap = 4;

}  // namespace

SheetWindow::SheetWindow(Win32View& view, CPropertyBasic& sheet)
    : DialogWindow(view), sheet_(sheet) {}

SheetWindow::~SheetWindow() = default;

DialogResult SheetWindow::Run(HWND owner) {
  DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | DS_MODALFRAME |
                            DS_CENTER | DS_3DLOOK,
                        WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME, 200, 100, "");
  INT_PTR code = RunModal(owner, dialog);
  pages_.clear();
  return code == IDOK ? DialogResult::kOk : DialogResult::kCancel;
}

void SheetWindow::OnInit() {
  view().PushModal(hwnd());
  sheet_.Open();
  SetWindowTextA(hwnd(), sheet_.title().c_str());
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(hwnd(), WM_GETFONT, 0, 0));

  tab_ = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS,
                         0, 0, 0, 0, hwnd(), reinterpret_cast<HMENU>(kSheetTabId), ModuleInstance(),
                         nullptr);
  SendMessageA(tab_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  for (size_t index = 0; index < sheet_.page_count(); ++index) {
    std::string title = sheet_.tab_title(index);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = title.data();
    SendMessageA(tab_, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
  }
  for (auto [id, label] : {std::pair{IDOK, "OK"}, std::pair{IDCANCEL, "Cancel"}}) {
    HWND button = CreateWindowExA(0, "BUTTON", label,
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP |
                                      (id == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                                  0, 0, 0, 0, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  ModuleInstance(), nullptr);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
  pages_.resize(sheet_.page_count());

  // Big enough for the largest page, the tabs around it and the buttons.
  int page_width = 0;
  int page_height = 0;
  for (size_t index = 0; index < sheet_.page_count(); ++index) {
    page_width = std::max(page_width, sheet_.page(index).size().width);
    page_height = std::max(page_height, sheet_.page(index).size().height);
  }
  RECT page = ToPixels(0, 0, page_width, page_height);
  SendMessageA(tab_, TCM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&page));
  RECT margin = ToPixels(0, 0, kMargin, kMargin + kButtonHeight);
  RECT buttons = ToPixels(0, 0, 2 * kMargin + 2 * kButtonWidth + kButtonGap, 0);
  RECT client{0, 0, std::max<LONG>(page.right - page.left + 2 * margin.right, buttons.right),
              page.bottom - page.top + 3 * margin.right + (margin.bottom - margin.right)};
  RECT window = client;
  AdjustWindowRectEx(&window, GetWindowLongA(hwnd(), GWL_STYLE), FALSE,
                     GetWindowLongA(hwnd(), GWL_EXSTYLE));
  SetWindowPos(hwnd(), nullptr, 0, 0, window.right - window.left, window.bottom - window.top,
               SWP_NOMOVE | SWP_NOZORDER);
  frame_.Attach(hwnd());
  RECT buttons_window{0, 0, buttons.right, 0};
  AdjustWindowRectEx(&buttons_window, GetWindowLongA(hwnd(), GWL_STYLE), FALSE,
                     GetWindowLongA(hwnd(), GWL_EXSTYLE));
  frame_.SetMinimum({buttons_window.right - buttons_window.left, window.bottom - window.top});

  // Centre on the owner or the screen, now that the size is known.
  RECT area{};
  HWND owner = GetWindow(hwnd(), GW_OWNER);
  if (owner) GetWindowRect(owner, &area); else SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  int width = window.right - window.left;
  int height = window.bottom - window.top;
  SetWindowPos(hwnd(), nullptr, area.left + (area.right - area.left - width) / 2,
               area.top + (area.bottom - area.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

  SendMessageA(tab_, TCM_SETCURSEL, sheet_.active_page(), 0);
  Layout();
  ShowActivePage();
}

RECT SheetWindow::PageArea() const {
  RECT tab{};
  GetWindowRect(tab_, &tab);
  MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&tab), 2);
  SendMessageA(tab_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&tab));
  return tab;
}

void SheetWindow::ShowActivePage() {
  size_t active = sheet_.active_page();
  if (active < pages_.size() && !pages_[active]) {
    // The page's window is made the first time its tab is shown.
    pages_[active] = std::make_unique<FormWindow>(view(), sheet_.page(active));
    pages_[active]->CreateInside(hwnd(), PageArea());
    SetWindowPos(pages_[active]->hwnd(), tab_, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  for (size_t index = 0; index < pages_.size(); ++index) {
    if (pages_[index]) ShowWindow(pages_[index]->hwnd(), index == active ? SW_SHOW : SW_HIDE);
  }
}

void SheetWindow::Layout() {
  RECT client{};
  GetClientRect(hwnd(), &client);
  RECT unit = ToPixels(0, 0, kMargin, kButtonHeight);
  RECT button = ToPixels(0, 0, kButtonWidth, kButtonGap);
  int margin = unit.right;
  int button_height = unit.bottom;
  int button_width = button.right;
  int gap = button.bottom;
  int buttons_top = client.bottom - margin - button_height;
  MoveWindow(tab_, margin, margin, std::max<LONG>(0, client.right - 2 * margin),
             std::max<LONG>(0, buttons_top - 2 * margin + margin / 2), TRUE);
  int cancel_left = client.right - margin - button_width;
  MoveWindow(GetDlgItem(hwnd(), IDCANCEL), cancel_left, buttons_top, button_width, button_height,
             TRUE);
  MoveWindow(GetDlgItem(hwnd(), IDOK), cancel_left - gap - button_width, buttons_top,
             button_width, button_height, TRUE);
  RECT area = PageArea();
  for (auto& page : pages_) {
    if (page) page->MoveTo(area);
  }
  frame_.OnSize();
  // The buttons and the grip moved: without this their new places stay
  // unpainted until something else invalidates the window.
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

void SheetWindow::CloseIfEnded() {
  if (sheet_.end_result())
    EndDialog(hwnd(), *sheet_.end_result() == DialogResult::kOk ? IDOK : IDCANCEL);
}

INT_PTR SheetWindow::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      OnInit();
      return TRUE;
    case WM_DESTROY:
      view().PopModal(hwnd());
      return FALSE;
    case WM_NOTIFY: {
      const NMHDR* header = reinterpret_cast<const NMHDR*>(lparam);
      if (header->hwndFrom == tab_ && header->code == TCN_SELCHANGE) {
        int selected = static_cast<int>(SendMessageA(tab_, TCM_GETCURSEL, 0, 0));
        if (selected >= 0) sheet_.ShowPage(static_cast<size_t>(selected));
        ShowActivePage();
        return TRUE;
      }
      return FALSE;
    }
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK) {
        sheet_.ClickOk();
        // A refused OK brings the failing page to the front.
        if (static_cast<size_t>(SendMessageA(tab_, TCM_GETCURSEL, 0, 0)) != sheet_.active_page()) {
          SendMessageA(tab_, TCM_SETCURSEL, sheet_.active_page(), 0);
          ShowActivePage();
        }
        CloseIfEnded();
        return TRUE;
      }
      if (LOWORD(wparam) == IDCANCEL) {
        sheet_.ClickCancel();
        CloseIfEnded();
        return TRUE;
      }
      return FALSE;
    case WM_CLOSE:
      SendMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      return TRUE;
    case WM_SIZE:
      if (tab_) Layout();
      return TRUE;
    case WM_GETMINMAXINFO:
      frame_.OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lparam));
      return TRUE;
    case kPageNotifyMessage:
      sheet_.OnMessage(message, wparam, lparam);
      return TRUE;
  }
  return FALSE;
}

}  // namespace ostrevan::widgets
