// The status windows' thread: its start, its end, and how the plug-in's unloading lets go of it.
//
// Ending the thread safely is the delicate part. The plug-in library can be unloaded while
// the windows are open; the host's thread then runs the unload while holding the system's
// loader lock, and the host's automation object most likely lives in that very thread's COM
// apartment. While the unload waits, the windows' thread must therefore not do anything that
// needs the loader lock (uninitialising COM may unload libraries, and a thread's own exit
// takes the lock) or the host's thread (releasing the link to the host is a call into the
// host's apartment), and once the unload has finished no code of the plug-in may run on it.
//
// So the thread ends in two steps. In plug-in code it destroys its windows and clears the
// slots ("windows closed"). Its last act in plug-in code is one atomic call that signals
// "finished" and enters an alertable wait; what is left then runs from system code only, as
// asynchronous procedure calls queued beforehand: during an unload the release of the host
// link, and in every case the thread's exit, which also lets COM clean up the thread's
// apartment. Outside an unload the thread releases the link and uninitialises COM itself,
// after "windows closed", so a stop from an export does not wait for the host's apartment.
//
// A thread that is itself waiting for the loader lock cannot get out while the unload holds
// it. Its first steps are the likeliest place for that, so a start returns only once the zone
// window is up; a thread still stuck when the unload's wait runs out is ended by force, the
// one way left to keep it from running the plug-in's code after the unload.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <vector>

#include "platform/status_windows.h"
#include "ui/ui_thread.h"
#include "ui/win32/dxcc_window.h"
#include "ui/win32/host_link.h"
#include "ui/win32/oblast_window.h"
#include "ui/win32/ui_thread_win32.h"
#include "ui/win32/zone_r_window.h"

