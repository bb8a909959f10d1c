#include "plugin/contest_reset.h"

#include <optional>
#include <string>

#include "platform/prompts.h"
#include "plugin/cabrillo_export.h"
#include "plugin/error_log.h"
#include "plugin/module_state.h"
#include "plugin/points_file.h"
#include "plugin/settings.h"
#include "plugin/status_windows_start.h"
#include "rules/bands.h"
#include "rules/own_zone.h"

namespace {

// The own zone for `ownCall`. A call whose oblast has no zone (a stroke, a special-event
// call, an unknown one) leaves it to the operator: the saved "Zone", or the prompt when
// none is saved; an answer to the prompt is saved for the next contest.
int32_t OwnZoneFor(std::string_view ownCall) {
  const rules::OwnZoneDecision decision = rules::DecideOwnZone(ownCall);
  if (decision.source == rules::OwnZoneSource::kCallsign) return decision.zone;
  const int32_t saved = ReadIniInt(SettingKey::Zone);
  if (saved != 0) return saved;
  const std::optional<int> answer = platform::PromptZone();
  if (!answer) return 0;
  WriteIniInt(SettingKey::Zone, *answer);
  return *answer;
}

// The worked-times rows of the oblast window start with the band's label and no times.
void ResetWorkedTimesRows() {
  for (int band = 0; band < kBandCount; ++band) {
    StringList& row = g_WorkedTimesByBand[band];
    row.clear();
    row.emplace_back(g_BandList[band]);
    row.insert(row.end(), 3, "-");
  }
}

}  // namespace

int ResetContest(const ResetInput& input) {
  // Prompts and message boxes run without the lock: the status windows keep reading the
  // state while the operator answers.
  const std::string startDate = input.contestTime.Format("%d.%m");
  {
    std::lock_guard<std::mutex> lock(g_StateLock);
    g_StartDate = startDate;
  }
  const int32_t ownZone = OwnZoneFor(input.ownCall);
  {
    std::lock_guard<std::mutex> lock(g_StateLock);
    g_OwnZone = ownZone;
    g_OwnCall = input.ownCall;
  }

  const std::optional<rules::ZonePointsRow> points = LoadPointsRow(ownZone);
  if (!points) return 0;

  std::string ownCall;
  int32_t mode = 0;
  {
    std::lock_guard<std::mutex> lock(g_StateLock);
    g_ZonePoints = *points;
    // The six names label the worked-times rows; the list itself starts the contest empty.
    g_BandList.assign(rules::kContestBandNames.begin(), rules::kContestBandNames.end());
    ResetWorkedTimesRows();
    g_QsoList.clear();
    g_QsoIndex.Clear();
    g_BandList.clear();
    g_ExportPass = input.exportPass;
    g_ClaimedInSettings.reset();
    ownCall = g_OwnCall;
    mode = g_Mode;
  }

  if (input.exportPass != 0) {
    RunCabrilloHeaderStep(ownCall, input.contestTime, input.contestTime2, mode);
  }
  ApplyStatusWindowsStartRule(input.exportPass != 0);
  StartErrorLog();
  return 1;
}

void SetupContestMode() {
  const int32_t saved = ReadIniInt(SettingKey::Mode);
  {
    std::lock_guard<std::mutex> lock(g_StateLock);
    g_Mode = saved;
  }
  const std::optional<int> answer = platform::PromptMode(saved);
  if (!answer) return;
  {
    std::lock_guard<std::mutex> lock(g_StateLock);
    g_Mode = *answer;
  }
  WriteIniInt(SettingKey::Mode, *answer);
}
