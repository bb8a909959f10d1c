#include "plugin/qso_log.h"

#include <algorithm>
#include <string>
#include <utility>

#include "platform/clock.h"
#include "platform/status_windows.h"
#include "plugin/error_log.h"
#include "plugin/module_state.h"
#include "plugin/oblast_of_call.h"
#include "rules/bands.h"
#include "rules/oblast_resolver.h"
#include "rules/oblast_zones.h"
#include "rules/qso_acceptance.h"
#include "rules/text_format.h"

namespace {

CInfo MakeRecord(const QsoInput& qso, int32_t ownZone) {
  CInfo record;
  record.m_Call = qso.call;
  record.m_Band = qso.band;
  record.m_Mode = qso.mode;
  record.m_Country = qso.country;
  record.m_FreqKHz = qso.freqHz / 1000;
  record.m_RstRcvd = qso.rstRcvd;
  record.m_RstSent = qso.rstSent;
  record.m_ExchRcvd = qso.exchRcvd;
  record.m_ExchSent = std::to_string(ownZone);
  record.m_ExchSent.append(qso.serialSent);
  record.m_Oblast = OblastOfCall(qso.call);
  if (!qso.exchRcvd.empty()) record.m_Zone.assign(1, qso.exchRcvd.front());
  record.m_Time = qso.time;
  return record;
}

// The list and the index change together. A failed append leaves the record intact (the
// vector allocates before it moves the element in), so the index can let go of it again.
int32_t AppendRecord(CInfo record) {
  const int32_t earlier = g_QsoIndex.Add(record);
  record.m_Dupe = earlier > 0 ? 1 : 0;
  try {
    g_QsoList.push_back(std::move(record));
  } catch (...) {
    g_QsoIndex.Remove(record, g_QsoList);
    throw;
  }
  return earlier;
}

void RemoveFirst(StringList& list, const std::string& value) {
  const auto it = std::find(list.begin(), list.end(), value);
  if (it != list.end()) list.erase(it);
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

int AddQso(const QsoInput& qso) {
  const rules::QsoRefusal refusal =
      rules::CheckQsoAcceptance(qso.band, qso.mode, qso.serialSent, qso.exchRcvd);
  if (refusal != rules::QsoRefusal::kNone) {
    AppendToErrorLog(ErrorLogLine(qso, rules::RefusalMessage(refusal)));
    return 0;
  }

  int32_t earlier = 0;
  {
    std::lock_guard<std::mutex> lock(g_StateLock);
    if (std::find(g_BandList.begin(), g_BandList.end(), qso.band) == g_BandList.end()) {
      g_BandList.emplace_back(qso.band);
    }
    // Every earlier QSO of the same call, band and mode gets its own line in the log.
    earlier = AppendRecord(MakeRecord(qso, g_OwnZone));
  }

  if (earlier > 0) {
    const std::string line = ErrorLogLine(qso, rules::kDupeMessage);
    std::string lines;
    lines.reserve(line.size() * static_cast<size_t>(earlier));
    for (int32_t i = 0; i < earlier; ++i) lines += line;
    AppendToErrorLog(lines);
  }
  return 1;
}

int RemoveQso(const QsoInput& qso) {
  if (qso.exchRcvd.empty() || qso.serialSent.empty()) return 0;
  const bool russian = rules::IsRussianPrefix(qso.country);
  const std::string oblast = russian ? OblastOfCall(qso.call) : std::string();

  std::lock_guard<std::mutex> lock(g_StateLock);
  const auto match = std::find_if(g_QsoList.begin(), g_QsoList.end(), [&](const CInfo& r) {
    return r.m_Call == qso.call && r.m_Mode == qso.mode && r.m_Band == qso.band &&
           r.m_Time.SameInstant(qso.time);
  });
  if (match == g_QsoList.end()) return 1;

  // The band's lists lose the oblast and zone once; the next result rebuilds them exactly.
  // A band outside the six has no lists of its own and trims none.
  const int band = rules::ContestBandIndex(qso.band);
  if (russian && band >= 0) {
    RemoveFirst(g_OblastsByBand[band], oblast);
    RemoveFirst(g_ZonesByBand[band], match->m_Zone);
  }
  const CInfo removed = std::move(*match);
  g_QsoList.erase(match);
  g_QsoIndex.Remove(removed, g_QsoList);
  return 1;
}

int CheckTypedCall(const TypedCallInput& typed) {
  platform::RefreshOblastWindow();

  if (typed.band != nullptr && typed.band2 != nullptr &&
      !EqualIgnoringCase(typed.band, typed.band2)) {
    return 4;
  }
  const std::string_view band = typed.band != nullptr ? typed.band : "";
  const char* oblast = rules::ResolveOblast(typed.call);
  const std::string zone(1, static_cast<char>('0' + rules::ZoneOfOblast(oblast)));
  const int hour = platform::CurrentUtcHour();

  std::lock_guard<std::mutex> lock(g_StateLock);
  if (g_QsoIndex.WorkedAtHourNear(typed.call, band, hour, kDupeWindowHours)) return 0;
  if (!rules::IsRussianPrefix(typed.country)) return g_QsoIndex.HasZone(zone) ? 1 : 2;
  return g_QsoIndex.HasOblast(oblast) ? 1 : 3;
}
