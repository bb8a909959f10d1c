#include "ui/win32/zone_r_window.h"

#include "res/resource.h"
#include "ui/win32/dxcc_window.h"
#include "ui/win32/ui_thread_win32.h"

namespace ui {
namespace {
constexpr int kZoneCheckBoxes[7] = {IDC_ZONE_R_1, IDC_ZONE_R_2, IDC_ZONE_R_3, IDC_ZONE_R_4,
                                    IDC_ZONE_R_5, IDC_ZONE_R_6, IDC_ZONE_R_7};
constexpr UINT kHostLinkDelayMs = 300;
// Posted to itself as it is shown; handled by the modal loop right after.
constexpr UINT kZoneWindowServing = WM_APP + 3;
}  // namespace

Zone_R::Zone_R() : StatusWindow(IDD_ZONE_R, kZoneRPosition) {}

void Zone_R::DoDataExchange(platform::DataExchange& exchange) {
  for (int zone = 0; zone < 7; ++zone) exchange.Check(kZoneCheckBoxes[zone], m_Zones[zone]);
}

bool Zone_R::OnInitDialog() {
  StatusWindow::OnInitDialog();
  // The one status window that stays above the host's windows.
  SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  SetTimer(hwnd(), kStatusTimerId, kHostLinkDelayMs, nullptr);
  PublishZoneWindow(hwnd());
  return true;
}

// The modal loop shows the window only once it has run out of messages to handle, and the
// first showing and painting are where the system loads what the window needs.
bool Zone_R::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == WM_SHOWWINDOW && wParam) PostMessageW(hwnd(), kZoneWindowServing, 0, 0);
  if (message == kDiscardDxccWindow) {
    DeleteDiscardedDxccWindow();
    result = 0;
    return true;
  }
  if (message == kZoneWindowServing) {
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ReportZoneWindowServing();
    result = 0;
    return true;
  }
  return StatusWindow::OnMessage(message, wParam, lParam, result);
}

// Runs once, shortly after the window opened: by then the host has finished what it was
// doing when it started the windows.
void Zone_R::OnTimer() {
  KillTimer(hwnd(), kStatusTimerId);
  LinkToHost();
  OpenOblastWindow();
}

}  // namespace ui
