#include "ui/win32/oblast_window.h"

#include "res/resource.h"

namespace ui {

oblast::oblast() : StatusWindow(IDD_OBLAST, kOblastPosition) {}

bool oblast::OnInitDialog() {
  StatusWindow::OnInitDialog();
  SetTimer(hwnd(), kStatusTimerId, kOblastFirstDelayMs, nullptr);
  return true;
}

bool oblast::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == kRearmOblastTimer) {
    SetTimer(hwnd(), kStatusTimerId, kOblastRefreshDelayMs, nullptr);
    result = 0;
    return true;
  }
  return StatusWindow::OnMessage(message, wParam, lParam, result);
}

void oblast::OnTimer() { KillTimer(hwnd(), kStatusTimerId); }

}  // namespace ui
