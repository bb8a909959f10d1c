// The status windows read the contest state on their own thread, through the snapshot the
// plug-in registers, while the host's thread changes it through the exports. Run under
// ThreadSanitizer this shows any access that bypasses the state lock; in every build it
// checks that each snapshot is one consistent state of the QSO list.
#include <atomic>
#include <mutex>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "plugin/module_state.h"
#include "plugin/ui_snapshot.h"
#include "tests/unit/contest_driver.h"
#include "ui/contest_snapshot.h"

namespace {

constexpr const char* kBands[] = {"160m", "80m", "40m", "20m", "15m", "10m"};

driver::Qso NumberedQso(int number) {
  driver::Qso q;
  q.call = "R" + std::to_string(number);
  q.band = kBands[number % 6];
  q.mode = number % 2 ? "CW" : "SSB";
  q.exchRcvd = std::to_string(1 + number % 7) + "001";
  q.country = number % 3 ? "UA" : "DL";
  return q;
}

int NumberOf(const std::string& call) { return std::stoi(call.substr(1)); }

class UiSnapshotStress : public driver::ContestTest {
 protected:
  void SetUp() override {
    ContestTest::SetUp();
    RegisterUiSnapshotProvider();
  }
  void TearDown() override {
    ui::SetContestSnapshotProvider(nullptr);
    ui::SetContestModeSetter(nullptr);
    ContestTest::TearDown();
  }
};

TEST_F(UiSnapshotStress, WindowsThreadSeesWholeStatesWhileTheHostAddsAndRemoves) {
  constexpr int kRounds = 15;
  constexpr int kPerRound = 40;
  ASSERT_EQ(driver::Reset(), 1);

  std::atomic<bool> hostDone{false};
  std::atomic<int> snapshots{0}, nonEmpty{0}, torn{0};
  std::thread windowsThread([&] {
    while (!hostDone) {
      const ui::ContestSnapshot s = ui::TakeContestSnapshot();
      ++snapshots;
      if (!s.qsos.empty()) ++nonEmpty;
      // Adds append and removals take the oldest first, so the list is always a run of
      // consecutive numbers in order, each QSO with the band and mode it was logged with.
      for (size_t i = 0; i < s.qsos.size(); ++i) {
        const int number = NumberOf(s.qsos[i].call);
        const driver::Qso expected = NumberedQso(number);
        if ((i > 0 && number != NumberOf(s.qsos[i - 1].call) + 1) ||
            s.qsos[i].band != expected.band || s.qsos[i].mode != expected.mode) {
          ++torn;
        }
      }
      for (const auto& zones : s.zonesByBand) {
        for (const std::string& zone : zones) torn += zone.size() != 1;
      }
    }
  });

  int next = 0;
  for (int round = 0; round < kRounds; ++round) {
    const int first = next;
    for (int i = 0; i < kPerRound; ++i) EXPECT_EQ(driver::Add(NumberedQso(next++)), 1);
    driver::Result();  // rebuilds the per-band lists the windows show
    driver::Check("R1", "UA", "40m");
    for (int i = first; i < next; ++i) EXPECT_EQ(driver::Remove(NumberedQso(i)), 1);
  }
  hostDone = true;
  windowsThread.join();

  EXPECT_GT(snapshots, 0);
  EXPECT_GT(nonEmpty, 0) << "the windows never saw a QSO: the provider copies nothing";
  EXPECT_EQ(torn, 0);
  EXPECT_TRUE(ui::TakeContestSnapshot().qsos.empty());
}

TEST_F(UiSnapshotStress, SnapshotCopiesTheListsTheWindowsShow) {
  ASSERT_EQ(driver::Reset(), 1);
  for (int number : {0, 6, 3}) ASSERT_EQ(driver::Add(NumberedQso(number)), 1);
  driver::Result();
  const ui::ContestSnapshot s = ui::TakeContestSnapshot();
  ASSERT_EQ(s.qsos.size(), 3u);
  EXPECT_EQ(s.qsos[1].call, "R6");
  EXPECT_EQ(s.qsos[1].band, "160m");
  EXPECT_EQ(s.qsos[1].mode, "SSB");
  for (int band = 0; band < ui::kSnapshotBandCount; ++band) {
    SCOPED_TRACE(band);
    EXPECT_EQ(s.oblastsByBand[band], driver::OblastsOn(band));
    EXPECT_EQ(s.zonesByBand[band], driver::ZonesOn(band));
  }
  // R0 and R6 are foreign stations on 160m, from zones 1 and 7.
  EXPECT_EQ(s.zonesByBand[0], (std::vector<std::string>{"1", "7"}));
}

// The first tick reads the mode from the settings; the Cabrillo header of a later export
// takes it from the contest state.
TEST_F(UiSnapshotStress, ModeFromTheWindowsReachesTheContestState) {
  for (int32_t mode : {1, 0}) {
    ui::StoreContestMode(mode);
    std::lock_guard<std::mutex> lock(g_StateLock);
    EXPECT_EQ(g_Mode, mode);
  }
}

}  // namespace
