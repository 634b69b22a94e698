#include "widgets/form_window.h"


#include <algorithm>
#include <cstdio>

#include "widgets/grid_window.h"
#include "widgets/image_button.h"
#include "widgets/screen_window.h"
#include "widgets/win32_view.h"

namespace ostrevan::widgets {

using editor::Control;
using editor::ControlKind;

namespace {

// Tooltip texts break lines with " <br>".
std::string TooltipLines(std::string text) {
  const std::string br = " <br>";
  for (size_t at = text.find(br); at != std::string::npos; at = text.find(br, at + 2))
    text.replace(at, br.size(), "\r\n");
  return text;
}

std::string WindowText(HWND hwnd) {
  int length = GetWindowTextLengthA(hwnd);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  GetWindowTextA(hwnd, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(length, 0)));
  return text;
}

// IPv4 address controls take and give their address as a number; the
// model holds "%d.%d.%d.%d".
std::string AddressText(HWND control) {
  DWORD address = 0;
  SendMessageA(control, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address));
  return std::to_string(FIRST_IPADDRESS(address)) + "." + std::to_string(SECOND_IPADDRESS(address)) +
         "." + std::to_string(THIRD_IPADDRESS(address)) + "." +
         std::to_string(FOURTH_IPADDRESS(address));
}

void ShowAddress(HWND control, const std::string& text) {
  int parts[4] = {};
  if (std::sscanf(text.c_str(), "%d.%d.%d.%d", &parts[0], &parts[1], &parts[2], &parts[3]) != 4) {
    SendMessageA(control, IPM_CLEARADDRESS, 0, 0);
    return;
  }
  for (int& part : parts) part = std::clamp(part, 0, 255);
  SendMessageA(control, IPM_SETADDRESS, 0,
               static_cast<LPARAM>(MAKEIPADDRESS(parts[0], parts[1], parts[2], parts[3])));
}

struct ControlClass {
  const char* name;
  DWORD style;
  DWORD ex_style;
};

ControlClass ClassOf(const Control& control) {
  switch (control.kind) {
    case ControlKind::kLabel: return {"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::kFrame: return {"STATIC", SS_ETCHEDFRAME, 0};
    case ControlKind::kGroupBox: return {"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::kEdit:
    case ControlKind::kNumberEdit: {
      // A multi-line edit keeps Enter for itself instead of pressing OK.
      DWORD lines = control.multi_line
                        ? DWORD{ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL}
                        : DWORD{ES_AUTOHSCROLL};
      return {"EDIT", DWORD{WS_TABSTOP} | lines | (control.read_only ? DWORD{ES_READONLY} : 0),
              WS_EX_CLIENTEDGE};
    }
    case ControlKind::kDropList:
      return {"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
    case ControlKind::kCheckBox: return {"BUTTON", WS_TABSTOP | BS_CHECKBOX, 0};
    case ControlKind::kRadio: return {"BUTTON", WS_TABSTOP | BS_RADIOBUTTON, 0};
    case ControlKind::kButton:
      return {"BUTTON", DWORD{WS_TABSTOP} | (control.id == IDOK ? DWORD{BS_DEFPUSHBUTTON} : DWORD{BS_PUSHBUTTON}), 0};
    case ControlKind::kIpAddress: return {WC_IPADDRESSA, WS_TABSTOP, 0};
    case ControlKind::kGrid: return {"STATIC", WS_TABSTOP | WS_VSCROLL | SS_NOTIFY, WS_EX_CLIENTEDGE};
    case ControlKind::kScreen: return {"STATIC", WS_TABSTOP | SS_NOTIFY, WS_EX_CLIENTEDGE};
    case ControlKind::kImageButton: return {"BUTTON", WS_TABSTOP | BS_OWNERDRAW, 0};
  }
  return {"STATIC", 0, 0};
}

bool ShowsLabel(ControlKind kind) {
  return kind == ControlKind::kLabel || kind == ControlKind::kGroupBox ||
         kind == ControlKind::kCheckBox || kind == ControlKind::kRadio ||
         kind == ControlKind::kButton || kind == ControlKind::kImageButton;
}

bool HoldsText(ControlKind kind) {
  return kind == ControlKind::kEdit || kind == ControlKind::kNumberEdit ||
         kind == ControlKind::kIpAddress;
}

}  // namespace

FormWindow::FormWindow(Win32View& view, editor::FormModel& form)
    : DialogWindow(view), form_(form) {
  view.Register(form, *this);
}

FormWindow::~FormWindow() {
  view().Unregister(form_, *this);
  children_.clear();
  grids_.clear();
  screens_.clear();
  if (tooltip_) DestroyWindow(tooltip_);
}

void FormWindow::CreateInside(HWND parent, const RECT& placement) {
  DialogTemplate dialog(WS_CHILD | DS_CONTROL | DS_3DLOOK, WS_EX_CONTROLPARENT,
                        form_.size().width, form_.size().height, "");
  CreateChild(parent, dialog);
  MoveTo(placement);
  ShowWindow(hwnd(), SW_SHOW);
}

void FormWindow::MoveTo(const RECT& placement) {
  MoveWindow(hwnd(), placement.left, placement.top, placement.right - placement.left,
             placement.bottom - placement.top, TRUE);
}

void FormWindow::BuildControls() {
  RECT base = ToPixels(0, 0, form_.size().width, form_.size().height);
  base_size_ = {base.right, base.bottom};
  tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr,
                             ModuleInstance(), nullptr);
  if (tooltip_) SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, 480);
  applying_ = true;
  // Each radio group, and each control that is no radio of the group
  // before it, starts a group: the arrow keys stay inside one radio group.
  const Control* previous = nullptr;
  for (const Control& control : form_.controls()) {
    bool joins_previous = previous && control.kind == ControlKind::kRadio &&
                          previous->kind == ControlKind::kRadio &&
                          previous->group == control.group;
    CreateControl(control, !joins_previous);
    previous = &control;
  }
  for (const Control& control : form_.controls()) Apply(control);
  applying_ = false;
  Layout();
}

