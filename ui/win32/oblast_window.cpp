#include "ui/win32/oblast_window.h"

#include "res/resource.h"
#include "ui/contest_snapshot.h"
#include "ui/oblast_tick_view.h"
#include "ui/ui_settings.h"
#include "ui/win32/dxcc_window.h"
#include "ui/win32/host_link.h"
#include "ui/win32/tick_state.h"
#include "ui/win32/ui_thread_win32.h"
#include "ui/win32/zone_r_window.h"

namespace ui {

std::string g_CurrentCall;
int g_CurrentBand = 0;
WorkedTimesTable g_WorkedTimes;

namespace {

// The host's callsign entry field among its text fields.
constexpr int kEntryTextField = 5;

// Lives as long as the loaded plug-in: the mode goes to the host once per load, whichever
// windows' thread ticks first.
OblastTickMemory g_OblastTickMemory;

class HostTickIo : public OblastTickIo {
 public:
  bool HostLinked() const override { return g_HostDispatch.connected(); }
  bool GetHostFrequency(double& hertz) override { return SUCCEEDED(g_HostDispatch.GetHostFrequency(hertz)); }
  bool GetEntryText(std::string& text) override {
    return SUCCEEDED(g_HostDispatch.GetHostText(kEntryTextField, text));
  }
  bool RunHostMacro(std::string_view macro) override {
    return SUCCEEDED(g_HostDispatch.RunHostMacro(std::string(macro)));
  }
  int32_t ReadModeSetting() override { return ReadSettingInt("Mode"); }
};

}  // namespace

oblast::oblast() : StatusWindow(IDD_OBLAST, kOblastPosition) {}

void oblast::DoDataExchange(platform::DataExchange& exchange) {
  for (int box = 0; box < kOblastBoxCount; ++box) exchange.Check(kOblastBoxes[box].controlId, m_Oblasts[box]);
}

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

void oblast::OnTimer() {
  KillTimer(hwnd(), kStatusTimerId);
  HostTickIo io;
  const OblastTickOutcome tick =
      RunOblastTick(io, g_OblastTickMemory, TakeContestSnapshot(), g_DxccWindow != nullptr);
  if (tick.contestMode) StoreContestMode(*tick.contestMode);

  if (tick.entryRead) {
    g_CurrentCall = tick.currentCall;
    g_WorkedTimes = tick.workedTimes;
    if (tick.createDxccWindow) OpenDxccWindow();
    if (tick.dxccCaption && g_DxccWindow != nullptr) SetWindowTextA(g_DxccWindow->hwnd(), tick.dxccCaption->c_str());
  }
  if (!tick.completed) return;  // a host call failed: the windows keep the last tick's state

  g_CurrentBand = tick.currentBand;
  SetWindowTextA(hwnd(), tick.oblastCaption.c_str());
  for (int box = 0; box < kOblastBoxCount; ++box) m_Oblasts[box] = tick.oblastBoxes[box] ? TRUE : FALSE;
  if (g_ZoneRWindow != nullptr) {
    for (int zone = 0; zone < kZoneCount; ++zone) g_ZoneRWindow->m_Zones[zone] = tick.zoneBoxes[zone] ? TRUE : FALSE;
  }
  if (tick.redrawDxccWindow && g_DxccWindow != nullptr) {
    InvalidateRect(GetDlgItem(g_DxccWindow->hwnd(), IDC_DXCC_TABLE), nullptr, FALSE);
  }
  UpdateData(false);
  if (g_ZoneRWindow != nullptr) g_ZoneRWindow->UpdateData(false);
}

}  // namespace ui
