// ResetStats0 and SetupSet0 through the exports: what a reset sets, what a missing points
// file leaves undone, the own zone's sources, and when the status windows start.
#include <gtest/gtest.h>

#include <optional>

#include "plugin/points_file.h"
#include "plugin/settings.h"
#include "rules/bands.h"
#include "tests/unit/contest_driver.h"

namespace {

using driver::At;
using driver::ContestTest;

using ContestReset = ContestTest;

struct Scalars {
  std::string ownCall, startDate;
  int32_t ownZone, exportPass, mode;
  rules::ZonePointsRow points;
};

Scalars ReadScalars() {
  std::lock_guard<std::mutex> lock(g_StateLock);
  return {g_OwnCall, g_StartDate, g_OwnZone, g_ExportPass, g_Mode, g_ZonePoints};
}

TEST_F(ContestReset, StartsAnEmptyContestWithLabelledWorkedTimesRows) {
  // Leftovers of an earlier evaluation.
  ASSERT_EQ(driver::Reset("UA3AAA"), 1);
  driver::Qso q;
  q.call = "RA3DAA";
  q.band = "6m";
  ASSERT_EQ(driver::Add(q), 1);
  q.band = "40m";
  ASSERT_EQ(driver::Add(q), 1);
  ASSERT_EQ(driver::Add(q), 1);  // a dupe line in err.txt
  driver::Result();

  EXPECT_EQ(driver::Reset("UA9XAB", 1, At(2026, 2, 7, 23, 59, 59)), 1);

  const Scalars s = ReadScalars();
  EXPECT_EQ(s.ownCall, "UA9XAB");
  EXPECT_EQ(s.startDate, "07.02");
  EXPECT_EQ(s.ownZone, 3);
  EXPECT_EQ(s.exportPass, 1);
  EXPECT_EQ(s.points, (rules::ZonePointsRow{0, 31, 32, 33, 34, 35, 36, 37}));
  {
    std::lock_guard<std::mutex> lock(g_StateLock);
    EXPECT_TRUE(g_QsoList.empty());
    EXPECT_TRUE(g_BandList.empty());
    for (int band = 0; band < kBandCount; ++band) {
      const std::string label(rules::kContestBandNames[band]);
      EXPECT_EQ(g_WorkedTimesByBand[band], (StringList{label, "-", "-", "-"}));
    }
    // Kept until a result is built for the band again.
    EXPECT_EQ(g_OblastsByBand[2], StringList{"MO"});
    EXPECT_EQ(g_ZonesByBand[2], StringList{"2"});
  }
  EXPECT_EQ(ErrLog(), "ZARL UBN file \r\n");
  EXPECT_TRUE(messages_.empty());
  // The old records are gone from the dupe check too.
  EXPECT_EQ(driver::Add(q), 1);
  EXPECT_EQ(ErrLog(), "ZARL UBN file \r\n");
}

TEST_F(ContestReset, MissingPointsFileStopsAfterTheOwnCall) {
  ASSERT_EQ(driver::Reset("UA3AAA"), 1);  // zone 2, row 2, Start=1
  driver::Qso q;
  q.call = "RA3DAA";
  ASSERT_EQ(driver::Add(q), 1);
  ASSERT_EQ(driver::Add(q), 1);
  const std::string errLog = ErrLog();
  const std::string ini = Ini();
  std::filesystem::remove(cwd_.path() / "Plugins" / "Points_ZARL.txt");

  EXPECT_EQ(driver::Reset("UA9XAB", 1, At(2025, 12, 24, 8, 0)), 0);

  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0], kPointsFileMissingMessage);
  const Scalars s = ReadScalars();
  EXPECT_EQ(s.startDate, "24.12");
  EXPECT_EQ(s.ownZone, 3);
  EXPECT_EQ(s.ownCall, "UA9XAB");
  EXPECT_EQ(s.exportPass, 0);
  EXPECT_EQ(s.points, (rules::ZonePointsRow{0, 21, 22, 23, 24, 25, 26, 27}));
  EXPECT_EQ(driver::QsoList().size(), 2u);
  EXPECT_EQ(ErrLog(), errLog);
  EXPECT_EQ(Ini(), ini);  // "Start" untouched
  EXPECT_EQ(platform::FakeStatusWindows().starts, 1);
  // The kept list still knows its QSOs: a third one is a dupe of both.
  EXPECT_EQ(driver::Add(q), 1);
  EXPECT_EQ(driver::QsoList().back().m_Dupe, 1);
}

