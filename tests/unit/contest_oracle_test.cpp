// The plug-in answers AddData0's dupe scan and CheckCall0 from an index and builds the
// result in one pass over the list. Here a randomized contest is replayed through the
// exports and every answer is compared with a plain scan of the QSO list written the way
// the contest rules read: one pass per band row, every record looked at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "rules/oblast_resolver.h"
#include "rules/oblast_zones.h"
#include "rules/points_table.h"
#include "rules/rate_window.h"
#include "tests/unit/contest_driver.h"

namespace {

using driver::ContestTest;

int CountDupeLines(const std::string& log) {
  int n = 0;
  for (size_t at = log.find("   DUPE !!!\r\n"); at != std::string::npos;
       at = log.find("   DUPE !!!\r\n", at + 1)) {
    ++n;
  }
  return n;
}

int ScanDupes(const std::vector<CInfo>& list, const driver::Qso& q) {
  int n = 0;
  for (const CInfo& r : list) n += r.m_Call == q.call && r.m_Band == q.band && r.m_Mode == q.mode;
  return n;
}

int ScanCheckCall(const std::vector<CInfo>& list, const std::string& call,
                  const std::string& country, const std::string& band, int nowHour) {
  for (const CInfo& r : list) {
    if (r.m_Call == call && r.m_Band == band && std::abs(r.m_Time.GetHour() - nowHour) < 5) return 0;
  }
  const std::string oblast = rules::ResolveOblast(call);
  const std::string zone = std::to_string(rules::ZoneOfOblast(oblast));
  int result = 2;
  for (const CInfo& r : list) {
    if (r.m_Zone == zone) {
      result = 1;
      break;
    }
  }
  if (!rules::IsRussianPrefix(country)) return result;
  result = 3;
  for (const CInfo& r : list) {
    if (r.m_Oblast == oblast) {
      result = 1;
      break;
    }
  }
  return result;
}

struct ScannedResult {
  std::string text;
  PerBandLists oblasts, zones;
};

std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Printf(const char* format, ...) {
  char buffer[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  return buffer;
}

// The result as the rules describe it: sort the bands, then for each band row scan the
// whole list. Kept choices: the last-QSO points are the last counted record's in list order,
// and a band outside the six refills no per-band list.
ScannedResult ScanResult(const std::vector<CInfo>& list, std::vector<std::string> bands,
                         PerBandLists oblasts, PerBandLists zones, const std::string& startDate,
                         const std::string& ownCall, const rules::ZonePointsRow& row) {
  ScannedResult out;
  const size_t n = list.size();
  OleDateTime reference;
  if (n > 1) reference = list.back().m_Time;
  out.text = Printf("      ZARL %s\r\n\t    \xD3\xF7\xE0\xF1\xF2\xED\xE8\xEA: %s \r\n\tQSOs\tPoints\t OBL\t LOC\r\n",
                    startDate.c_str(), ownCall.c_str());
  auto padded = [](const std::string& s) { return std::string(s.size() < 20 ? 20 - s.size() : 0, '0') + s; };
  for (size_t i = 0; i + 1 < bands.size(); ++i) {
    for (size_t j = i + 1; j < bands.size(); ++j) {
      if (padded(bands[i]) < padded(bands[j])) std::swap(bands[i], bands[j]);
    }
  }
  const std::vector<std::string> six = {"160m", "80m", "40m", "20m", "15m", "10m"};
  int totalPoints = 0, totalObl = 0, totalLoc = 0, hq = 0, hp = 0, tq = 0, tp = 0, last = 0;
  for (const std::string& band : bands) {
    int index = -1;
    for (int k = 0; k < 6; ++k) {
      if (six[k] == band) index = k;
    }
    std::vector<std::string> seenOblasts, seenZones;
    int qsos = 0, points = 0;
    for (const CInfo& r : list) {
      if (r.m_Band != band || r.m_Call.empty() || r.m_Dupe != 0) continue;
      ++qsos;
      const char d = r.m_ExchRcvd.empty() ? 'x' : r.m_ExchRcvd[0];
      const int p = d >= '0' && d <= '7' ? row[d - '0'] : 0;
      const std::optional<int64_t> minutes = rules::WholeMinutesBefore(reference, r.m_Time);
      if (minutes && *minutes < 60) hq += 1, hp += p;
      if (minutes && *minutes < 10) tq += 1, tp += p;
      points += p;
      if (rules::IsRussianPrefix(r.m_Country) && !r.m_Oblast.empty() &&
          std::find(seenOblasts.begin(), seenOblasts.end(), r.m_Oblast) == seenOblasts.end()) {
        seenOblasts.push_back(r.m_Oblast);
      }
      if (!r.m_Zone.empty() &&
          std::find(seenZones.begin(), seenZones.end(), r.m_Zone) == seenZones.end()) {
        seenZones.push_back(r.m_Zone);
      }
    }
    if (index >= 0) {
      oblasts[index] = seenOblasts;
      zones[index] = seenZones;
    }
    out.text += Printf("%s\t %i\t %i\t  %i\t  %i\t  \r\n", band.c_str(), qsos, points,
                       static_cast<int>(seenOblasts.size()), static_cast<int>(seenZones.size()));
    totalPoints += points;
    totalObl += static_cast<int>(seenOblasts.size());
    totalLoc += static_cast<int>(seenZones.size());
  }
  for (const CInfo& r : list) {
    if (r.m_Call.empty() || r.m_Dupe != 0) continue;
    const char d = r.m_ExchRcvd.empty() ? 'x' : r.m_ExchRcvd[0];
    last = d >= '0' && d <= '7' ? row[d - '0'] : 0;
  }
  out.text += Printf("Total\t %i\t %i\t  %i\t  %i\t  \r\n", static_cast<int>(n), totalPoints,
                     totalObl, totalLoc);
  if (n >= 1) {
    out.text += Printf("\r\nHourly (10min) QSO rate: %5i (%i) QSOs/hour\r\nHourly (10min) pts rate: %5i (%i) points/hour\r\n\r\nLast QSO: %i points",
                       hq, 6 * tq, hp, 6 * tp, last);
  }
  out.text += Printf("\r\nScore: %i + (50*%i + 50*%i) = %i\r\n", totalPoints, totalObl,
                     totalLoc, (totalObl + totalLoc) * 50 + totalPoints);
  out.oblasts = oblasts;
  out.zones = zones;
  return out;
}

struct OracleRun {
  unsigned seed;
  int addTenths, removeTenths;  // the rest of the operations are CheckCall0
};

class ContestOracle : public ContestTest, public testing::WithParamInterface<OracleRun> {};

TEST_P(ContestOracle, IndexedAnswersEqualPlainScans) {
  const OracleRun run = GetParam();
  std::mt19937 rng(run.seed);
  auto pick = [&](const auto& items) { return items[rng() % std::size(items)]; };
  const char* const calls[] = {"RA3DAA", "UA9XAB", "RK0FA", "RA9HA", "UA1AAA", "UA0SA", "RA3A/P",
                               "R35A",   "DL1ABC", "JA1XYZ", "ra3daa", "UA3XAA", "RA6YAA", "UA4NA"};
  const char* const countries[] = {"UA", "UA2", "UA9", "DL", "JA", ""};
  const char* const bands[] = {"160m", "80m", "40m", "20m", "15m", "10m", "6m", "30m", "2m"};
  const char* const modes[] = {"CW", "SSB", "CW", "SSB", "FM"};
  const char* const exchanges[] = {"1001", "2002", "3003", "4004", "5005", "6006", "7007",
                                   "8008", "9009", "0010", "A011", ""};

  ASSERT_EQ(driver::Reset("UA3AAA"), 1);
  const HostDateTime start = driver::At(2026, 2, 7, 0, 0);
  for (int op = 0; op < 1500; ++op) {
    SCOPED_TRACE(op);
    const std::vector<CInfo> before = driver::QsoList();
    const int kind = static_cast<int>(rng() % 10);
    if (kind < run.addTenths) {
      driver::Qso q;
      q.call = pick(calls);
      q.country = pick(countries);
      q.band = pick(bands);
      q.mode = pick(modes);
      q.exchRcvd = pick(exchanges);
      q.serialSent = std::to_string(op);
      q.time = {start.m_dt + (rng() % 172800) / 86400.0 + (rng() % 1000) / 86400e3,
                rng() % 20 == 0 ? OleDateTime::kInvalid : OleDateTime::kValid};
      const int dupeLinesBefore = CountDupeLines(ErrLog());
      const int added = driver::Add(q);
      if (added == 1) {
        const int expected = ScanDupes(before, q);
        EXPECT_EQ(CountDupeLines(ErrLog()) - dupeLinesBefore, expected);
        EXPECT_EQ(driver::QsoList().back().m_Dupe, expected > 0 ? 1 : 0);
      }
    } else if (kind < run.addTenths + run.removeTenths && !before.empty()) {
      // Mostly a logged QSO, at times one that is not there.
      const CInfo& r = before[rng() % before.size()];
      driver::Qso q;
      q.call = r.m_Call;
      q.band = r.m_Band;
      q.mode = r.m_Mode;
      q.country = r.m_Country;
      q.time = {r.m_Time.Days() + (rng() % 4 == 0 ? 1e-3 : 0.0), r.m_Time.GetStatus()};
      EXPECT_EQ(driver::Remove(q), 1);
      const bool gone = r.m_Time.GetStatus() == OleDateTime::kValid && q.time.m_dt == r.m_Time.Days();
      EXPECT_EQ(driver::QsoList().size(), gone ? before.size() - 1 : before.size());
    } else {
      const std::string call = pick(calls), country = pick(countries), band = pick(bands);
      const int hour = static_cast<int>(rng() % 24);
      platform::SetUtcHourProvider([hour] { return hour; });
      EXPECT_EQ(driver::Check(call.c_str(), country.c_str(), band.c_str()),
                ScanCheckCall(before, call, country, band, hour))
          << call << " " << country << " " << band << " at " << hour;
    }

    if (op % 7 == 0) {
      StringList bandList;
      PerBandLists oblasts, zones;
      std::string startDate, ownCall;
      rules::ZonePointsRow row;
      {
        std::lock_guard<std::mutex> lock(g_StateLock);
        bandList = g_BandList;
        oblasts = g_OblastsByBand;
        zones = g_ZonesByBand;
        startDate = g_StartDate;
        ownCall = g_OwnCall;
        row = g_ZonePoints;
      }
      const ScannedResult scanned = ScanResult(driver::QsoList(), bandList, oblasts, zones,
                                               startDate, ownCall, row);
      ASSERT_EQ(driver::Result(), scanned.text);
      std::lock_guard<std::mutex> lock(g_StateLock);
      EXPECT_EQ(g_OblastsByBand, scanned.oblasts);
      EXPECT_EQ(g_ZonesByBand, scanned.zones);
    }
  }
}

// A growing log, and one kept small by removals so zones and oblasts leave it again.
INSTANTIATE_TEST_SUITE_P(Seeds, ContestOracle,
                         testing::Values(OracleRun{1, 6, 2}, OracleRun{2, 6, 2},
                                         OracleRun{20260207, 6, 2}, OracleRun{4, 4, 4},
                                         OracleRun{5, 4, 4}, OracleRun{6, 3, 4}));

}  // namespace
