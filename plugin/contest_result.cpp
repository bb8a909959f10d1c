#include "plugin/contest_result.h"

#include <string>
#include <vector>

#include "platform/settings_store.h"
#include "plugin/cabrillo_export.h"
#include "plugin/module_state.h"
#include "plugin/settings.h"
#include "rules/bands.h"
#include "rules/result_text.h"

namespace {

rules::ResultQso ResultView(const CInfo& r) {
  return {r.m_Call, r.m_Country, r.m_Band, r.m_ExchRcvd, r.m_Zone, r.m_Oblast, r.m_Dupe != 0,
          r.m_Time};
}

// A row of a band outside the six has no per-band lists: it touches none of the six bands'.
void ApplyRowLists(std::vector<rules::BandRowLists>& rows) {
  for (rules::BandRowLists& row : rows) {
    if (row.bandIndex < 0) continue;
    g_OblastsByBand[row.bandIndex] = std::move(row.oblasts);
    g_ZonesByBand[row.bandIndex] = std::move(row.zones);
    g_DxccByBand[row.bandIndex] = std::move(row.countries);
  }
}

// WriteIniInt's text, through the call that says whether the file took it: a score that
// could not be saved is tried again on the next call.
bool SaveClaimed(int32_t score) {
  return platform::WriteProfileValue(g_IniSection, SettingKeyName(SettingKey::Claimed),
                                     std::to_string(score), g_IniFile);
}

}  // namespace

const char* ProduceResult(int* exportDone) {
  bool exportPass = false;
  int32_t score = 0;
  {
    std::lock_guard<std::mutex> lock(g_StateLock);
    exportPass = g_ExportPass != 0;
    rules::SortBandsForResult(g_BandList);
    const rules::ResultContext context{g_StartDate, g_OwnCall, exportPass, g_ZonePoints};
    const OleDateTime reference = rules::RateReference(
        exportPass, g_QsoList.size(), g_QsoList.empty() ? OleDateTime() : g_QsoList.back().m_Time);
    rules::ContestResultBuilder builder(context, g_BandList, reference);
    for (const CInfo& record : g_QsoList) builder.Add(ResultView(record));
    rules::ContestResult result = builder.Finish();
    ApplyRowLists(result.rows);
    g_ResultText = std::move(result.text);
    g_ClaimedScore = result.score;
    score = result.score;
  }
  if (g_ClaimedInSettings != score && SaveClaimed(score)) g_ClaimedInSettings = score;
  if (exportPass) RunCabrilloExportStep(exportDone);
  return g_ResultText.c_str();
}
