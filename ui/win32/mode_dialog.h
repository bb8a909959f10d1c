#pragma once
// The mode dialog: asks the operator whether the contest is worked in CW or SSB.
#include <windows.h>

#include <atomic>

#include "platform/win32/dialog.h"

namespace ui {

class Mode : public platform::Dialog {
 public:
  // `mode`: 1 CW, 0 SSB; the dialog opens with that radio button checked (any non-zero
  // value counts as CW).
  explicit Mode(int mode);

  // Runs the dialog on a worker thread of its own and waits for it, keeping the calling
  // thread's message queue moving meanwhile (see the .cpp). Returns IDOK or IDCANCEL.
  INT_PTR DoModal();

  // The chosen mode after IDOK: 1 CW, 0 SSB.
  int m_Mode;

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int controlId, int notifyCode) override;

 private:
  static DWORD WINAPI Worker(void* self);
  void CancelFromAnotherThread();

  INT_PTR m_Result = IDCANCEL;
  std::atomic<HWND> m_Window{nullptr};
  std::atomic<bool> m_CancelRequested{false};
};

}  // namespace ui