void FormWindow::CreateControl(const Control& control, bool starts_group) {
  const editor::Rect& r = control.rect;
  base_rects_[control.id] = ToPixels(r.x, r.y, r.width, r.height);
  ControlClass kind = ClassOf(control);
  // Made at its template place: some controls (IPv4 fields) lay out their
  // parts once, when they are created.
  const RECT& at = base_rects_[control.id];
  DWORD group = starts_group ? DWORD{WS_GROUP} : 0;
  HWND created = CreateWindowExA(kind.ex_style, kind.name, "", WS_CHILD | group | kind.style,
                                 at.left, at.top, at.right - at.left, at.bottom - at.top,
                                 hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                                 ModuleInstance(), nullptr);
  if (!created) return;
  SendMessageA(created, WM_SETFONT, SendMessageA(hwnd(), WM_GETFONT, 0, 0), FALSE);
  windows_[control.id] = created;
  if (control.kind == ControlKind::kNumberEdit && control.spin) {
    HWND spin = CreateWindowExA(0, UPDOWN_CLASSA, "",
                                WS_CHILD | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS |
                                    UDS_NOTHOUSANDS,
                                0, 0, 0, 0, hwnd(), nullptr, ModuleInstance(), nullptr);
    if (spin) {
      SendMessageA(spin, UDM_SETBUDDY, reinterpret_cast<WPARAM>(created), 0);
      spins_[control.id] = spin;
    }
  }
  if (control.kind == ControlKind::kGrid)
    grids_[control.id] = std::make_unique<GridWindow>(view(), form_, control.id, created);
  if (control.kind == ControlKind::kScreen)
    screens_[control.id] = std::make_unique<ScreenWindow>(view(), form_, control.id, created);
}

HWND FormWindow::ControlWindow(int id) const {
  auto found = windows_.find(id);
  return found == windows_.end() ? nullptr : found->second;
}

void FormWindow::Refresh(const std::vector<int>& ids) {
  applying_ = true;
  for (int id : ids) {
    if (const Control* control = form_.Find(id)) Apply(*control);
  }
  applying_ = false;
}

