#pragma once
// Which contest band the host is tuned to. The status windows look only at the whole number
// of megahertz: 3.999999 MHz is still 80 m, 4 MHz is no band.
#include <string_view>

namespace ui {

struct TunedBand {
  int index = -1;         // 0 "160m" .. 5 "10m"; -1 off the six bands
  std::string_view name;  // the band's name, empty off the six bands
};

// The band of `hertz`: the megahertz figure truncated toward zero, 1 -> 160m, 3 -> 80m,
// 7 -> 40m, 14 -> 20m, 21 -> 15m, 28 -> 10m; anything else (negative, NaN, 30 m and the
// other WARC bands, VHF) is no band.
TunedBand BandIndexFromFrequency(double hertz);

}  // namespace ui
