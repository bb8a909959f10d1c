// The contest flow on the real Stats.dll, called the way the logging program calls it:
// the small contest compared byte for byte with its hand-written result, err.txt and
// settings file, the reset that finds no points file, and CheckCall0 against the system's
// UTC clock.
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "tests/unit/small_contest.h"
#include "tests/unit/test_support.h"
#include "tools/host_sim/stats_library.h"

namespace {

namespace sc = small_contest;

// Each test loads a fresh library into a fresh folder. "Start" is preset to 1, so the
// reset's start rule turns it to 0 and opens no status windows.
class ContestFlow : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::WriteFileBytes(cwd_.path() / "Plugins" / "Points_ZARL.txt", sc::kPointsFile);
    testsupport::WriteFileBytes(cwd_.path() / "Plugins" / "ZARL.ini", "[Settings]\r\nStart=1\r\n");
    std::string error;
    ASSERT_TRUE(lib_.Load("Stats.dll", error)) << error;
  }
  const StatsEntryPoints& Dll() const { return lib_.Plain(); }
  std::string Read(const char* relative) const {
    return testsupport::ReadFileBytes(cwd_.path() / relative);
  }
  int Reset(const char* ownCall, HostDateTime contestTime) {
    ResetArgs reset;
    reset.ownCall = ownCall;
    reset.contestTime = contestTime;
    reset.contestTime2 = contestTime;
    return CallResetStats0(Dll().ResetStats0, reset);
  }
  std::string Result() {
    int host = 3;
    const std::string text = Dll().GetResult0(&host);
    EXPECT_EQ(host, 3);  // not an export pass
    return text;
  }

  testsupport::ScopedTempCwd cwd_;
  StatsLibrary lib_;
};

QsoCall StepCall(const sc::Step& s) {
  QsoCall q;
  q.ownCall = sc::kOwnCall;
  q.call = s.call;
  q.time = MakeHostTime(sc::kYear, sc::kMonth, sc::kDay, s.hour, s.minute);
  q.freqHz = s.freqHz;
  q.mode = s.mode;
  q.rstSent = sc::kRstSent;
  q.rstRcvd = sc::kRstRcvd;
  q.serialSent = s.serialSent;
  q.exchRcvd = s.exchRcvd;
  q.country = s.country;
  q.band = s.band;
  return q;
}

TEST_F(ContestFlow, SmallContestLeavesTheExpectedFiles) {
  ASSERT_EQ(Reset(sc::kOwnCall, MakeHostTime(sc::kYear, sc::kMonth, sc::kDay, 11, 0)), 1);
  for (const sc::Step& s : sc::kSteps) {
    SCOPED_TRACE(s.call);
    const QsoDataFn fn = s.op == sc::Op::kAdd ? Dll().AddData0 : Dll().RemoveData0;
    EXPECT_EQ(CallQsoData(fn, StepCall(s)), s.expected);
    Result();
  }
  EXPECT_EQ(Result(), sc::kExpectedResult);
  EXPECT_EQ(Read("err.txt"), sc::kExpectedErrLog);
  EXPECT_EQ(Read("Plugins/ZARL.ini"), "[Settings]\r\nStart=0\r\nClaimed=774\r\n");
}

// Closes the first message box this process shows and keeps its text.
class MessageBoxCloser {
 public:
  MessageBoxCloser() : thread_([this] { Run(); }) {}
  ~MessageBoxCloser() { Text(); }
  std::string Text() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    return text_;
  }

 private:
  static BOOL CALLBACK CollectStatic(HWND child, LPARAM out) {
    char cls[32] = {};
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, "Static") == 0) {
      char text[512] = {};
      GetWindowTextA(child, text, sizeof text);
      if (text[0] != '\0') *reinterpret_cast<std::string*>(out) += text;
    }
    return TRUE;
  }
  static BOOL CALLBACK FindBox(HWND window, LPARAM out) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char cls[32] = {};
    GetClassNameA(window, cls, sizeof cls);
    if (pid == GetCurrentProcessId() && IsWindowVisible(window) && lstrcmpA(cls, "#32770") == 0) {
      *reinterpret_cast<HWND*>(out) = window;
      return FALSE;
    }
    return TRUE;
  }
  void Run() {
    for (int i = 0; i < 1000 && text_.empty(); ++i) {
      HWND box = nullptr;
      EnumWindows(FindBox, reinterpret_cast<LPARAM>(&box));
      if (box != nullptr) {
        EnumChildWindows(box, CollectStatic, reinterpret_cast<LPARAM>(&text_));
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return;
      }
      if (stop_) return;
      Sleep(20);
    }
  }

  std::atomic<bool> stop_{false};
  std::string text_;
  std::thread thread_;
};