void FormWindow::Apply(const Control& control) {
  HWND window = ControlWindow(control.id);
  if (!window) return;
  if (ShowsLabel(control.kind) && WindowText(window) != control.label)
    SetWindowTextA(window, control.label.c_str());
  if (control.kind == ControlKind::kIpAddress) {
    if (AddressText(window) != control.text) ShowAddress(window, control.text);
  } else if (HoldsText(control.kind)) {
    // 0 lifts the limit to the system's largest.
    SendMessageA(window, EM_LIMITTEXT, static_cast<WPARAM>(control.text_limit), 0);
    if (WindowText(window) != control.text) SetWindowTextA(window, control.text.c_str());
    if (control.caret >= 0)
      SendMessageA(window, EM_SETSEL, static_cast<WPARAM>(control.caret), control.caret);
  }
  if (control.kind == ControlKind::kDropList) {
    std::vector<std::string>& shown = shown_items_[control.id];
    if (shown != control.items) {
      SendMessageA(window, CB_RESETCONTENT, 0, 0);
      for (const std::string& item : control.items)
        SendMessageA(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
      shown = control.items;
    }
    SendMessageA(window, CB_SETCURSEL, static_cast<WPARAM>(control.selection), 0);
  }
  if (control.kind == ControlKind::kCheckBox || control.kind == ControlKind::kRadio)
    SendMessageA(window, BM_SETCHECK, control.checked ? BST_CHECKED : BST_UNCHECKED, 0);
  if (control.kind == ControlKind::kGrid) grids_.at(control.id)->Refresh();
  if (control.kind == ControlKind::kScreen) screens_.at(control.id)->Refresh();
  if (control.kind == ControlKind::kFrame) ApplyChild(control.id);

  EnableWindow(window, control.enabled);
  ShowWindow(window, control.visible ? SW_SHOWNA : SW_HIDE);
  auto spin = spins_.find(control.id);
  if (spin != spins_.end()) {
    if (control.range)
      SendMessageA(spin->second, UDM_SETRANGE32, static_cast<WPARAM>(control.range->min),
                   static_cast<LPARAM>(control.range->max));
    EnableWindow(spin->second, control.enabled);
    ShowWindow(spin->second, control.visible ? SW_SHOWNA : SW_HIDE);
  }
  ApplyTooltip(control);
}

void FormWindow::ApplyTooltip(const Control& control) {
  HWND window = ControlWindow(control.id);
  if (!tooltip_ || !window) return;
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = hwnd();
  tool.uId = reinterpret_cast<UINT_PTR>(window);
  SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  if (control.tooltip.empty()) return;
  std::string text = TooltipLines(control.tooltip);
  tool.lpszText = text.data();
  SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  if (control.tooltip_ms > 0)
    SendMessageA(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(control.tooltip_ms, 0));
}

void FormWindow::ApplyChild(int frame_id) {
  editor::FormModel* child = form_.ChildIn(frame_id);
  auto shown = children_.find(frame_id);
  if (shown != children_.end() && (!child || &shown->second->form() != child))
    children_.erase(shown);  // before the model drops the old child
  if (!child || children_.count(frame_id)) return;
  auto window = std::make_unique<FormWindow>(view(), *child);
  FormWindow& created = *window;
  children_[frame_id] = std::move(window);
  created.CreateInside(hwnd(), LaidOut(frame_id));
  // Keep the child above the frame in the tab order and on screen.
  SetWindowPos(created.hwnd(), ControlWindow(frame_id), 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

RECT FormWindow::LaidOut(int id) const {
  RECT base = base_rects_.at(id);
  const Control& control = form_.At(id);
  RECT client{};
  GetClientRect(hwnd(), &client);
  int grow_x = std::max<int>(0, client.right - base_size_.cx);
  int grow_y = std::max<int>(0, client.bottom - base_size_.cy);
  const editor::Anchors& a = control.anchors;
  return RECT{base.left + grow_x * a.top_left.x_percent / 100,
              base.top + grow_y * a.top_left.y_percent / 100,
              base.right + grow_x * a.bottom_right.x_percent / 100,
              base.bottom + grow_y * a.bottom_right.y_percent / 100};
}

void FormWindow::Layout() {
  HDWP moves = BeginDeferWindowPos(static_cast<int>(windows_.size() + spins_.size()));
  for (const auto& [id, window] : windows_) {
    RECT r = LaidOut(id);
    int width = r.right - r.left;
    auto spin = spins_.find(id);
    if (spin != spins_.end()) {
      int spin_width = GetSystemMetrics(SM_CXVSCROLL);
      width -= spin_width;
      if (moves)
        moves = DeferWindowPos(moves, spin->second, nullptr, r.left + width, r.top, spin_width,
                               r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (moves)
      moves = DeferWindowPos(moves, window, nullptr, r.left, r.top, width, r.bottom - r.top,
                             SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (moves) EndDeferWindowPos(moves);
  for (auto& [frame_id, child] : children_) child->MoveTo(LaidOut(frame_id));
  // Moved controls leave stale pixels behind them: repaint the whole form.
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void FormWindow::FocusControl(int id) {
  HWND window = ControlWindow(id);
  if (!window) return;
  // Through the dialog manager, so that the default button follows.
  SendMessageA(GetAncestor(hwnd(), GA_ROOT), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(window), TRUE);
  SetFocus(window);
  const Control* control = form_.Find(id);
  if (control && HoldsText(control->kind)) SendMessageA(window, EM_SETSEL, 0, -1);
}

void FormWindow::OnCommand(int id, int code, HWND control_window) {
  const Control* control = form_.Find(id);
  if (applying_ || !control || control_window != ControlWindow(id)) return;
  switch (control->kind) {
    case ControlKind::kDropList:
      if (code != CBN_SELCHANGE) return;
      form_.UserSelects(id, static_cast<int>(SendMessageA(control_window, CB_GETCURSEL, 0, 0)));
      break;
    case ControlKind::kEdit:
    case ControlKind::kNumberEdit:
      if (code != EN_CHANGE) return;
      form_.UserTypes(id, WindowText(control_window));
      break;
    case ControlKind::kIpAddress:
      if (code != EN_CHANGE) return;
      form_.UserTypes(id, AddressText(control_window));
      break;
    case ControlKind::kButton:
    case ControlKind::kImageButton:
    case ControlKind::kCheckBox:
    case ControlKind::kRadio:
      if (code != BN_CLICKED) return;
      form_.UserClicks(id);
      // The model set the clicked control's own state without reporting it.
      if (IsWindow(hwnd())) Refresh({id});
      break;
    default: return;
  }
  AfterInput();
}

INT_PTR FormWindow::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG:
      BuildControls();
      return FALSE;
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HWND>(lparam));
      return TRUE;
    case WM_SIZE:
      if (base_size_.cx) Layout();
      return TRUE;
    case kGridInputMessage:
      AfterInput();
      return TRUE;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
      if (item->CtlType != ODT_BUTTON) return FALSE;
      DrawImageButton(*item);
      return TRUE;
    }
  }
  return FALSE;
}

}  // namespace ostrevan::widgets
