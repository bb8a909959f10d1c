#pragma once
// The Cabrillo side of an export pass, in which the host replays the whole log so that the
// plug-in can write the contest file: one step when the pass starts, one when it ends.
#include <string>

#include "rules/ole_date_time.h"

namespace cabrillo {

// Run by ResetStats0 when an export pass starts, with the own callsign, the two contest
// date-times the host passed and the contest mode (1 CW, 0 SSB). Shows nothing and keeps
// nothing.
void BeginExportPass(const std::string& ownCall, const OleDateTime& contestTime,
                     const OleDateTime& contestTime2, int mode);

// Run by GetResult0 at the end of an export pass, after the score has been computed.
// Stores -1 in `*exportDone`, which tells the host that the export is complete; a null
// pointer is left alone. Writes no file.
void FinishExportPass(int* exportDone);

}  // namespace cabrillo
