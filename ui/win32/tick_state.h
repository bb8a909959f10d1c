#pragma once
// What the oblast tick last learned, kept for the DXCC window on the windows' thread: the
// callsign being typed, the band the host is tuned to, and the worked-with rows for that
// callsign. Used on the windows' thread only.
#include <string>

#include "ui/oblast_tick_view.h"

namespace ui {

extern std::string g_CurrentCall;
// Band index of the last tick or DXCC timer, -1 when the host is on none of the six.
extern int g_CurrentBand;
extern WorkedTimesTable g_WorkedTimes;

}  // namespace ui
