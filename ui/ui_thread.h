#pragma once
// The status windows' thread as the plug-in's load and unload see it. Starting, stopping and
// the refresh that the exports need go through platform/status_windows.h.

namespace ui {

// Closes the status windows while the plug-in library is being unloaded. Returns promptly;
// once it has returned no code of the plug-in runs on the windows' thread any more.
void StopUiThreadOnUnload();

}  // namespace ui
