#include "ui/win32/zone_r_window.h"

#include "res/resource.h"
#include "ui/win32/ui_thread_win32.h"

namespace ui {
namespace {
constexpr int kZoneCheckBoxes[7] = {IDC_ZONE_R_1, IDC_ZONE_R_2, IDC_ZONE_R_3, IDC_ZONE_R_4,
                                    IDC_ZONE_R_5, IDC_ZONE_R_6, IDC_ZONE_R_7};
constexpr UINT kHostLinkDelayMs = 300;
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

// Runs once, shortly after the window opened: by then the host has finished what it was
// doing when it started the windows.
void Zone_R::OnTimer() {
  KillTimer(hwnd(), kStatusTimerId);
  LinkToHost();
  OpenOblastWindow();
}

}  // namespace ui
