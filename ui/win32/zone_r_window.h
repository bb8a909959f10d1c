#pragma once
// The zone window: the zones worked on the host's current band, one check box per zone. It
// is the status windows' thread's modal dialog; its first timer tick links the plug-in to the
// host and opens the oblast window.
#include "ui/win32/status_window.h"

namespace ui {

class Zone_R : public StatusWindow {
 public:
  Zone_R();

  // Zones 1 to 7 worked on the current band; pushed to the check boxes by UpdateData(false).
  BOOL m_Zones[7] = {FALSE, FALSE, FALSE, FALSE, FALSE, FALSE, FALSE};

 protected:
  void DoDataExchange(platform::DataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnTimer() override;
};

}  // namespace ui
