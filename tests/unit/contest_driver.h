#pragma once
// Drives the plug-in natively the way the host does: through its exported C functions,
// with every ignored argument filled with text and numbers the plug-in must not be disturbed
// by. A fixture gives each test a fresh working folder and freshly loaded state.
#include <string>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "platform/posix/scripted_seams.h"
#include "plugin/module_state.h"
#include "plugin/stats_api.h"
#include "rules/ole_date_time.h"
#include "tests/unit/test_support.h"

extern "C" {
std::remove_pointer_t<ResetStats0Fn> ResetStats0;
std::remove_pointer_t<AddData0Fn> AddData0;
std::remove_pointer_t<RemoveData0Fn> RemoveData0;
std::remove_pointer_t<CheckCall0Fn> CheckCall0;
std::remove_pointer_t<GetResult0Fn> GetResult0;
std::remove_pointer_t<SetupSet0Fn> SetupSet0;
}

namespace driver {

inline HostDateTime At(int year, int month, int day, int hour, int minute, int second = 0) {
  const OleDateTime t = OleDateTime::FromParts(year, month, day, hour, minute, second);
  return HostDateTime{t.Days(), t.GetStatus()};
}

// One QSO as the host passes it to AddData0 and RemoveData0.
struct Qso {
  std::string ownCall = "UA3AAA";
  std::string call;
  HostDateTime time = At(2026, 2, 7, 12, 0);
  unsigned freqHz = 7012000;
  std::string mode = "CW";
  std::string rstSent = "599";
  std::string rstRcvd = "599";
  std::string serialSent = "001";
  std::string exchRcvd = "2001";
  std::string country = "UA";
  std::string band = "40m";
};

inline constexpr const char* kJunk = "ignored";

inline int CallQso(QsoDataFn fn, const Qso& q) {
  HostDateTime time = q.time;
  HostDateTime other = At(2001, 1, 1, 0, 0);
  return fn(q.ownCall.c_str(), q.call.c_str(), &time, &other, &other, &other, 12345u, q.freqHz,
            q.mode.c_str(), q.rstSent.c_str(), q.rstRcvd.c_str(), q.serialSent.c_str(),
            q.exchRcvd.c_str(), kJunk, kJunk, kJunk, kJunk, kJunk, kJunk, kJunk, kJunk, kJunk,
            q.country.c_str(), -1, 7, 99, 3.5, -2.25, kJunk, kJunk, kJunk, q.band.c_str(), kJunk);
}
inline int Add(const Qso& q) { return CallQso(&AddData0, q); }
inline int Remove(const Qso& q) { return CallQso(&RemoveData0, q); }

inline int Check(const char* call, const char* country, const char* band,
                 const char* band2 = nullptr) {
  char buffer27[16] = "host-27";
  char buffer28[16] = "host-28";
  const int result = CheckCall0(call, 7u, 8u, "CW", kJunk, kJunk, kJunk, kJunk, kJunk, kJunk,
                                kJunk, kJunk, kJunk, country, 1, 2, 3, 4.5, 5.5, kJunk, kJunk,
                                kJunk, kJunk, kJunk, band, band2, buffer27, buffer28);
  EXPECT_STREQ(buffer27, "host-27");
  EXPECT_STREQ(buffer28, "host-28");
  return result;
}

inline int Reset(const std::string& ownCall = "UA3AAA", int exportPass = 0,
                 HostDateTime contestTime = At(2026, 2, 7, 12, 0),
                 HostDateTime contestTime2 = At(2026, 2, 8, 12, 0)) {
  return ResetStats0(kJunk, exportPass, ownCall.c_str(), &contestTime, &contestTime2, kJunk,
                     kJunk, kJunk, kJunk, kJunk, kJunk, kJunk, kJunk, kJunk, kJunk, 1, 2, 3, 4.5,
                     5.5, kJunk, kJunk, kJunk);
}

inline std::string Result(int* host = nullptr) {
  int ignored = 12345;
  return GetResult0(host != nullptr ? host : &ignored);
}

// Copies of the state that the status windows read, taken under the lock.
inline StringList OblastsOn(int band) {
  std::lock_guard<std::mutex> lock(g_StateLock);
  return g_OblastsByBand[band];
}
inline StringList ZonesOn(int band) {
  std::lock_guard<std::mutex> lock(g_StateLock);
  return g_ZonesByBand[band];
}
inline std::vector<CInfo> QsoList() {
  std::lock_guard<std::mutex> lock(g_StateLock);
  return g_QsoList;
}

// A points file whose row for zone N scores every zone N*10+zone, so a wrong row or slot shows.
inline constexpr char kPointsFile[] =
    " 11 12 13 14 15 16 17\r\n"
    " 21 22 23 24 25 26 27\r\n"
    " 31 32 33 34 35 36 37\r\n"
    " 41 42 43 44 45 46 47\r\n"
    " 51 52 53 54 55 56 57\r\n"
    " 61 62 63 64 65 66 67\r\n"
    " 71 72 73 74 75 76 77\r\n";

// Fresh folder with the points file, state as after loading, no scripted answers, windows
// stopped, message boxes recorded.
class ContestTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetModuleStateToLoaded();
    platform::FakeStatusWindows() = {};
    platform::SetModePromptHandler({});
    platform::SetZonePromptHandler({});
    platform::SetUtcHourProvider({});
    platform::SetMessageBoxHandler(
        [this](const std::string& text, const std::string&) { messages_.push_back(text); });
    WritePlugin("Points_ZARL.txt", kPointsFile);
  }
  void TearDown() override {
    platform::SetMessageBoxHandler({});
    platform::SetModePromptHandler({});
    platform::SetZonePromptHandler({});
    platform::SetUtcHourProvider({});
    platform::FakeStatusWindows() = {};
    ResetModuleStateToLoaded();
  }

  void WritePlugin(const char* name, const std::string& bytes) {
    testsupport::WriteFileBytes(cwd_.path() / "Plugins" / name, bytes);
  }
  std::string ReadOut(const char* relative) const {
    return testsupport::ReadFileBytes(cwd_.path() / relative);
  }
  std::string ErrLog() const { return ReadOut("err.txt"); }
  std::string Ini() const { return ReadOut("Plugins/ZARL.ini"); }

  testsupport::ScopedTempCwd cwd_;
  std::vector<std::string> messages_;
};

}  // namespace driver
