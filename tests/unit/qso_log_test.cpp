// AddData0, RemoveData0 and CheckCall0 through the exports: what is refused and why, what a
// record keeps, which QSO a removal takes, and how a typed call is classified.
#include <gtest/gtest.h>

#include <optional>

#include "tests/unit/contest_driver.h"

namespace {

using driver::At;
using driver::ContestTest;
using driver::Qso;

class QsoLog : public ContestTest {
 protected:
  void SetUp() override {
    ContestTest::SetUp();
    ASSERT_EQ(driver::Reset("UA3AAA"), 1);  // own zone 2
  }
  static Qso Logged(const char* call, const char* band, const char* mode, HostDateTime time,
                    const char* exch = "2001", const char* country = "UA") {
    Qso q;
    q.call = call;
    q.band = band;
    q.mode = mode;
    q.time = time;
    q.exchRcvd = exch;
    q.country = country;
    return q;
  }
};

constexpr char kTitle[] = "ZARL UBN file \r\n";

TEST_F(QsoLog, RefusalsWriteOneLineForTheFirstBrokenRule) {
  const struct {
    const char* band;
    const char* mode;
    const char* serial;
    const char* exch;
    const char* message;
  } cases[] = {
      {"30m", "RTTY", "", "", "   NO CONTEST BAND !!!"},
      {"17m", "CW", "001", "2001", "   NO CONTEST BAND !!!"},
      {"12m", "SSB", "001", "2001", "   NO CONTEST BAND !!!"},
      {"40m", "cw", "", "2001", "   NO CONTEST MODE !!!"},
      {"40m", "FM", "001", "2001", "   NO CONTEST MODE !!!"},
      {"40m", "SSB", "001", "", "   NO RX NUMBER !!!"},
      {"40m", "CW", "", "2001", "   NO RX NUMBER !!!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.band << " " << c.mode << " '" << c.serial << "' '"
                                    << c.exch << "'");
    driver::Reset("UA3AAA");
    Qso q = Logged("RA3DAA", c.band, c.mode, At(2026, 2, 7, 9, 5));
    q.freqHz = 3999999;
    q.serialSent = c.serial;
    q.exchRcvd = c.exch;
    EXPECT_EQ(driver::Add(q), 0);
    EXPECT_EQ(ErrLog(), std::string(kTitle) + "QSO:  3999  " + c.mode + "  2026-02-07 0905  UA3AAA  599  " +
                            c.serial + "  RA3DAA  599  " + c.exch + c.message + "\r\n");
    EXPECT_TRUE(driver::QsoList().empty());
    // The refused QSO's band gets no row.
    EXPECT_EQ(driver::Result().find(std::string(c.band) + "\t"), std::string::npos);
  }
}

TEST_F(QsoLog, RecordKeepsTheHostsTextsTheOwnZoneAndKilohertz) {
  Qso q = Logged("ra3daa", "6m", "SSB", At(2026, 2, 7, 9, 5), "7123", "UA");
  q.freqHz = 50'150'999;
  q.serialSent = "015";
  q.rstSent = "59";
  q.rstRcvd = "57";
  EXPECT_EQ(driver::Add(q), 1);
  q.call = "UA9XAB";
  EXPECT_EQ(driver::Add(q), 1);
  const std::vector<CInfo> list = driver::QsoList();
  ASSERT_EQ(list.size(), 2u);
  const CInfo& r = list[0];
  EXPECT_EQ(r.m_Call, "ra3daa");
  EXPECT_EQ(r.m_Band, "6m");
  EXPECT_EQ(r.m_Mode, "SSB");
  EXPECT_EQ(r.m_Country, "UA");
  EXPECT_EQ(r.m_FreqKHz, 50150u);
  EXPECT_EQ(r.m_RstSent, "59");
  EXPECT_EQ(r.m_RstRcvd, "57");
  EXPECT_EQ(r.m_ExchRcvd, "7123");
  EXPECT_EQ(r.m_ExchSent, "2015");
  EXPECT_EQ(r.m_Zone, "7");
  EXPECT_EQ(r.m_Oblast, "STO");  // the resolver reads calls as given: lower case is no call
  EXPECT_EQ(list[1].m_Oblast, "KO");
  EXPECT_EQ(r.m_Dupe, 0);
  EXPECT_EQ(ErrLog(), kTitle);  // nothing to report
}

TEST_F(QsoLog, EveryEarlierQsoOfTheSameCallBandAndModeGetsADupeLine) {
  const HostDateTime t = At(2026, 2, 7, 9, 5);
  EXPECT_EQ(driver::Add(Logged("RA3DAA", "40m", "CW", t)), 1);
  EXPECT_EQ(driver::Add(Logged("RA3DAA", "40m", "SSB", t)), 1);  // other mode
  EXPECT_EQ(driver::Add(Logged("RA3DAA", "20m", "CW", t)), 1);   // other band
  EXPECT_EQ(driver::Add(Logged("RA3DAa", "40m", "CW", t)), 1);   // other call
  EXPECT_EQ(ErrLog(), kTitle);
  EXPECT_EQ(driver::Add(Logged("RA3DAA", "40m", "CW", t)), 1);
  EXPECT_EQ(driver::Add(Logged("RA3DAA", "40m", "CW", t)), 1);
  const std::string line =
      "QSO:  7012  CW  2026-02-07 0905  UA3AAA  599  001  RA3DAA  599  2001   DUPE !!!\r\n";
  EXPECT_EQ(ErrLog(), kTitle + line + line + line);
  std::vector<int> dupes;
  for (const CInfo& r : driver::QsoList()) dupes.push_back(r.m_Dupe);
  EXPECT_EQ(dupes, (std::vector<int>{0, 0, 0, 0, 1, 1}));
}

// The host's date-time is a double; 12:03 is rarely exactly representable and must not be
// cut to 12:02.
TEST_F(QsoLog, LogTimesRoundToTheNearestSecond) {
  const HostDateTime exact = At(2026, 2, 7, 12, 3);
  const double oneMillisecond = 1.0 / 86'400'000.0;
  Qso q = Logged("RA3DAA", "30m", "CW", HostDateTime{exact.m_dt - oneMillisecond, 0});
  driver::Add(q);
  q.time = HostDateTime{exact.m_dt, OleDateTime::kInvalid};
  driver::Add(q);
  q.time = HostDateTime{exact.m_dt, OleDateTime::kNull};
  driver::Add(q);
  const std::string rest = "  UA3AAA  599  001  RA3DAA  599  2001   NO CONTEST BAND !!!\r\n";
  EXPECT_EQ(ErrLog(), kTitle + ("QSO:  7012  CW  2026-02-07 1203" + rest) +
                          ("QSO:  7012  CW  Invalid DateTime" + rest) + ("QSO:  7012  CW  " + rest));
}

TEST_F(QsoLog, NullStringsFromTheHostReadAsEmpty) {
  HostDateTime t = At(2026, 2, 7, 9, 5);
  EXPECT_EQ(AddData0(nullptr, nullptr, &t, nullptr, nullptr, nullptr, 0, 14025000, "CW", nullptr,
                     nullptr, nullptr, "2001", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                     "20m", nullptr),
            0);
  EXPECT_EQ(ErrLog(), std::string(kTitle) + "QSO:  14025  CW  2026-02-07 0905            2001   NO RX NUMBER !!!\r\n");
  EXPECT_EQ(AddData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr, nullptr,
                     nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                     nullptr, nullptr),
            0);
  EXPECT_EQ(RemoveData0(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, nullptr,
                        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0,
                        nullptr, nullptr, nullptr, nullptr, nullptr),
            0);
  EXPECT_EQ(CheckCall0(nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr, nullptr, nullptr),
            2);
  EXPECT_TRUE(driver::QsoList().empty());
}

