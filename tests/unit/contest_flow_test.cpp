// A whole small contest through the exports, compared byte for byte with the result text,
// err.txt and settings file written out by hand in small_contest.h.
#include <gtest/gtest.h>

#include <functional>

#include "tests/unit/contest_driver.h"
#include "tests/unit/small_contest.h"

namespace {

using driver::ContestTest;
using StringList = std::vector<std::string>;

class SmallContest : public ContestTest {
 protected:
  // Plays every step as the host does (the result is asked for after each one);
  // `afterStep` sees the state between the step and that result.
  void Play(const std::function<void(size_t)>& afterStep = {}) {
    namespace sc = small_contest;
    WritePlugin("Points_ZARL.txt", sc::kPointsFile);
    ASSERT_EQ(driver::Reset(sc::kOwnCall, 0, driver::At(sc::kYear, sc::kMonth, sc::kDay, 11, 0)), 1);
    for (size_t i = 0; i < std::size(sc::kSteps); ++i) {
      const sc::Step& s = sc::kSteps[i];
      SCOPED_TRACE(testing::Message() << "step " << i << " " << s.call);
      driver::Qso q;
      q.ownCall = sc::kOwnCall;
      q.call = s.call;
      q.time = driver::At(sc::kYear, sc::kMonth, sc::kDay, s.hour, s.minute);
      q.freqHz = s.freqHz;
      q.mode = s.mode;
      q.rstSent = sc::kRstSent;
      q.rstRcvd = sc::kRstRcvd;
      q.serialSent = s.serialSent;
      q.exchRcvd = s.exchRcvd;
      q.country = s.country;
      q.band = s.band;
      EXPECT_EQ(s.op == sc::Op::kAdd ? driver::Add(q) : driver::Remove(q), s.expected);
      if (afterStep) afterStep(i);
      driver::Result();
    }
  }
};

TEST_F(SmallContest, LeavesTheExpectedResultErrorLogAndSettings) {
  Play();
  EXPECT_EQ(driver::Result(), small_contest::kExpectedResult);
  EXPECT_EQ(ErrLog(), small_contest::kExpectedErrLog);
  EXPECT_EQ(Ini(), small_contest::kExpectedIni);
}

TEST_F(SmallContest, RemovalTrimsTheBandListsUntilTheNextResultRebuildsThem) {
  constexpr int k40m = 2;
  Play([](size_t step) {
    if (step == 13) {  // before the removals, as the last result built them
      EXPECT_EQ(driver::OblastsOn(k40m), (StringList{"MO", "KO"}));
      EXPECT_EQ(driver::ZonesOn(k40m), (StringList{"2", "3", "5"}));
    }
    if (step == 14) {  // nothing matched
      EXPECT_EQ(driver::OblastsOn(k40m), (StringList{"MO", "KO"}));
    }
    if (step == 15) {  // UA9XAB: its oblast and zone go
      EXPECT_EQ(driver::OblastsOn(k40m), (StringList{"MO"}));
      EXPECT_EQ(driver::ZonesOn(k40m), (StringList{"2", "5"}));
    }
    if (step == 16) {  // the 12:12 RA3DAA: MO and 2 go, though other QSOs still have them
      EXPECT_EQ(driver::OblastsOn(k40m), StringList{});
      EXPECT_EQ(driver::ZonesOn(k40m), (StringList{"5"}));
    }
  });
  EXPECT_EQ(driver::OblastsOn(k40m), (StringList{"MO"}));
  EXPECT_EQ(driver::ZonesOn(k40m), (StringList{"2", "5"}));

  // The QSO of 12:20 stays a dupe although one of the two it repeated is gone.
  int dupes = 0;
  for (const CInfo& r : driver::QsoList()) dupes += r.m_Dupe;
  EXPECT_EQ(dupes, 1);
}

TEST_F(SmallContest, EveryBandRowRebuildsItsOwnListsAndTheSixMetreRowNone) {
  Play();
  const struct {
    int band;
    StringList oblasts, zones;
  } expected[] = {
      {0, {"MO"}, {"2"}},           {1, {"SL", "TO"}, {"6", "8"}}, {2, {"MO"}, {"2", "5"}},
      {3, {"SP"}, {"1"}},           {4, {"MA"}, {"2"}},  // not the 6m row's IR and 5
      {5, {}, {}},
  };
  for (const auto& e : expected) {
    SCOPED_TRACE(e.band);
    EXPECT_EQ(driver::OblastsOn(e.band), e.oblasts);
    EXPECT_EQ(driver::ZonesOn(e.band), e.zones);
  }
}

}  // namespace
