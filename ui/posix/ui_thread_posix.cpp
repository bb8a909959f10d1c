// Natively the status windows are the scripted stand-in of platform/posix.
#include "ui/ui_thread.h"

#include "platform/status_windows.h"

namespace ui {

void StopUiThreadOnUnload() { platform::StopStatusWindows(); }

}  // namespace ui
