#include "ui/window_position.h"

#include "ui/ui_settings.h"

namespace ui {

int g_LastWindowX = 0;
int g_LastWindowY = 0;

ScreenPoint LoadWindowPosition(const WindowPositionKeys& keys) {
  g_LastWindowX = ReadSettingInt(keys.xKey);
  g_LastWindowY = ReadSettingInt(keys.yKey);
  if (g_LastWindowX == 0) g_LastWindowX = keys.defaultX;
  if (g_LastWindowY == 0) g_LastWindowY = keys.defaultY;
  return {g_LastWindowX, g_LastWindowY};
}

void RememberWindowPosition(const WindowPositionKeys& keys, ScreenPoint topLeft) {
  if (topLeft.x != g_LastWindowX) {
    g_LastWindowX = topLeft.x;
    WriteSettingInt(keys.xKey, topLeft.x);
  }
  if (topLeft.y != g_LastWindowY) {
    g_LastWindowY = topLeft.y;
    WriteSettingInt(keys.yKey, topLeft.y);
  }
}

}  // namespace ui
