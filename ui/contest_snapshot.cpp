#include "ui/contest_snapshot.h"

#include <atomic>

namespace ui {
namespace {
std::atomic<ContestSnapshotProvider> g_SnapshotProvider{nullptr};
std::atomic<ContestModeSetter> g_ModeSetter{nullptr};
}  // namespace

void SetContestSnapshotProvider(ContestSnapshotProvider provider) { g_SnapshotProvider = provider; }

ContestSnapshot TakeContestSnapshot() {
  const ContestSnapshotProvider provider = g_SnapshotProvider;
  return provider != nullptr ? provider() : ContestSnapshot{};
}

void SetContestModeSetter(ContestModeSetter setter) { g_ModeSetter = setter; }

void StoreContestMode(int32_t mode) {
  const ContestModeSetter setter = g_ModeSetter;
  if (setter != nullptr) setter(mode);
}

}  // namespace ui
