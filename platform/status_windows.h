#pragma once
// What the exports need of the status windows, which run on a thread of their own.

namespace platform {

// True while the zone window (and with it the windows' thread) exists.
bool StatusWindowsRunning();
// Starts the windows' thread; stops a running one first.
void StartStatusWindows();
// Closes all three windows and returns once their thread has let go of them.
void StopStatusWindows();
// Restarts the oblast window's refresh delay: called for every keystroke in the host's
// callsign field, so the window updates shortly after typing pauses.
void RefreshOblastWindow();

}  // namespace platform
