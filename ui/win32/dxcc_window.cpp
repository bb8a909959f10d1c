#include "ui/win32/dxcc_window.h"

#include <optional>
#include <string>

#include "platform/win32/module_instance.h"
#include "res/resource.h"
#include "ui/contest_snapshot.h"
#include "ui/dxcc_view.h"
#include "ui/win32/host_link.h"
#include "ui/win32/status_window.h"
#include "ui/win32/tick_state.h"
#include "ui/win32/ui_thread_win32.h"
#include "ui/window_position.h"

namespace ui {

CMemDC::CMemDC(HDC target) : m_Target(target) {
  if (GetDeviceCaps(target, TECHNOLOGY) == DT_RASPRINTER) return;
  GetClipBox(target, &m_Rect);
  m_Memory = CreateCompatibleDC(target);
  m_Bitmap = CreateCompatibleBitmap(target, m_Rect.right - m_Rect.left, m_Rect.bottom - m_Rect.top);
  if (m_Memory == nullptr || m_Bitmap == nullptr) {
    if (m_Bitmap != nullptr) DeleteObject(m_Bitmap);
    if (m_Memory != nullptr) DeleteDC(m_Memory);
    m_Bitmap = nullptr;
    m_Memory = nullptr;
    return;  // too little memory for the picture: draw on the screen after all
  }
  m_Replaced = SelectObject(m_Memory, m_Bitmap);
  SetWindowOrgEx(m_Memory, m_Rect.left, m_Rect.top, nullptr);
  m_OffScreen = true;
}

CMemDC::~CMemDC() {
  if (!m_OffScreen) return;
  BitBlt(m_Target, m_Rect.left, m_Rect.top, m_Rect.right - m_Rect.left, m_Rect.bottom - m_Rect.top, m_Memory,
         m_Rect.left, m_Rect.top, SRCCOPY);
  SelectObject(m_Memory, m_Replaced);
  DeleteObject(m_Bitmap);
  DeleteDC(m_Memory);
}

namespace {

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

}  // namespace

void CCqWwInfoButton::DrawItem(const DRAWITEMSTRUCT& item) {
  const RECT& area = item.rcItem;
  DxccPaintInput input;
  input.width = area.right;
  input.height = area.bottom;
  input.currentCall = g_CurrentCall;
  input.currentBand = g_CurrentBand;
  input.workedTimes = &g_WorkedTimes;
  input.windowOpen = g_DxccWindow != nullptr;
  if (g_CurrentCall.empty() && g_CurrentBand >= 0 && g_CurrentBand < kSnapshotBandCount) {
    input.prefixes = TakeContestSnapshot().dxccByBand[g_CurrentBand];
  }
  const DxccPaint paint = DxccPaintOf(input);

  if (paint.closeWindow) {
    // The entry field was emptied: the window goes, but its object is in the middle of this
    // paint, so it is deleted later, from the message loop.
    DXCC* window = g_DxccWindow;
    g_DxccWindow = nullptr;
    SendMessageW(window->hwnd(), WM_CLOSE, 0, 0);
    DiscardDxccWindowLater(window);
  }
  if (paint.createWindow) OpenDxccWindow();

  CMemDC memory(item.hDC);
  const HDC dc = memory.dc();
  Fill(dc, area, paint.background);
  if (paint.highlight) {
    const RECT row{paint.highlight->left, paint.highlight->top, paint.highlight->right, paint.highlight->bottom};
    Fill(dc, row, kCurrentBandColour);
  }
  if (paint.transparentText) SetBkMode(dc, TRANSPARENT);
  for (const TextAt& text : paint.texts) {
    TextOutA(dc, text.x, text.y, text.text.data(), static_cast<int>(text.text.size()));
  }
}

DXCC::DXCC() : platform::Dialog(IDD_DXCC) {}

void DXCC::DoDataExchange(platform::DataExchange&) { m_Table.Attach(GetDlgItem(hwnd(), IDC_DXCC_TABLE)); }

bool DXCC::OnInitDialog() {
  platform::Dialog::OnInitDialog();
  const ScreenPoint position = LoadWindowPosition(kDxccPosition);
  SetWindowPos(hwnd(), nullptr, position.x, position.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  // The size the window is made with arrives before the window is ours to handle.
  OnSize();
  PostMessageW(hwnd(), kSetStatusIcon, 0, 0);
  SetTimer(hwnd(), kDxccTimerId, kDxccTimerDelayMs, nullptr);
  return true;
}

bool DXCC::OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_TIMER:
      OnTimer();
      return false;
    case WM_SETCURSOR: {
      RECT outer;
      if (GetWindowRect(hwnd(), &outer)) RememberWindowPosition(kDxccPosition, {outer.left, outer.top});
      return false;
    }
    case WM_SIZE:
      OnSize();
      return false;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->hwndItem != m_Table.hwnd()) return false;
      m_Table.DrawItem(*item);
      result = TRUE;
      return true;
    }
    case kSetStatusIcon: {
      HICON icon = LoadIconW(platform::ModuleInstance(), MAKEINTRESOURCEW(IDI_ZARL));
      SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
      return false;
    }
    default:
      return false;
  }
}

void DXCC::OnTimer() {
  KillTimer(hwnd(), kDxccTimerId);
  std::optional<double> frequency;
  if (g_HostDispatch.connected()) {
    double hertz = 0.0;
    if (FAILED(g_HostDispatch.GetHostFrequency(hertz))) return;  // the host refused: no caption
    frequency = hertz;
  }
  const DxccCaptionView view = DxccTimerCaption(frequency, TakeContestSnapshot(), g_CurrentCall);
  g_CurrentBand = view.currentBand;
  if (view.caption) SetWindowTextA(hwnd(), view.caption->c_str());
}

void DXCC::OnSize() {
  const HWND table = GetDlgItem(hwnd(), IDC_DXCC_TABLE);
  if (table == nullptr) return;
  RECT client{};
  GetClientRect(hwnd(), &client);
  const PixelRect place = DxccButtonRect(client.right, client.bottom);
  MoveWindow(table, place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
}

void OpenDxccWindow() {
  if (g_DxccWindow != nullptr) return;
  g_DxccWindow = new DXCC;
  if (!g_DxccWindow->Create()) {
    delete g_DxccWindow;
    g_DxccWindow = nullptr;
    return;
  }
  ShowWindow(g_DxccWindow->hwnd(), SW_SHOW);
}

}  // namespace ui
