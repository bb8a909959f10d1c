#pragma once
// What the three status windows have in common: the pale yellow look with black text, the
// plug-in's icon, and a position that is restored when the window opens and remembered as
// the mouse moves over it.
#include "platform/win32/dialog.h"
#include "ui/window_position.h"

namespace ui {

// Background of the status windows and of their controls.
inline constexpr COLORREF kStatusBackground = RGB(255, 250, 198);
inline constexpr COLORREF kStatusText = RGB(0, 0, 0);

// Posted to a status window to give it the plug-in's icon.
inline constexpr UINT kSetStatusIcon = WM_APP + 2;

// Timer id of the one-shot timers of the zone and oblast windows.
inline constexpr UINT_PTR kStatusTimerId = 1500;

class StatusWindow : public platform::Dialog {
 protected:
  StatusWindow(int templateId, const WindowPositionKeys& keys)
      : platform::Dialog(templateId), m_PositionKeys(keys) {}

  // Fills the controls, moves the window to its saved position, sets the colours and, just
  // after, the large icon.
  bool OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  // The window's one-shot timer fired.
  virtual void OnTimer() {}

 private:
  const WindowPositionKeys& m_PositionKeys;
};

}  // namespace ui