TEST_F(ContestFlow, MissingPointsFileLeavesTheContestAsItWas) {
  ASSERT_EQ(Reset(sc::kOwnCall, MakeHostTime(2026, 2, 7, 12, 0)), 1);
  QsoCall q = StepCall(sc::kSteps[0]);
  ASSERT_EQ(CallQsoData(Dll().AddData0, q), 1);
  ASSERT_EQ(CallQsoData(Dll().AddData0, q), 1);  // one dupe line
  const std::string errLog = Read("err.txt");
  DeleteFileA("Plugins\\Points_ZARL.txt");

  int result = -1;
  std::string shown;
  {
    MessageBoxCloser closer;
    result = Reset("UA9XAB", MakeHostTime(2025, 12, 24, 8, 0));
    shown = closer.Text();
  }
  EXPECT_EQ(result, 0);
  EXPECT_EQ(shown,
            "File Points_ZARL.txt not found. Dll incorrect worked ! Pse download "
            "Points_ZARL.txt copy in qarn\\plugins and restart Qarn !");
  EXPECT_EQ(Read("err.txt"), errLog);
  // The new call and date head the text; the two QSOs and the old points row remain.
  EXPECT_EQ(Result(),
            "      ZARL 24.12\r\n\t    \xD3\xF7\xE0\xF1\xF2\xED\xE8\xEA: UA9XAB \r\n"  // Участник
            "\tQSOs\tPoints\t OBL\t LOC\r\n"
            "40m\t 1\t 1\t  1\t  1\t  \r\n"
            "Total\t 2\t 1\t  1\t  1\t  \r\n"
            "\r\nHourly (10min) QSO rate:     1 (6) QSOs/hour\r\n"
            "Hourly (10min) pts rate:     1 (6) points/hour\r\n"
            "\r\nLast QSO: 1 points"
            "\r\nScore: 1 + (50*1 + 50*1) = 101\r\n");
}

int UtcHour() {
  SYSTEMTIME now;
  GetSystemTime(&now);
  return now.wHour;
}

// The dupe window is read against the system's UTC hour: a call logged this hour is a dupe
// on its band, one logged twelve hours of day away is not.
TEST_F(ContestFlow, CheckCallReadsTheUtcClock) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    ASSERT_EQ(Reset(sc::kOwnCall, MakeHostTime(2026, 2, 7, 0, 0)), 1);
    const int hour = UtcHour();
    QsoCall now = StepCall(sc::kSteps[0]);  // RA3DAA 40m, MO
    now.time = MakeHostTime(2026, 2, 7, hour, 30);
    QsoCall away = now;
    away.call = "UA9XAB";  // KO
    away.time = MakeHostTime(2026, 2, 7, (hour + 12) % 24, 30);
    ASSERT_EQ(CallQsoData(Dll().AddData0, now), 1);
    ASSERT_EQ(CallQsoData(Dll().AddData0, away), 1);

    bool untouched = false;
    const int logged = CallCheckCall0(Dll().CheckCall0, {"RA3DAA", "UA", "40m", "40M"}, &untouched);
    const int other = CallCheckCall0(Dll().CheckCall0, {"UA9XAB", "UA9", "40m", nullptr});
    const int otherBand = CallCheckCall0(Dll().CheckCall0, {"RA3DAA", "UA", "20m", nullptr});
    const int differ = CallCheckCall0(Dll().CheckCall0, {"RA3DAA", "UA", "40m", "20m"});
    const int fresh = CallCheckCall0(Dll().CheckCall0, {"UA0SA", "UA", "40m", nullptr});
    if (UtcHour() != hour) continue;  // the hour turned during the calls: once more
    EXPECT_EQ(logged, 0);
    EXPECT_TRUE(untouched);
    EXPECT_EQ(other, 1);
    EXPECT_EQ(otherBand, 1);
    EXPECT_EQ(differ, 4);
    EXPECT_EQ(fresh, 3);
    return;
  }
  FAIL() << "the UTC hour kept turning";
}

}  // namespace
