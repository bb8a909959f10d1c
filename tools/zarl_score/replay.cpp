#include "tools/zarl_score/replay.h"

#include <type_traits>
#include <unordered_set>

#include "plugin/stats_api.h"

// The entry points, linked in from the plug-in's own export code.
extern "C" {
std::remove_pointer_t<ResetStats0Fn> ResetStats0;
std::remove_pointer_t<AddData0Fn> AddData0;
std::remove_pointer_t<GetResult0Fn> GetResult0;
}

namespace zarl_score {
namespace {

HostDateTime ToHost(const OleDateTime& t) { return HostDateTime{t.Days(), t.GetStatus()}; }

}  // namespace

ReplayOutcome ReplayExportPass(const std::string& ownCall, const OleDateTime& contestStart,
                               const OleDateTime& contestEnd, const std::vector<LogQso>& qsos,
                               const std::vector<std::string>& countries) {
  ReplayOutcome outcome;
  // Arguments the plug-in ignores get empty texts, zeros and the null date-time.
  const char* none = "";
  HostDateTime noTime{0.0, OleDateTime::kNull};
  HostDateTime start = ToHost(contestStart), end = ToHost(contestEnd);
  outcome.started = ResetStats0(none, 1, ownCall.c_str(), &start, &end, none, none, none, none,
                                none, none, none, none, none, none, 0, 0, 0, 0.0, 0.0, none,
                                none, none) == 1;
  if (!outcome.started) return outcome;

  std::unordered_set<std::string> logged;  // call, band and mode of every accepted QSO
  logged.reserve(qsos.size());
  std::string key;
  for (std::size_t i = 0; i < qsos.size(); ++i) {
    const LogQso& q = qsos[i];
    HostDateTime time =
        ToHost(OleDateTime::FromParts(q.year, q.month, q.day, q.hour, q.minute, q.second));
    const int added =
        AddData0(ownCall.c_str(), q.call.c_str(), &time, &noTime, &noTime, &noTime, 0, q.freqHz,
                 q.mode.c_str(), q.rstSent.c_str(), q.rstRcvd.c_str(), q.serialSent.c_str(),
                 q.exchRcvd.c_str(), none, none, none, none, none, none, none, none, none,
                 countries[i].c_str(), 0, 0, 0, 0.0, 0.0, none, none, none, q.band.c_str(), none);
    if (added != 1) {
      ++outcome.rejected;
      continue;
    }
    ++outcome.accepted;
    key.assign(q.call).append(1, '\0').append(q.band).append(1, '\0').append(q.mode);
    if (!logged.insert(key).second) ++outcome.dupes;
  }
  outcome.resultText = GetResult0(&outcome.exportDone);
  return outcome;
}

}  // namespace zarl_score
