#pragma once
// The DXCC window: while a callsign is typed in the host's entry field, when that station was
// last worked in CW and in SSB on each band, the band the host is on highlighted. Its whole
// client area is one owner-drawn button that paints the table off-screen and copies it to the
// screen in one go, so the redraw after every keystroke does not flicker. Once the entry field
// is empty, the window closes itself at its next paint.
#include "platform/win32/dialog.h"

namespace ui {

// Timer id and delay of the window's one-shot caption update after it opened.
inline constexpr UINT_PTR kDxccTimerId = 1442;
inline constexpr UINT kDxccTimerDelayMs = 300;

// Draws one paint into an off-screen bitmap of the target's clip box and copies it to the
// target when it goes; a printer context is drawn into directly. Drawing uses the target's
// coordinates.
class CMemDC {
 public:
  explicit CMemDC(HDC target);
  ~CMemDC();
  CMemDC(const CMemDC&) = delete;
  CMemDC& operator=(const CMemDC&) = delete;

  HDC dc() const { return m_OffScreen ? m_Memory : m_Target; }

 private:
  HDC m_Target;
  HDC m_Memory = nullptr;
  HBITMAP m_Bitmap = nullptr;
  HGDIOBJ m_Replaced = nullptr;
  RECT m_Rect{};
  bool m_OffScreen = false;
};

// The table button (control 1007). The window hands it its WM_DRAWITEM.
class CCqWwInfoButton {
 public:
  void Attach(HWND button) { m_Button = button; }
  HWND hwnd() const { return m_Button; }
  void DrawItem(const DRAWITEMSTRUCT& item);

 private:
  HWND m_Button = nullptr;
};

class DXCC : public platform::Dialog {
 public:
  DXCC();

 protected:
  void DoDataExchange(platform::DataExchange& exchange) override;
  bool OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void OnTimer();
  void OnSize();

  CCqWwInfoButton m_Table;
};

// On the windows' thread: creates and shows the DXCC window unless g_DxccWindow holds one.
void OpenDxccWindow();

}  // namespace ui