TEST_F(ContestReset, OwnZoneOfACallWithoutOneComesFromTheSettingsOrTheOperator) {
  const struct {
    const char* what;
    const char* ownCall;
    std::optional<int> savedZone;  // "Zone" in the settings before the reset
    std::optional<int> answer;     // the prompt's answer; nullopt: cancelled
    int ownZone;
    int prompts;
    std::optional<int> savedAfter;
  } cases[] = {
      {"call with a zone", "RA0IA", std::nullopt, 4, 7, 0, std::nullopt},
      {"stroke, saved zone", "RA3A/P", 3, 4, 3, 0, 3},
      {"stroke, saved zone out of range", "RA3A/P", 9, 4, 9, 0, 9},
      {"stroke, nothing saved, answered", "RA3A/P", std::nullopt, 4, 4, 1, 4},
      {"stroke, zero saved, answered", "RA3A/P", 0, 6, 6, 1, 6},
      {"stroke, nothing saved, cancelled", "RA3A/P", std::nullopt, std::nullopt, 0, 1,
       std::nullopt},
      {"special-event call, saved zone", "R35A", 5, 4, 5, 0, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(cwd_.path() / "Plugins" / "ZARL.ini");
    if (c.savedZone) WriteIniInt(SettingKey::Zone, *c.savedZone);
    int prompts = 0;
    platform::SetZonePromptHandler([&] {
      ++prompts;
      return c.answer;
    });
    EXPECT_EQ(driver::Reset(c.ownCall), 1);
    EXPECT_EQ(ReadScalars().ownZone, c.ownZone);
    EXPECT_EQ(prompts, c.prompts);
    if (c.savedAfter) {
      EXPECT_EQ(ReadIniInt(SettingKey::Zone), *c.savedAfter);
    } else {
      EXPECT_STREQ(ReadIniString(SettingKey::Zone), "");
    }
    // The sent exchange carries the own zone, and the row is that zone's.
    driver::Qso q;
    q.call = "RA3DAA";
    q.serialSent = "015";
    ASSERT_EQ(driver::Add(q), 1);
    EXPECT_EQ(driver::QsoList().back().m_ExchSent, std::to_string(c.ownZone) + "015");
    const int32_t expectedPoints = c.ownZone >= 1 && c.ownZone <= 7 ? c.ownZone * 10 + 2 : 0;
    EXPECT_EQ(ReadScalars().points[2], expectedPoints);
  }
}

TEST_F(ContestReset, StatusWindowsStartOnEveryOtherResetAndNeverInAnExportPass) {
  const struct {
    const char* what;
    const char* startBefore;  // nullptr: no key
    bool running;
    int exportPass;
    int startsAfter;
    const char* startAfter;
  } cases[] = {
      {"no key yet", nullptr, false, 0, 1, "1"},
      {"started last time", "1", false, 0, 0, "0"},
      {"not started last time", "0", false, 0, 1, "1"},
      {"not started last time, windows open", "0", true, 0, 0, "0"},
      {"other text reads as 0", "x", false, 0, 1, "1"},
      {"export pass", "0", false, 1, 0, "0"},
      {"export pass, no key", nullptr, false, 1, 0, "0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(cwd_.path() / "Plugins" / "ZARL.ini");
    if (c.startBefore) WriteIniString(SettingKey::Start, c.startBefore);
    platform::FakeStatusWindows() = {};
    platform::FakeStatusWindows().running = c.running;
    EXPECT_EQ(driver::Reset("UA3AAA", c.exportPass), 1);
    EXPECT_EQ(platform::FakeStatusWindows().starts, c.startsAfter);
    EXPECT_EQ(platform::FakeStatusWindows().stops, 0);
    EXPECT_STREQ(ReadIniString(SettingKey::Start), c.startAfter);
  }
}

TEST_F(ContestReset, SetupAsksForTheModeFromTheSavedOne) {
  WriteIniInt(SettingKey::Mode, 1);
  std::vector<int> offered;
  std::optional<int> answer = 0;
  platform::SetModePromptHandler([&](int current) {
    offered.push_back(current);
    return answer;
  });
  SetupSet0();
  EXPECT_EQ(ReadScalars().mode, 0);
  EXPECT_EQ(ReadIniInt(SettingKey::Mode), 0);

  answer = std::nullopt;
  WriteIniString(SettingKey::Mode, "1");
  const std::string before = Ini();
  SetupSet0();
  EXPECT_EQ(ReadScalars().mode, 1);  // as read before asking
  EXPECT_EQ(Ini(), before);
  EXPECT_EQ(offered, (std::vector<int>{1, 1}));
}

}  // namespace
