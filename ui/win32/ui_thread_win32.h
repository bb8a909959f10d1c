#pragma once
// The status windows' thread on Windows. The window objects are created, used and deleted on
// that thread only, and are reachable through the slots below from that thread only; the
// host's thread reaches the windows by posting messages to their handles.
#include <windows.h>

namespace platform {
class Dialog;
}

namespace ui {

class Zone_R;
class oblast;

extern Zone_R* g_ZoneRWindow;
extern oblast* g_OblastWindow;
extern platform::Dialog* g_DxccWindow;

// Starts the windows' thread, after stopping a running one.
void StartUiThread();
// Closes the windows and returns once their thread has destroyed them. Returns at once when
// there is no such thread.
void StopUiThread();
// The windows' thread. Its exit code is 1 when another windows' thread already held the
// zone window, else 0.
DWORD WINAPI UiThreadProc(void* record);

// On the windows' thread, from the zone window: its window exists now.
void PublishZoneWindow(HWND window);
// On the windows' thread, from the zone window: it is shown and its message loop runs.
void ReportZoneWindowServing();
// On the windows' thread: initialises COM for the thread and links to the host's running
// automation object, if there is one. Done once per windows' thread.
void LinkToHost();
// On the windows' thread: creates and shows the oblast window unless it exists.
void OpenOblastWindow();

}  // namespace ui
