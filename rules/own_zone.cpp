#include "rules/own_zone.h"

#include "rules/oblast_resolver.h"
#include "rules/oblast_zones.h"

namespace rules {

OwnZoneDecision DecideOwnZone(std::string_view ownCall) {
  const int32_t zone = ZoneOfOblast(ResolveOblast(ownCall));
  if (zone != 0) return {OwnZoneSource::kCallsign, zone};
  return {OwnZoneSource::kOperator, 0};
}

}  // namespace rules
