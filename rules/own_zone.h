#pragma once
// Where the operator's own zone comes from when a contest starts.
#include <cstdint>
#include <string_view>

namespace rules {

enum class OwnZoneSource {
  kCallsign,  // `zone` below is the own zone
  kOperator,  // the "Zone" setting, or the zone dialog when that is 0/missing
};

struct OwnZoneDecision {
  OwnZoneSource source;
  int32_t zone;  // 1..7 when source is kCallsign, else 0
};

// Decides the own zone for `ownCall` (same input rules as ResolveOblast). When the call's
// oblast has a zone, that is it. Otherwise the operator must say: a call with a stroke
// ("DROB"), and equally a special-event call, an unrecognised call ("STO") or an
// oblast without a zone ("AB", "UO", "KI", "TU"), since own zone 0 would score every QSO 0.
OwnZoneDecision DecideOwnZone(std::string_view ownCall);

}  // namespace rules