TEST_F(QsoLog, RemovalTakesTheFirstQsoOfTheSameCallModeBandAndInstant) {
  const HostDateTime t = At(2026, 2, 7, 9, 5);
  const HostDateTime invalid{t.m_dt, OleDateTime::kInvalid};
  const HostDateTime null{0.0, OleDateTime::kNull};
  const struct {
    const char* what;
    Qso logged;
    Qso removed;
    bool goes;
  } cases[] = {
      {"same", Logged("RA3DAA", "40m", "CW", t), Logged("RA3DAA", "40m", "CW", t), true},
      {"country and exchange are no part of it", Logged("RA3DAA", "40m", "CW", t),
       Logged("RA3DAA", "40m", "CW", t, "5999", "DL"), true},
      {"one second later", Logged("RA3DAA", "40m", "CW", t),
       Logged("RA3DAA", "40m", "CW", At(2026, 2, 7, 9, 5, 1)), false},
      {"other mode", Logged("RA3DAA", "40m", "CW", t), Logged("RA3DAA", "40m", "SSB", t), false},
      {"other band", Logged("RA3DAA", "40m", "CW", t), Logged("RA3DAA", "20m", "CW", t), false},
      {"call in other case", Logged("RA3DAA", "40m", "CW", t), Logged("ra3daa", "40m", "CW", t),
       false},
      {"invalid times match nothing", Logged("RA3DAA", "40m", "CW", invalid),
       Logged("RA3DAA", "40m", "CW", invalid), false},
      {"two null times match", Logged("RA3DAA", "40m", "CW", null),
       Logged("RA3DAA", "40m", "CW", null), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    driver::Reset("UA3AAA");
    Qso first = c.logged;
    first.serialSent = "001";
    Qso second = c.logged;
    second.serialSent = "002";
    ASSERT_EQ(driver::Add(first), 1);
    ASSERT_EQ(driver::Add(second), 1);
    EXPECT_EQ(driver::Remove(c.removed), 1);
    const std::vector<CInfo> list = driver::QsoList();
    ASSERT_EQ(list.size(), c.goes ? 1u : 2u);
    if (c.goes) {
      EXPECT_EQ(list[0].m_ExchSent, "2002");  // the first one went
    }
  }
}

TEST_F(QsoLog, RemovalNeedsBothNumbers) {
  Qso q = Logged("RA3DAA", "40m", "CW", At(2026, 2, 7, 9, 5));
  ASSERT_EQ(driver::Add(q), 1);
  driver::Result();
  Qso noSerial = q;
  noSerial.serialSent = "";
  Qso noExchange = q;
  noExchange.exchRcvd = "";
  EXPECT_EQ(driver::Remove(noSerial), 0);
  EXPECT_EQ(driver::Remove(noExchange), 0);
  EXPECT_EQ(driver::QsoList().size(), 1u);
  EXPECT_EQ(driver::OblastsOn(2), StringList{"MO"});
}

// Only a Russian station's removal trims the band's lists, and a band outside the six has
// none to trim (its QSOs never entered another band's lists).
TEST_F(QsoLog, RemovalTrimsOnlyARussianStationsOwnBand) {
  const HostDateTime t = At(2026, 2, 7, 9, 5);
  ASSERT_EQ(driver::Add(Logged("RA3DAA", "160m", "CW", t)), 1);
  ASSERT_EQ(driver::Add(Logged("RA3DAA", "6m", "CW", t)), 1);
  ASSERT_EQ(driver::Add(Logged("DL1ABC", "160m", "CW", t, "5001", "DL")), 1);
  driver::Result();
  ASSERT_EQ(driver::OblastsOn(0), StringList{"MO"});
  ASSERT_EQ(driver::ZonesOn(0), (StringList{"2", "5"}));

  EXPECT_EQ(driver::Remove(Logged("RA3DAA", "6m", "CW", t)), 1);
  EXPECT_EQ(driver::Remove(Logged("DL1ABC", "160m", "CW", t, "5001", "DL")), 1);
  EXPECT_EQ(driver::OblastsOn(0), StringList{"MO"});
  EXPECT_EQ(driver::ZonesOn(0), (StringList{"2", "5"}));
  EXPECT_EQ(driver::QsoList().size(), 1u);
}

TEST_F(QsoLog, CheckCallClassifiesTheTypedCall) {
  platform::SetUtcHourProvider([] { return 12; });
  // Empty log: 3 for a Russian station, 2 for any other.
  EXPECT_EQ(driver::Check("RA3DAA", "UA", "40m"), 3);
  EXPECT_EQ(driver::Check("DL1ABC", "DL", "40m"), 2);

  ASSERT_EQ(driver::Add(Logged("RA3DAA", "20m", "SSB", At(2026, 2, 7, 12, 0))), 1);     // MO, zone 2
  ASSERT_EQ(driver::Add(Logged("JA1XYZ", "20m", "SSB", At(2026, 2, 7, 1, 0), "1001", "JA")), 1);
  const struct {
    const char* call;
    const char* country;
    const char* band;
    const char* band2;
    int result;
  } cases[] = {
      {"RA3DAA", "UA", "40m", "20M", 4},     // the host's two bands differ
      {"RA3DAA", "UA", "20m", nullptr, 0},   // on this band within the window, any mode
      {"RA3DAA", "UA", "20m", "20M", 0},     // the two bands equal but for case
      {"RA3DAA", "UA", "20M", nullptr, 1},   // logged bands compare exactly; MO is worked
      {"RA3HAA", "UA2", "40m", nullptr, 1},  // 3H is MO as well
      {"UA9XAB", "UA9", "40m", nullptr, 3},  // KO is not in the log
      {"UA1AAA", "UA", "40m", nullptr, 3},   // SP is not, though zone 1 is
      {"UA1AAA", "JA", "40m", nullptr, 1},   // not Russian: SP's zone 1 was received
      {"UA9XAB", "DL", "40m", nullptr, 2},   // KO's zone 3 was not
      {"DL2ABC", "DL", "40m", nullptr, 1},   // 2A reads as MA, zone 2
      {"JA1XYZ", "JA", "20m", nullptr, 2},   // 11 hours ago; no pair, zone 0, no "0" received
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.call << " " << c.country << " " << c.band << " "
                                    << (c.band2 ? c.band2 : "(null)"));
    EXPECT_EQ(driver::Check(c.call, c.country, c.band, c.band2), c.result);
  }
  // Every call restarts the oblast window's delay first, whatever it answers.
  EXPECT_EQ(platform::FakeStatusWindows().refreshes, 2 + static_cast<int>(std::size(cases)));
}

