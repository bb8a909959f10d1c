#pragma once
// What the status windows read of the contest state. The state belongs to the exports on the
// host's thread and is guarded there; the windows' thread never touches it, but asks the
// registered provider for a copy taken under that guard and works on the copy.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "rules/ole_date_time.h"

namespace ui {

// Band index as everywhere: 0 "160m", 1 "80m", 2 "40m", 3 "20m", 4 "15m", 5 "10m".
inline constexpr int kSnapshotBandCount = 6;
using SnapshotBandLists = std::array<std::vector<std::string>, kSnapshotBandCount>;

struct SnapshotQso {
  std::string call;
  std::string band;
  std::string mode;
  OleDateTime time;
};

struct ContestSnapshot {
  std::vector<SnapshotQso> qsos;         // the QSO list, in list order
  SnapshotBandLists oblastsByBand;       // oblast codes worked, per band
  SnapshotBandLists zonesByBand;         // zone digits worked, per band
  SnapshotBandLists dxccByBand;          // country prefixes worked, per band
};

// Returns a consistent copy of the state. Must not block on anything the windows' thread
// holds, and must not talk to a window.
using ContestSnapshotProvider = ContestSnapshot (*)();

// Registers the provider; nullptr removes it. Safe from any thread.
void SetContestSnapshotProvider(ContestSnapshotProvider provider);

// The provider's copy, or an empty snapshot while none is registered.
ContestSnapshot TakeContestSnapshot();

// Stores the contest mode (1 CW, 0 SSB) that the windows read from the settings, in the
// state the exports guard. Same rules as the provider.
using ContestModeSetter = void (*)(int32_t mode);

// Registers the setter; nullptr removes it. Safe from any thread.
void SetContestModeSetter(ContestModeSetter setter);

// Hands `mode` to the registered setter; does nothing while none is registered.
void StoreContestMode(int32_t mode);

}  // namespace ui
