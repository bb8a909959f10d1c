// The host's date-time value as the plug-in formats and compares it.
#include <gtest/gtest.h>

#include "rules/ole_date_time.h"

namespace {

constexpr double kMinute = 1.0 / 1440.0;
constexpr double kSecond = 1.0 / 86400.0;
// 7 February 2026 00:00 on the OLE day scale.
const double kContestDay = OleDateTime::FromParts(2026, 2, 7, 0, 0, 0).Days();

TEST(OleDateTime, FormatsContestTimesRoundedToTheNearestSecond) {
  const struct {
    double days;
    const char* format;
    const char* expected;
  } cases[] = {
      {kContestDay + 12 * 60 * kMinute + 3 * kMinute, "%Y-%m-%d %H%M", "2026-02-07 1203"},
      // A value a hair below 12:03 (how a double often stores it) still shows 12:03.
      {kContestDay + 723 * kMinute - 1e-9, "%Y-%m-%d %H%M", "2026-02-07 1203"},
      {kContestDay + 723 * kMinute - 0.4 * kSecond, "%H:%M:%S", "12:03:00"},
      {kContestDay + 723 * kMinute - 0.6 * kSecond, "%H:%M:%S", "12:02:59"},
      {kContestDay + 1 - 0.3 * kSecond, "%Y-%m-%d %H:%M", "2026-02-08 00:00"},
      {kContestDay, "%d.%m", "07.02"},
      {0.0, "%Y-%m-%d %H:%M", "1899-12-30 00:00"},
      {-1.25, "%Y-%m-%d %H:%M", "1899-12-29 06:00"},
      {-0.5, "%Y-%m-%d %H:%M", "1899-12-30 12:00"},
      {60.0, "%Y-%m-%d", "1900-02-28"},
      {61.0, "%Y-%m-%d", "1900-03-01"},
      {OleDateTime::FromParts(2024, 2, 29, 23, 59, 0).Days(), "%Y-%m-%d %H%M", "2024-02-29 2359"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(OleDateTime(c.days, OleDateTime::kValid).Format(c.format), c.expected) << c.days;
  }
}

TEST(OleDateTime, InvalidAndNullValuesFormatAsTheHostDoes) {
  EXPECT_EQ(OleDateTime(kContestDay, OleDateTime::kInvalid).Format("%H%M"), "Invalid DateTime");
  EXPECT_EQ(OleDateTime(kContestDay, OleDateTime::kNull).Format("%H%M"), "");
  EXPECT_EQ(OleDateTime(3e6, OleDateTime::kValid).Format("%H%M"), "Invalid DateTime");
  EXPECT_EQ(OleDateTime(-700000.0, OleDateTime::kValid).Format("%H%M"), "Invalid DateTime");
  EXPECT_EQ(OleDateTime::FromParts(2026, 2, 30, 0, 0, 0).GetStatus(), OleDateTime::kInvalid);
}

TEST(OleDateTime, HourOfDayIsMinusOneUnlessValid) {
  EXPECT_EQ(OleDateTime(kContestDay + 23.5 / 24, OleDateTime::kValid).GetHour(), 23);
  EXPECT_EQ(OleDateTime(kContestDay + 1 - 0.2 * kSecond, OleDateTime::kValid).GetHour(), 0);
  EXPECT_EQ(OleDateTime(kContestDay, OleDateTime::kInvalid).GetHour(), -1);
  EXPECT_EQ(OleDateTime(kContestDay, OleDateTime::kNull).GetHour(), -1);
}

TEST(OleDateTime, SameInstantNeedsBothValidOrBothNull) {
  const OleDateTime a(kContestDay + 0.5, OleDateTime::kValid);
  EXPECT_TRUE(a.SameInstant(OleDateTime(kContestDay + 0.5, OleDateTime::kValid)));
  EXPECT_FALSE(a.SameInstant(OleDateTime(kContestDay + 0.5 + kMinute, OleDateTime::kValid)));
  EXPECT_FALSE(a.SameInstant(OleDateTime(kContestDay + 0.5, OleDateTime::kInvalid)));
  const OleDateTime invalid(kContestDay, OleDateTime::kInvalid);
  EXPECT_FALSE(invalid.SameInstant(invalid));
  EXPECT_TRUE(OleDateTime(1.0, OleDateTime::kNull).SameInstant(OleDateTime(2.0, OleDateTime::kNull)));
  // Noon of the epoch day has two spellings on the OLE scale.
  EXPECT_TRUE(OleDateTime(-0.5, OleDateTime::kValid).SameInstant(OleDateTime(0.5, OleDateTime::kValid)));
}

TEST(OleDateTime, LinearDaysMakeDifferencesAcrossTheEpochContinuous) {
  // 29 December 1899 18:00 is 12 hours before 30 December 1899 06:00.
  const OleDateTime before(-1.75, OleDateTime::kValid);
  const OleDateTime after(0.25, OleDateTime::kValid);
  EXPECT_DOUBLE_EQ(after.LinearDays() - before.LinearDays(), 0.5);
  EXPECT_DOUBLE_EQ(OleDateTime(45000.25, OleDateTime::kValid).LinearDays(), 45000.25);
}

}  // namespace
