#pragma once
// One QSO as a log file holds it, already put into the terms the plug-in's AddData0 takes,
// and what a reader found wrong with the file. The readers produce these; the replay
// hands them to the plug-in.
#include <optional>
#include <string>
#include <vector>

namespace zarl_score {

struct LogQso {
  int line = 0;         // line of the file where the record starts (1-based)
  std::string call;     // worked station, upper case
  std::string ownCall;  // the log's own call for this QSO ("" when the record has none)
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;  // UTC
  unsigned freqHz = 0;
  std::string band;  // the plug-in's band name: "160m" ... "10m", "30m", "6m", "70cm"
  std::string mode;  // "CW", "SSB", or the log's own mode text for any other mode
  std::string rstSent, rstRcvd;
  std::string serialSent;  // sent serial number without the own zone, as the host passes it
  std::string exchRcvd;    // received exchange: zone digit and serial
  std::optional<int> dxcc; // the log's DXCC entity number, when it has one
};

// Something in the file that is not a scored QSO: a record that cannot be read (it is left
// out of the scoring) or text that is not part of any record.
struct LogProblem {
  int line = 0;
  std::string message;
};

struct LogReadResult {
  std::vector<LogQso> qsos;            // readable records, in file order
  std::vector<LogProblem> malformed;   // one entry per record left out
  std::vector<LogProblem> warnings;    // text outside records, lines not understood
  int recordsRead = 0;                 // qsos.size() + malformed.size()
  std::string ownCall;                 // from the file's header (Cabrillo CALLSIGN), or ""
};

}  // namespace zarl_score
