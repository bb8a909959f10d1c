#include "ui/band_of_frequency.h"

#include <array>
#include <cmath>

#include "rules/bands.h"

namespace ui {
namespace {

// Whole megahertz of the lower edge of each contest band, in band-index order.
constexpr std::array<double, 6> kBandMegahertz = {1, 3, 7, 14, 21, 28};

}  // namespace

TunedBand BandIndexFromFrequency(double hertz) {
  const double megahertz = std::trunc(hertz / 1'000'000.0);  // NaN stays NaN and matches none
  for (std::size_t band = 0; band < kBandMegahertz.size(); ++band) {
    if (megahertz == kBandMegahertz[band]) {
      return {static_cast<int>(band), rules::kContestBandNames[band]};
    }
  }
  return {};
}

}  // namespace ui
