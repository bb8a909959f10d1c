#pragma once
// Where the three status windows open, and how their positions are remembered.
//
// Each window keeps its top-left corner under a pair of keys of its own. The three share one
// remembered position: a window's opening loads its keys into it, and whenever the mouse
// moves over a window each coordinate that differs from the remembered one is stored, both
// in the cache and under that window's key. Used on the windows' thread only.

namespace ui {

struct WindowPositionKeys {
  const char* xKey;
  const char* yKey;
  // Used in place of a stored 0 (which is also what a missing key reads as); 0 for none.
  int defaultX;
  int defaultY;
};

inline constexpr WindowPositionKeys kZoneRPosition{"zone_r_x", "zone_r_y", 10, 10};
inline constexpr WindowPositionKeys kOblastPosition{"oblast_x", "oblast_y", 0, 0};
inline constexpr WindowPositionKeys kDxccPosition{"dxcc_x", "dxcc_y", 10, 400};

struct ScreenPoint {
  int x = 0;
  int y = 0;
};

// The remembered position shared by the three windows; 0, 0 at load.
extern int g_LastWindowX;
extern int g_LastWindowY;

// Reads the window's keys, puts its defaults in place of zeros, remembers the result and
// returns it as the position to open at.
ScreenPoint LoadWindowPosition(const WindowPositionKeys& keys);

// The window's outer top-left corner is `topLeft` as the mouse moves over it: stores each
// coordinate that differs from the remembered one.
void RememberWindowPosition(const WindowPositionKeys& keys, ScreenPoint topLeft);

}  // namespace ui
