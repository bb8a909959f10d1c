#pragma once
// Replays a log through the plug-in's entry points the way the host's export pass does:
// ResetStats0 with the export flag, AddData0 for every QSO in log order, one GetResult0.
// The plug-in works in the current directory (Plugins/Points_ZARL.txt, Plugins/ZARL.ini,
// err.txt and the Cabrillo file), so the caller chooses that folder first.
#include <string>
#include <vector>

#include "rules/ole_date_time.h"
#include "tools/zarl_score/log_qso.h"

namespace zarl_score {

struct ReplayOutcome {
  bool started = false;    // ResetStats0 returned 1 (0: the points table could not be read)
  int accepted = 0;        // AddData0 returned 1, dupes included
  int rejected = 0;        // AddData0 returned 0 (its reason is in err.txt)
  int dupes = 0;           // accepted QSOs repeating an earlier one's call, band and mode
  int exportDone = 0;      // what GetResult0 stored in the host's integer (-1: export done)
  std::string resultText;  // GetResult0's text, code page 1251
};

// `countries[i]` is the country prefix passed with `qsos[i]`. `contestStart` and
// `contestEnd` are the two contest date-times ResetStats0 takes; the first gives the date
// in the result's header.
ReplayOutcome ReplayExportPass(const std::string& ownCall, const OleDateTime& contestStart,
                               const OleDateTime& contestEnd, const std::vector<LogQso>& qsos,
                               const std::vector<std::string>& countries);

}  // namespace zarl_score