// The window compares hours of day only: no wrap at midnight, no dates.
TEST_F(QsoLog, CheckCallDupeWindowIsFiveHoursOfDayWithoutWrapping) {
  const HostDateTime noTime{0.0, OleDateTime::kInvalid};
  const double s04 = 0.4 / 86400.0, s06 = 0.6 / 86400.0;  // 0.4 s and 0.6 s in days
  const HostDateTime fiveAm = At(2026, 2, 7, 5, 0);
  const struct {
    const char* what;
    HostDateTime logged;
    int nowHour;
    bool dupe;
  } cases[] = {
      {"23:30 asked at 01:10", At(2026, 2, 7, 23, 30), 1, false},
      {"10:00 asked at 12:00 next day", At(2026, 2, 6, 10, 0), 12, true},
      {"00:10 asked at 04:59", At(2026, 2, 8, 0, 10), 4, true},
      {"00:10 asked at 05:00", At(2026, 2, 8, 0, 10), 5, false},
      {"20:00 asked at 23:00", At(2026, 2, 7, 20, 0), 23, true},
      {"18:00 asked at 23:00", At(2026, 2, 7, 18, 0), 23, false},
      {"04:59:59.6 rounds to 05:00", HostDateTime{fiveAm.m_dt - s04, 0}, 0, false},
      {"04:59:59.4 stays 04:59", HostDateTime{fiveAm.m_dt - s06, 0}, 0, true},
      {"no valid time is hour -1: 3 away from 02:00", noTime, 2, true},
      {"no valid time is hour -1: 5 away from 04:00", noTime, 4, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    driver::Reset("UA3AAA");
    ASSERT_EQ(driver::Add(Logged("RA3DAA", "40m", "CW", c.logged)), 1);
    platform::SetUtcHourProvider([&] { return c.nowHour; });
    EXPECT_EQ(driver::Check("RA3DAA", "UA", "40m"), c.dupe ? 0 : 1);
    EXPECT_EQ(driver::Check("RA3DAA", "UA", "80m"), 1);
  }
}

}  // namespace
