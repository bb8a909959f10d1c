#include "plugin/status_windows_start.h"

#include "platform/status_windows.h"
#include "plugin/settings.h"

void ApplyStatusWindowsStartRule(bool exportPass) {
  if (exportPass) WriteIniInt(SettingKey::Start, 1);
  if (ReadIniInt(SettingKey::Start) != 0) {
    WriteIniInt(SettingKey::Start, 0);
    return;
  }
  if (platform::StatusWindowsRunning()) return;
  platform::StartStatusWindows();
  WriteIniInt(SettingKey::Start, 1);
}
