// The result text: band order, the rate windows' edges, export passes, points outside the
// row, and the "Claimed" setting.
#include <gtest/gtest.h>

#include <filesystem>

#include "plugin/settings.h"
#include "rules/bands.h"
#include "rules/rate_window.h"
#include "rules/result_text.h"
#include "tests/unit/contest_driver.h"

namespace {

using driver::At;
using driver::ContestTest;

TEST(BandOrder, DescendingByZeroPaddedName) {
  const struct {
    std::vector<std::string> logged, shown;
  } cases[] = {
      {{"20m", "160m", "40m"}, {"160m", "40m", "20m"}},
      {{"10m", "15m", "20m", "40m", "80m", "160m"}, {"160m", "80m", "40m", "20m", "15m", "10m"}},
      {{"6m", "10m", "2m", "160m"}, {"160m", "10m", "6m", "2m"}},
      {{"40m", "40M", "1"}, {"40m", "40M", "1"}},  // '0'..'9' < 'M' < 'm' once padded
      {{"80m", "23cm", "70cm"}, {"70cm", "23cm", "80m"}},  // longer names pad less
      {{}, {}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> bands = c.logged;
    rules::SortBandsForResult(bands);
    EXPECT_EQ(bands, c.shown);
  }
}

// Against a reference of 12:00:00, a QSO counts in the hour while less than 59 min 59.5 s
// old, and in the ten minutes while less than 9 min 59.5 s old. (Exactly .5 lies within the
// rounding of the day fractions; the cases stay 0.05 s clear of it.)
TEST(RateWindows, EdgesLieHalfASecondBeforeTheFullMinute) {
  const OleDateTime reference = OleDateTime::FromParts(2026, 2, 7, 12, 0, 0);
  const double second = 1.0 / 86400.0;
  const struct {
    double secondsBefore;
    int64_t minutes;
    bool hour, ten;
  } cases[] = {
      {0.0, 0, true, true},         {59.55, 1, true, true},       {599.45, 9, true, true},
      {599.55, 10, true, false},    {3599.45, 59, true, false},   {3599.55, 60, false, false},
      {3600.0, 60, false, false},
      {-30.0, 0, true, true},        {-7200.0, -120, true, true},  // later than the reference
      {86400.0 * 3, 4320, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.secondsBefore);
    const OleDateTime qso(reference.Days() - c.secondsBefore * second, OleDateTime::kValid);
    EXPECT_EQ(rules::WholeMinutesBefore(reference, qso), c.minutes);
    const rules::RateWindows w = rules::RateWindowsOf(reference, qso);
    EXPECT_EQ(w.lastHour, c.hour);
    EXPECT_EQ(w.lastTenMinutes, c.ten);
  }
  // Dates before 1900 count days backwards with the time of day forwards; the span is taken
  // on the continuous scale: 29 Dec 1899 23:55 is five minutes before 30 Dec 00:00.
  const OleDateTime before1900 = OleDateTime::FromParts(1899, 12, 29, 23, 55, 0);
  EXPECT_EQ(rules::WholeMinutesBefore(OleDateTime(), before1900), 5);
  // A time that is not a valid date has no span.
  EXPECT_EQ(rules::WholeMinutesBefore(reference, OleDateTime(reference.Days(), OleDateTime::kInvalid)),
            std::nullopt);
  EXPECT_FALSE(rules::RateWindowsOf(OleDateTime(0, OleDateTime::kNull), reference).lastHour);
}

using ResultText = ContestTest;

constexpr char kHeader[] =
    "      ZARL 07.02\r\n\t    \xD3\xF7\xE0\xF1\xF2\xED\xE8\xEA: UA3AAA \r\n"  // Участник
    "\tQSOs\tPoints\t OBL\t LOC\r\n";

driver::Qso At1200(const char* call, const char* exch, const char* band = "40m",
                   HostDateTime time = At(2026, 2, 7, 12, 0)) {
  driver::Qso q;
  q.call = call;
  q.exchRcvd = exch;
  q.band = band;
  q.time = time;
  return q;
}

TEST_F(ResultText, EmptyLogHasHeaderTotalAndScoreOnly) {
  ASSERT_EQ(driver::Reset("UA3AAA"), 1);
  EXPECT_EQ(driver::Result(), std::string(kHeader) +
                                  "Total\t 0\t 0\t  0\t  0\t  \r\n"
                                  "\r\nScore: 0 + (50*0 + 50*0) = 0\r\n");
  EXPECT_STREQ(ReadIniString(SettingKey::Claimed), "0");
}

// With one record the reference is the date-time zero point, long before the QSO.
TEST_F(ResultText, SingleQsoCountsInBothRateWindows) {
  ASSERT_EQ(driver::Reset("UA3AAA"), 1);
  ASSERT_EQ(driver::Add(At1200("RA3DAA", "3001")), 1);
  EXPECT_EQ(driver::Result(), std::string(kHeader) +
                                  "40m\t 1\t 23\t  1\t  1\t  \r\n"
                                  "Total\t 1\t 23\t  1\t  1\t  \r\n"
                                  "\r\nHourly (10min) QSO rate:     1 (6) QSOs/hour\r\n"
                                  "Hourly (10min) pts rate:    23 (138) points/hour\r\n"
                                  "\r\nLast QSO: 23 points"
                                  "\r\nScore: 23 + (50*1 + 50*1) = 123\r\n");
}

// The reference is the last record's time, even when earlier records are later, and even
// when the last record is a dupe; the last-QSO points are the last counted record's.
TEST_F(ResultText, RatesAreTakenAgainstTheLastRecordsTime) {
  ASSERT_EQ(driver::Reset("UA3AAA"), 1);
  ASSERT_EQ(driver::Add(At1200("RA3DAA", "1001", "40m", At(2026, 2, 7, 14, 0))), 1);  // later
  ASSERT_EQ(driver::Add(At1200("RA3HAA", "3001", "20m", At(2026, 2, 7, 11, 0))), 1);  // 60 min
  ASSERT_EQ(driver::Add(At1200("RA3XAA", "5001", "80m", At(2026, 2, 7, 11, 55))), 1);
  ASSERT_EQ(driver::Add(At1200("RA3DAA", "7001", "40m", At(2026, 2, 7, 12, 0))), 1);  // dupe
  const std::string text = driver::Result();
  EXPECT_NE(text.find("QSO rate:     2 (12) QSOs/hour\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("pts rate:    46 (276) points/hour\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Last QSO: 25 points"), std::string::npos) << text;
  EXPECT_NE(text.find("Total\t 4\t 69\t  3\t  3\t  \r\n"), std::string::npos) << text;
}

TEST_F(ResultText, ExportPassHasNoRatesAndTellsTheHostItIsDone) {
  ASSERT_EQ(driver::Reset("UA3AAA", 1), 1);
  ASSERT_EQ(driver::Add(At1200("RA3DAA", "2001")), 1);
  int host = 7;
  EXPECT_EQ(driver::Result(&host), std::string(kHeader) +
                                       "40m\t 1\t 22\t  1\t  1\t  \r\n"
                                       "Total\t 1\t 22\t  1\t  1\t  \r\n"
                                       "\r\nScore: 22 + (50*1 + 50*1) = 122\r\n");
  EXPECT_EQ(host, -1);
  EXPECT_STREQ(GetResult0(nullptr), driver::Result().c_str());  // no host int: no crash

  ASSERT_EQ(driver::Reset("UA3AAA", 0), 1);
  host = 7;
  driver::Result(&host);
  EXPECT_EQ(host, 7);
}

// Zone digits 8 and 9 have no slot in the points row; such QSOs still count and add LOC.
TEST_F(ResultText, ExchangeOutsideTheRowScoresNothing) {
  ASSERT_EQ(driver::Reset("UA3AAA", 1), 1);
  const char* const exchanges[] = {"8001", "9001", "0001", "A001", "7001"};
  for (const char* exch : exchanges) {
    driver::Qso q = At1200("", exch);
    q.call = std::string("DL1") + exch;  // five stations, no dupes
    q.country = "DL";
    ASSERT_EQ(driver::Add(q), 1);
  }
  EXPECT_NE(driver::Result().find("40m\t 5\t 27\t  0\t  5\t  \r\n"), std::string::npos);
}

TEST_F(ResultText, ClaimedIsRewrittenOnlyWhenTheScoreChanges) {
  ASSERT_EQ(driver::Reset("UA3AAA"), 1);
  ASSERT_EQ(driver::Add(At1200("RA3DAA", "2001")), 1);
  driver::Result();
  EXPECT_STREQ(ReadIniString(SettingKey::Claimed), "122");

  // Edited behind the plug-in's back: an unchanged score leaves it, a new score writes it.
  WriteIniInt(SettingKey::Claimed, 5);
  driver::Result();
  EXPECT_STREQ(ReadIniString(SettingKey::Claimed), "5");
  ASSERT_EQ(driver::Add(At1200("RA3DAA", "2001", "20m")), 1);
  driver::Result();
  EXPECT_STREQ(ReadIniString(SettingKey::Claimed), "244");

  // A new evaluation writes its first score whatever was written before.
  WriteIniInt(SettingKey::Claimed, 5);
  ASSERT_EQ(driver::Reset("UA3AAA"), 1);
  ASSERT_EQ(driver::Add(At1200("RA3DAA", "2001")), 1);
  ASSERT_EQ(driver::Add(At1200("RA3DAA", "2001", "20m")), 1);
  driver::Result();
  EXPECT_STREQ(ReadIniString(SettingKey::Claimed), "244");
}

}  // namespace
