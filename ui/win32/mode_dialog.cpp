#include "ui/win32/mode_dialog.h"

#include <vector>

#include "res/resource.h"

namespace ui {

Mode::Mode(int mode) : platform::Dialog(IDD_MODE), m_Mode(mode != 0 ? 1 : 0) {}

bool Mode::OnInitDialog() {
  platform::Dialog::OnInitDialog();
  CheckRadioButton(hwnd(), IDC_MODE_CW, IDC_MODE_SSB, m_Mode ? IDC_MODE_CW : IDC_MODE_SSB);
  m_Window = hwnd();
  // A cancel asked for before the window existed (the caller's thread was told to quit).
  if (m_CancelRequested) PostMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  return true;
}

bool Mode::OnCommand(int controlId, int notifyCode) {
  if (notifyCode != BN_CLICKED) return false;
  if (controlId == IDC_MODE_SSB) {
    m_Mode = 0;
    return true;
  }
  if (controlId == IDC_MODE_CW) {
    m_Mode = 1;
    return true;
  }
  return false;
}

DWORD WINAPI Mode::Worker(void* self) {
  Mode* dialog = static_cast<Mode*>(self);
  dialog->m_Result = dialog->platform::Dialog::DoModal();
  dialog->m_Window = nullptr;
  return 0;
}

void Mode::CancelFromAnotherThread() {
  m_CancelRequested = true;
  const HWND window = m_Window;
  if (window != nullptr) PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

// The dialog's window belongs to a worker thread, so the host's windows, which belong to the
// calling thread, keep being served while the operator decides. Everything that arrives in
// the calling thread's queue meanwhile goes where the host's own loop would send it: window
// messages are translated and dispatched; thread messages, which only the host's loop knows
// what to do with, are put back in the queue once the dialog has closed; a quit message ends
// the dialog as cancelled and is put back last, so the host's loop still sees it.
INT_PTR Mode::DoModal() {
  m_Result = IDCANCEL;
  HANDLE worker = CreateThread(nullptr, 0, &Mode::Worker, this, 0, nullptr);
  if (worker == nullptr) return platform::Dialog::DoModal();

  std::vector<MSG> threadMessages;
  bool quit = false;
  WPARAM quitCode = 0;
  for (;;) {
    const DWORD woken = MsgWaitForMultipleObjects(1, &worker, FALSE, INFINITE, QS_ALLINPUT);
    if (woken == WAIT_OBJECT_0 || woken == WAIT_FAILED) break;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        quit = true;
        quitCode = message.wParam;
        CancelFromAnotherThread();
      } else if (message.hwnd == nullptr && message.message != WM_TIMER) {
        threadMessages.push_back(message);
      } else {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
  }
  WaitForSingleObject(worker, INFINITE);
  CloseHandle(worker);

  const DWORD thisThread = GetCurrentThreadId();
  for (const MSG& message : threadMessages) {
    PostThreadMessageW(thisThread, message.message, message.wParam, message.lParam);
  }
  if (quit) PostQuitMessage(static_cast<int>(quitCode));
  return m_Result;
}

}  // namespace ui
