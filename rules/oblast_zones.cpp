#include "rules/oblast_zones.h"

#include <iterator>

namespace rules {
namespace {

struct OblastZone {
  std::string_view code;
  int32_t zone;
};

// "KI" and "TU" are resolved and have a box in the oblast window, but the contest assigns
// them no zone; an operator there gives the zone by hand (see own_zone.h).
constexpr OblastZone kOblastZones[] = {
    {"SP", 1}, {"LO", 1}, {"KL", 1}, {"AR", 1}, {"NO", 1}, {"VO", 1}, {"NV", 1}, {"PS", 1},
    {"MU", 1}, {"KA", 1},

    {"MA", 2}, {"MO", 2}, {"OR", 2}, {"LP", 2}, {"TV", 2}, {"SM", 2}, {"YR", 2}, {"JA", 2},
    {"KS", 2}, {"TL", 2}, {"VR", 2}, {"TB", 2}, {"RA", 2}, {"IV", 2}, {"VL", 2}, {"KU", 2},
    {"KG", 2}, {"BR", 2}, {"BO", 2}, {"VG", 2}, {"KR", 2}, {"KM", 2}, {"RO", 2}, {"AO", 2},
    {"AD", 2}, {"KC", 2}, {"ST", 2}, {"SO", 2}, {"CN", 2}, {"IN", 2}, {"DA", 2}, {"KB", 2},
    {"NN", 2}, {"SA", 2}, {"PE", 2}, {"SR", 2}, {"UL", 2}, {"TA", 2}, {"MR", 2}, {"MD", 2},
    {"UD", 2}, {"CU", 2}, {"RK", 2}, {"SE", 2},

    {"KO", 3}, {"PM", 3}, {"OB", 3}, {"BA", 3}, {"CB", 3}, {"SV", 3}, {"TN", 3}, {"KN", 3},

    {"HM", 4}, {"YN", 4}, {"JN", 4}, {"TO", 4}, {"OM", 4}, {"NS", 4}, {"KE", 4}, {"AL", 4},
    {"GA", 4}, {"KK", 4}, {"HA", 4},

    {"BU", 5}, {"IR", 5}, {"ZK", 5},

    {"HK", 6}, {"EA", 6}, {"SL", 6}, {"PK", 6}, {"YA", 6},

    {"MG", 7}, {"AM", 7}, {"CK", 7}, {"KJ", 7}, {"KT", 7},
};
static_assert(std::size(kOblastZones) == 86);

}  // namespace

int32_t ZoneOfOblast(std::string_view code) {
  for (const OblastZone& entry : kOblastZones) {
    if (entry.code == code) return entry.zone;
  }
  return 0;
}

}  // namespace rules
