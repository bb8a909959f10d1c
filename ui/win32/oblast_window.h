#pragma once
// The oblast window: the Russian oblasts worked on the host's current band. A modeless
// window of the status windows' thread; closing it only hides it until that thread ends.
//
// Its timer runs the oblast tick, which refreshes all three status windows: shortly after
// the window opened, and shortly after each keystroke in the host's callsign field.
#include "ui/oblast_grid.h"
#include "ui/win32/status_window.h"

namespace ui {

// Sent (posted) to the oblast window to restart its refresh delay; the timer has to be set
// by the window's own thread.
inline constexpr UINT kRearmOblastTimer = WM_APP + 1;
// Delay of the refresh after a keystroke in the host's callsign field, and after opening.
inline constexpr UINT kOblastRefreshDelayMs = 330;
inline constexpr UINT kOblastFirstDelayMs = 300;

class oblast : public StatusWindow {
 public:
  oblast();

  // One per box of kOblastBoxes, in that order; pushed to the boxes by UpdateData(false).
  BOOL m_Oblasts[kOblastBoxCount] = {};

 protected:
  void DoDataExchange(platform::DataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnTimer() override;
};

}  // namespace ui
