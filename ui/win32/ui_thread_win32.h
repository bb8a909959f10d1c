#pragma once
// The status windows' thread on Windows. The window objects are created, used and deleted on
// that thread only, and are reachable through the slots below from that thread only; the
// host's thread reaches the windows by posting messages to their handles.
#include <windows.h>

namespace ui {

class Zone_R;
class oblast;
class DXCC;

extern Zone_R* g_ZoneRWindow;
extern oblast* g_OblastWindow;
extern DXCC* g_DxccWindow;

// Posted to the zone window: delete the DXCC window object put aside by
// DiscardDxccWindowLater.
inline constexpr UINT kDiscardDxccWindow = WM_APP + 4;

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

// On the windows' thread: `window`, no longer in g_DxccWindow and already closed, is deleted
// once the message loop gets back to the zone window, so that a handler of its own may still
// be running when this is called. A window put aside earlier and not yet deleted goes now.
void DiscardDxccWindowLater(DXCC* window);
// On the windows' thread: deletes the window put aside, if any.
void DeleteDiscardedDxccWindow();

}  // namespace ui
