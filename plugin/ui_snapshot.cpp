#include "plugin/ui_snapshot.h"

#include <mutex>

#include "plugin/module_state.h"
#include "ui/contest_snapshot.h"

namespace {

// Copies under the state lock; the windows' thread does all its work on the copy.
ui::ContestSnapshot TakeSnapshotUnderStateLock() {
  ui::ContestSnapshot snapshot;
  std::lock_guard<std::mutex> lock(g_StateLock);
  snapshot.qsos.reserve(g_QsoList.size());
  for (const CInfo& qso : g_QsoList) {
    snapshot.qsos.push_back({qso.m_Call, qso.m_Band, qso.m_Mode, qso.m_Time});
  }
  for (int band = 0; band < kBandCount; ++band) {
    snapshot.oblastsByBand[band] = g_OblastsByBand[band];
    snapshot.zonesByBand[band] = g_ZonesByBand[band];
    snapshot.dxccByBand[band] = g_DxccByBand[band];
  }
  return snapshot;
}

void StoreModeUnderStateLock(int32_t mode) {
  std::lock_guard<std::mutex> lock(g_StateLock);
  g_Mode = mode;
}

static_assert(kBandCount == ui::kSnapshotBandCount);

}  // namespace

void RegisterUiSnapshotProvider() {
  ui::SetContestSnapshotProvider(&TakeSnapshotUnderStateLock);
  ui::SetContestModeSetter(&StoreModeUnderStateLock);
}
