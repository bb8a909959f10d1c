#include "plugin/module_state.h"

std::mutex g_StateLock;

std::vector<CInfo> g_QsoList;
StringList g_BandList;
PerBandLists g_OblastsByBand;
PerBandLists g_WorkedTimesByBand;
PerBandLists g_DxccByBand;
PerBandLists g_ZonesByBand;
std::array<int32_t, 8> g_ZonePoints{};
int32_t g_ClaimedScore = 0;
int32_t g_OwnZone = 0;
int32_t g_Mode = 0;
int32_t g_ExportPass = 0;
std::string g_OwnCall;
std::string g_StartDate;
std::string g_ResultText;
QsoIndex g_QsoIndex;
std::optional<int32_t> g_ClaimedInSettings;

void ResetModuleStateToLoaded() {
  std::lock_guard<std::mutex> lock(g_StateLock);
  g_QsoList.clear();
  g_BandList.clear();
  for (PerBandLists* lists : {&g_OblastsByBand, &g_WorkedTimesByBand, &g_DxccByBand, &g_ZonesByBand}) {
    for (StringList& band : *lists) band.clear();
  }
  g_ZonePoints.fill(0);
  g_ClaimedScore = 0;
  g_OwnZone = 0;
  g_Mode = 0;
  g_ExportPass = 0;
  g_OwnCall.clear();
  g_StartDate.clear();
  g_ResultText.clear();
  g_QsoIndex.Clear();
  g_ClaimedInSettings.reset();
}
