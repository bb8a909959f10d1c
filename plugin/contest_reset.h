#pragma once
// Starting an evaluation (ResetStats0) and choosing the contest mode (SetupSet0).
#include <string_view>

#include "rules/ole_date_time.h"

struct ResetInput {
  int exportPass = 0;          // 2: nonzero while the host replays the log for export
  std::string_view ownCall;    // 3
  OleDateTime contestTime;     // 4
  OleDateTime contestTime2;    // 5
};

// ResetStats0. In this order: the contest day and month, the own zone (from the callsign,
// else the "Zone" setting, else the zone prompt, whose answer is saved), the own call; then
// the points row. When the points file cannot be opened, a message box says so and 0 is
// returned with everything after the own call left as it was. Otherwise: the QSO list and
// band list are emptied, each status-window row of worked times is reset to its band and
// three "-", the export flag is kept, the export pass's Cabrillo step runs, the status
// windows' start rule is applied, err.txt is restarted with its title line; returns 1.
int ResetContest(const ResetInput& input);

// SetupSet0: asks for the contest mode, starting from the "Mode" setting; an answer is kept
// in g_Mode and saved under "Mode", a cancel changes nothing.
void SetupContestMode();
