// The per-band country lists that the result build leaves for the DXCC window: the counted
// QSOs' distinct prefixes, in the order first logged.
#include <gtest/gtest.h>

#include <mutex>

#include "tests/unit/contest_driver.h"

namespace {

using driver::Qso;

StringList CountriesOn(int band) {
  std::lock_guard<std::mutex> lock(g_StateLock);
  return g_DxccByBand[band];
}

Qso Worked(std::string call, std::string country, std::string band, std::string mode = "CW") {
  Qso q;
  q.call = std::move(call);
  q.country = std::move(country);
  q.band = std::move(band);
  q.mode = std::move(mode);
  return q;
}

class ResultCountries : public driver::ContestTest {};

TEST_F(ResultCountries, DistinctPrefixesOfCountedQsosPerBand) {
  ASSERT_EQ(driver::Reset(), 1);
  const Qso log[] = {
      Worked("DL1ABC", "DL", "20m"),
      Worked("RA3ABC", "UA", "20m"),
      Worked("DL2XYZ", "DL", "20m"),
      Worked("F5ABC", "F", "20m"),
      Worked("F5ABC", "TK", "20m"),  // dupe: its prefix is not counted
      Worked("OK1ABC", "", "20m"),   // no prefix from the host
      Worked("DL1ABC", "DL", "20m", "SSB"),
      Worked("UA9AAA", "UA9", "40m"),
      Worked("DL1ABC", "DL", "40m"),
      Worked("SP1ABC", "SP", "6m"),  // no contest band: no list
  };
  for (const Qso& q : log) ASSERT_EQ(driver::Add(q), 1);
  driver::Result();
  EXPECT_EQ(CountriesOn(3), (StringList{"DL", "UA", "F"}));
  EXPECT_EQ(CountriesOn(2), (StringList{"UA9", "DL"}));
  for (int band : {0, 1, 4, 5}) EXPECT_TRUE(CountriesOn(band).empty()) << band;

  // Rebuilt on every result: a removed QSO takes its prefix with it.
  ASSERT_EQ(driver::Remove(log[7]), 1);
  driver::Result();
  EXPECT_EQ(CountriesOn(2), (StringList{"DL"}));
}

}  // namespace
