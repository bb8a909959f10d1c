#pragma once
// A made-up but realistic ZARL contest log in ADIF, the same bytes for the same shape on
// every machine: the bundled example and the benchmark's large logs come from here.
#include <cstdint>
#include <string>

namespace zarl_score {

struct ExampleLogShape {
  std::string ownCall = "RA3DXY";  // a Moscow-oblast call (zone 2)
  int records = 320;
  uint64_t seed = 2026;
  // Share of records that are dupes, 30 m QSOs, RTTY QSOs or QSOs without a received
  // exchange: the cases the plug-in reports in err.txt.
  double faultShare = 0.03;
};

// The log: a header naming it as invented, then one record per line in time order from
// 7 February 2026 12:00 UTC, in runs on the six contest bands, mostly CW with SSB stretches
// (submodes USB and LSB), Russian stations with exchanges matching their oblast's zone and
// a share of foreign ones, with DXCC numbers.
std::string MakeExampleAdif(const ExampleLogShape& shape);

}  // namespace zarl_score