namespace ui {

Zone_R* g_ZoneRWindow = nullptr;
oblast* g_OblastWindow = nullptr;
DXCC* g_DxccWindow = nullptr;

namespace {

DXCC* g_DiscardedDxccWindow = nullptr;

// How long an unload waits for the windows' thread before it ends the thread by force.
constexpr DWORD kUnloadWaitMs = 3000;
// How long a start waits for the zone window to be up.
constexpr DWORD kStartWaitMs = 10000;

enum LeavingState : int { kRunning, kUnloading, kLeavingNormally };

// One run of the windows' thread, as the host's thread knows it.
struct UiThreadRecord {
  HANDLE thread = nullptr;
  HANDLE started = nullptr;        // manual reset: the zone window is up and serving messages
  HANDLE windowsClosed = nullptr;  // manual reset: the windows are destroyed, slots cleared
  HANDLE finished = nullptr;       // manual reset: no plug-in code runs on the thread any more
  HANDLE never = nullptr;          // never signalled: the thread's last wait
  std::atomic<int> leaving{kRunning};
  std::atomic<bool> closeRequested{false};
  std::atomic<HWND> zoneWindow{nullptr};
  std::atomic<HWND> oblastWindow{nullptr};
};

// Host's side, under g_HostSideLock: the current run and the runs that are still ending.
std::mutex g_HostSideLock;
UiThreadRecord* g_Current = nullptr;
std::vector<UiThreadRecord*> g_Ending;

// Windows' thread side.
UiThreadRecord* g_ThisRun = nullptr;
bool g_ComInitialised = false;

bool IsSignalled(HANDLE handle) { return WaitForSingleObject(handle, 0) == WAIT_OBJECT_0; }

// The thread is past `event`, or gone altogether (a process that exits ends it without
// running any of its code).
bool WaitForRunEvent(const UiThreadRecord& run, HANDLE event, DWORD timeoutMs) {
  const HANDLE handles[2] = {event, run.thread};
  const DWORD woken = WaitForMultipleObjects(2, handles, FALSE, timeoutMs);
  return woken == WAIT_OBJECT_0 || woken == WAIT_OBJECT_0 + 1;
}

bool HasFinished(const UiThreadRecord& run) { return IsSignalled(run.finished) || IsSignalled(run.thread); }

void Discard(UiThreadRecord* run) {
  for (HANDLE handle : {run->thread, run->started, run->windowsClosed, run->finished, run->never}) {
    if (handle != nullptr) CloseHandle(handle);
  }
  delete run;
}

void DiscardFinishedRuns() {
  std::vector<UiThreadRecord*> stillEnding;
  for (UiThreadRecord* run : g_Ending) {
    if (HasFinished(*run)) {
      Discard(run);
    } else {
      stillEnding.push_back(run);
    }
  }
  g_Ending.swap(stillEnding);
}

// Whichever of the two sides comes second sends the close: the host's thread when the
// window exists already, the window itself (PublishZoneWindow) when it appears later.
void RequestClose(UiThreadRecord& run) {
  run.closeRequested = true;
  const HWND zone = run.zoneWindow;
  if (zone != nullptr) PostMessageW(zone, WM_CLOSE, 0, 0);
}

void StopLocked() {
  DiscardFinishedRuns();
  UiThreadRecord* run = g_Current;
  if (run == nullptr) return;
  g_Current = nullptr;
  RequestClose(*run);
  WaitForRunEvent(*run, run->windowsClosed, INFINITE);
  if (HasFinished(*run)) {
    Discard(run);
  } else {
    g_Ending.push_back(run);
  }
}

// Routines queued to the thread's own APC queue must be system code: they run when the
// plug-in may be gone. IUnknown::Release and ExitThread both take one pointer-sized argument
// in the calling convention of an APC routine.
PAPCFUNC ReleaseRoutineOf(IUnknown* object) {
  void** vtable = *reinterpret_cast<void***>(object);
  constexpr int kReleaseSlot = 2;  // QueryInterface, AddRef, Release
  return reinterpret_cast<PAPCFUNC>(vtable[kReleaseSlot]);
}

PAPCFUNC ExitThreadRoutine() {
  return reinterpret_cast<PAPCFUNC>(reinterpret_cast<void (*)()>(&ExitThread));
}

[[noreturn]] void LeaveThread(UiThreadRecord& run, DWORD exitCode) {
  IDispatch* link = g_HostDispatch.Detach();
  const bool comInitialised = g_ComInitialised;
  g_ComInitialised = false;
  g_ThisRun = nullptr;

  int expected = kRunning;
  const bool unloading = !run.leaving.compare_exchange_strong(expected, kLeavingNormally);
  SetEvent(run.windowsClosed);

  if (!unloading) {
    if (link != nullptr) link->Release();
    link = nullptr;
    if (comInitialised) CoUninitialize();
  }
  const HANDLE self = GetCurrentThread();
  if (link != nullptr) QueueUserAPC(ReleaseRoutineOf(link), self, reinterpret_cast<ULONG_PTR>(link));
  QueueUserAPC(ExitThreadRoutine(), self, exitCode);
  SignalObjectAndWait(run.finished, run.never, INFINITE, TRUE);
  // Reached only if the wait could not be entered; the plug-in is still loaded then.
  for (;;) SleepEx(INFINITE, TRUE);
}

}  // namespace

DWORD WINAPI UiThreadProc(void* record) {
  UiThreadRecord& run = *static_cast<UiThreadRecord*>(record);
  if (g_ZoneRWindow != nullptr) LeaveThread(run, 1);
  g_ThisRun = &run;

  g_ZoneRWindow = new Zone_R;
  g_ZoneRWindow->DoModal();

  run.zoneWindow = nullptr;
  run.oblastWindow = nullptr;
  delete g_OblastWindow;
  g_OblastWindow = nullptr;
  delete g_DxccWindow;
  g_DxccWindow = nullptr;
  DeleteDiscardedDxccWindow();
  delete g_ZoneRWindow;
  g_ZoneRWindow = nullptr;
  LeaveThread(run, 0);
}

void PublishZoneWindow(HWND window) {
  if (g_ThisRun == nullptr) return;
  g_ThisRun->zoneWindow = window;
  if (g_ThisRun->closeRequested) PostMessageW(window, WM_CLOSE, 0, 0);
}

void ReportZoneWindowServing() {
  if (g_ThisRun != nullptr) SetEvent(g_ThisRun->started);
}

void LinkToHost() {
  if (!g_ComInitialised) g_ComInitialised = SUCCEEDED(CoInitialize(nullptr));
  if (g_ComInitialised && !g_HostDispatch.connected()) g_HostDispatch.Connect();
}

void OpenOblastWindow() {
  if (g_OblastWindow != nullptr) return;
  g_OblastWindow = new oblast;
  if (!g_OblastWindow->Create()) {
    delete g_OblastWindow;
    g_OblastWindow = nullptr;
    return;
  }
  ShowWindow(g_OblastWindow->hwnd(), SW_SHOW);
  if (g_ThisRun != nullptr) g_ThisRun->oblastWindow = g_OblastWindow->hwnd();
}

void DiscardDxccWindowLater(DXCC* window) {
  DeleteDiscardedDxccWindow();
  g_DiscardedDxccWindow = window;
  if (g_ZoneRWindow != nullptr) PostMessageW(g_ZoneRWindow->hwnd(), kDiscardDxccWindow, 0, 0);
}

void DeleteDiscardedDxccWindow() {
  delete g_DiscardedDxccWindow;
  g_DiscardedDxccWindow = nullptr;
}

void StartUiThread() {
  std::lock_guard<std::mutex> lock(g_HostSideLock);
  StopLocked();
  auto* run = new UiThreadRecord;
  run->started = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  run->windowsClosed = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  run->finished = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  run->never = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (run->started && run->windowsClosed && run->finished && run->never) {
    run->thread = CreateThread(nullptr, 0, &UiThreadProc, run, 0, nullptr);
  }
  if (run->thread == nullptr) {
    Discard(run);
    return;
  }
  g_Current = run;
  // The thread's first steps may need the loader lock (the system loads what a thread's
  // first window needs); an unload must not catch it there, so the start returns once the
  // zone window is up, or the thread has given up.
  const HANDLE startOrEnd[3] = {run->started, run->windowsClosed, run->thread};
  WaitForMultipleObjects(3, startOrEnd, FALSE, kStartWaitMs);
}

void StopUiThread() {
  std::lock_guard<std::mutex> lock(g_HostSideLock);
  StopLocked();
}

void StopUiThreadOnUnload() {
  std::lock_guard<std::mutex> lock(g_HostSideLock);
  if (g_Current != nullptr) {
    UiThreadRecord* run = g_Current;
    g_Current = nullptr;
    int expected = kRunning;
    run->leaving.compare_exchange_strong(expected, kUnloading);
    RequestClose(*run);
    g_Ending.push_back(run);
  }
  for (UiThreadRecord* run : g_Ending) {
    // A thread that does not get out in time is stuck, most likely on the loader lock this
    // unload holds; left alone it would run the plug-in's code once the library is gone.
    if (!WaitForRunEvent(*run, run->finished, kUnloadWaitMs)) TerminateThread(run->thread, 2);
  }
  DiscardFinishedRuns();
}

}  // namespace ui

namespace platform {

bool StatusWindowsRunning() {
  std::lock_guard<std::mutex> lock(ui::g_HostSideLock);
  return ui::g_Current != nullptr && !ui::IsSignalled(ui::g_Current->windowsClosed) &&
         !ui::IsSignalled(ui::g_Current->thread);
}

void StartStatusWindows() { ui::StartUiThread(); }

void StopStatusWindows() { ui::StopUiThread(); }

void RefreshOblastWindow() {
  std::lock_guard<std::mutex> lock(ui::g_HostSideLock);
  if (ui::g_Current == nullptr) return;
  const HWND window = ui::g_Current->oblastWindow;
  if (window != nullptr) PostMessageW(window, ui::kRearmOblastTimer, 0, 0);
}

}  // namespace platform
