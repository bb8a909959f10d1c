#include "ui/contest_snapshot.h"

#include <atomic>

namespace ui {
namespace {
std::atomic<ContestSnapshotProvider> g_SnapshotProvider{nullptr};
}

void SetContestSnapshotProvider(ContestSnapshotProvider provider) { g_SnapshotProvider = provider; }

ContestSnapshot TakeContestSnapshot() {
  const ContestSnapshotProvider provider = g_SnapshotProvider;
  return provider != nullptr ? provider() : ContestSnapshot{};
}

}  // namespace ui
