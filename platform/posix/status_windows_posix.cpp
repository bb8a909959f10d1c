// Natively there are no status windows; the exports' requests are only recorded.
#include "platform/status_windows.h"

#include "platform/posix/scripted_seams.h"

namespace platform {

StatusWindowsRecord& FakeStatusWindows() {
  static StatusWindowsRecord record;
  return record;
}

bool StatusWindowsRunning() { return FakeStatusWindows().running; }

void StartStatusWindows() {
  if (FakeStatusWindows().running) StopStatusWindows();
  FakeStatusWindows().running = true;
  ++FakeStatusWindows().starts;
}

void StopStatusWindows() {
  if (!FakeStatusWindows().running) return;
  FakeStatusWindows().running = false;
  ++FakeStatusWindows().stops;
}

void RefreshOblastWindow() { ++FakeStatusWindows().refreshes; }

}  // namespace platform
