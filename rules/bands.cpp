#include "rules/bands.h"

#include <cstddef>
#include <utility>

namespace rules {
namespace {

constexpr std::size_t kSortWidth = 20;

std::string PaddedForSort(const std::string& band) {
  if (band.size() >= kSortWidth) return band;
  return std::string(kSortWidth - band.size(), '0') + band;
}

}  // namespace

int ContestBandIndex(std::string_view band) {
  for (std::size_t i = 0; i < kContestBandNames.size(); ++i) {
    if (kContestBandNames[i] == band) return static_cast<int>(i);
  }
  return -1;
}

bool IsExcludedBand(std::string_view band) { return band == "30m" || band == "17m" || band == "12m"; }

void SortBandsForResult(std::vector<std::string>& bands) {
  // The padded keys are made once and travel with their names.
  std::vector<std::string> keys;
  keys.reserve(bands.size());
  for (const std::string& band : bands) keys.push_back(PaddedForSort(band));
  for (std::size_t i = 0; i + 1 < bands.size(); ++i) {
    for (std::size_t j = i + 1; j < bands.size(); ++j) {
      if (keys[i].compare(keys[j]) < 0) {
        std::swap(keys[i], keys[j]);
        std::swap(bands[i], bands[j]);
      }
    }
  }
}

}  // namespace rules
