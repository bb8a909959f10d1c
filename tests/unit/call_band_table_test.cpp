// The flat call+band table behind the dupe checks, against std::map under random inserts and
// erases: the table is small and full enough that probe runs wrap around its end.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

#include "plugin/call_band_table.h"

namespace {

TEST(CallBandTable, AgreesWithAMapThroughInsertsAndErases) {
  std::mt19937 rng(11);
  CallBandTable table;
  std::map<std::pair<std::string, std::string>, int32_t> reference;
  const char* const bands[] = {"160m", "80m", "40m", "", "6m"};
  for (int step = 0; step < 20000; ++step) {
    // Few keys, so the table keeps growing, shrinking and reusing slots.
    const std::string call = "C" + std::to_string(rng() % 90);
    const std::string band = bands[rng() % 5];
    const auto key = std::make_pair(call, band);
    if (rng() % 3 != 0) {
      ++table.FindOrAdd(call, band).records;
      ++reference[key];
    } else if (CallOnBand* e = table.Find(call, band)) {
      ASSERT_TRUE(reference.contains(key)) << call << " " << band;
      table.Erase(e);
      reference.erase(key);
    } else {
      ASSERT_FALSE(reference.contains(key)) << call << " " << band;
    }
    if (step % 97 == 0) {
      for (const auto& [k, records] : reference) {
        const CallOnBand* e = table.Find(k.first, k.second);
        ASSERT_NE(e, nullptr) << k.first << " " << k.second;
        EXPECT_EQ(e->records, records);
        EXPECT_EQ(e->call, k.first);
        EXPECT_EQ(e->band, k.second);
      }
    }
  }
  table.Clear();
  EXPECT_EQ(table.Find("C1", "40m"), nullptr);
}

}  // namespace
