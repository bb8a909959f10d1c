#pragma once
// The contest's bands: the six that are scored, the three on which the contest is not worked,
// and the order in which the result text lists the bands of a log. Pure functions.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace rules {

// Index 0..5 of the per-band lists; the order is the order of the status windows' rows.
inline constexpr std::array<std::string_view, 6> kContestBandNames = {"160m", "80m", "40m",
                                                                      "20m",  "15m", "10m"};

// Index 0..5 of a contest band name (whole name, case-sensitive), -1 for any other name.
int ContestBandIndex(std::string_view band);

// True for "30m", "17m" and "12m" (exactly): QSOs there are refused. Every other name passes,
// including names outside the six contest bands.
bool IsExcludedBand(std::string_view band);

// Puts `bands` in result-text order: descending by the name left-padded with '0' to 20
// characters, compared byte for byte as unsigned. For the contest bands that is 160m, 80m,
// 40m, 20m, 15m, 10m, and "6m" comes after "10m". The order of names whose padded forms are
// equal (such as "m" and "0m") is that of the exchange sort the result text has always used:
// for each position i, every later entry j whose padded form is greater is swapped into i.
void SortBandsForResult(std::vector<std::string>& bands);

}  // namespace rules
