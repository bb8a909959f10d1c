#include "ui/win32/status_window.h"

#include "platform/win32/module_instance.h"
#include "res/resource.h"

namespace ui {

bool StatusWindow::OnInitDialog() {
  platform::Dialog::OnInitDialog();
  const ScreenPoint position = LoadWindowPosition(m_PositionKeys);
  SetWindowPos(hwnd(), nullptr, position.x, position.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SetColours(kStatusBackground, kStatusText);
  // The icon follows once the window is up: wine's X11 driver, without a window manager,
  // never shows a window whose icon was changed before its first showing.
  PostMessageW(hwnd(), kSetStatusIcon, 0, 0);
  return true;
}

bool StatusWindow::OnMessage(UINT message, WPARAM, LPARAM, LRESULT&) {
  switch (message) {
    case WM_SETCURSOR: {
      RECT outer;
      if (GetWindowRect(hwnd(), &outer)) RememberWindowPosition(m_PositionKeys, {outer.left, outer.top});
      return false;  // the dialog manager still sets the cursor
    }
    case kSetStatusIcon: {
      HICON icon = LoadIconW(platform::ModuleInstance(), MAKEINTRESOURCEW(IDI_ZARL));
      SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
      return false;
    }
    case WM_TIMER:
      OnTimer();
      return false;
    default:
      return false;
  }
}

}  // namespace ui
