#pragma once
// One run of the scoring tool: read the log, prepare the plug-in's working folder, replay
// the log through the plug-in's export pass and report.
#include <ostream>

#include "tools/zarl_score/options.h"

namespace zarl_score {

// Writes the result text to `out` (UTF-8 outside Windows) and every message, the problems
// found in the log and the summary to `err`. The plug-in writes err.txt and the .cbr in
// options.outDir. Returns the exit status: 0 scored, 1 scored but records were left out or
// no Cabrillo file was written, 2 nothing scored. The current directory is the same after
// the call as before.
int RunScoring(const ScoreOptions& options, std::ostream& out, std::ostream& err);

}  // namespace zarl_score
