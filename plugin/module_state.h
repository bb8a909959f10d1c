#pragma once
// The plug-in's contest state. It lives from load to unload; ResetStats0 is its only reset.
//
// The host's thread changes it through the exports while the status windows' thread reads
// it, so every access goes through g_StateLock. Readers on the window thread take a copy
// under the lock and work on the copy; nobody holds the lock while talking to a window.
#include <array>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "plugin/cinfo.h"
#include "plugin/qso_index.h"

// Band index shared by the per-band arrays: 0 "160m", 1 "80m", 2 "40m", 3 "20m", 4 "15m",
// 5 "10m".
constexpr int kBandCount = 6;
using StringList = std::vector<std::string>;
using PerBandLists = std::array<StringList, kBandCount>;

extern std::mutex g_StateLock;

extern std::vector<CInfo> g_QsoList;       // accepted QSOs since the last reset, dupes included
extern StringList g_BandList;              // band names in the order first met
extern PerBandLists g_OblastsByBand;       // oblast codes worked, per band
extern PerBandLists g_WorkedTimesByBand;   // per band: label, CW slot, SSB slot, spare slot
extern PerBandLists g_DxccByBand;          // country prefixes worked, per band
extern PerBandLists g_ZonesByBand;         // zone digits worked, per band
extern std::array<int32_t, 8> g_ZonePoints;  // points per worked zone 0..7; slot 0 stays 0
extern int32_t g_ClaimedScore;
extern int32_t g_OwnZone;                  // 1..7, 0 while unknown
extern int32_t g_Mode;                     // 1 CW, 0 SSB
extern int32_t g_ExportPass;               // nonzero while the host replays the log for export
extern std::string g_OwnCall;
extern std::string g_StartDate;            // contest day and month, "%d.%m"
extern std::string g_ResultText;           // GetResult0 hands out this buffer

// Look-ups over g_QsoList, changed together with it.
extern QsoIndex g_QsoIndex;
// The score last written under "Claimed" in this evaluation; the host asks for the result
// after every QSO, and an unchanged score need not rewrite the settings file. Used on the
// host's thread only.
extern std::optional<int32_t> g_ClaimedInSettings;

// Restores the state a freshly loaded plug-in has (used by tests and by unload).
void ResetModuleStateToLoaded();
