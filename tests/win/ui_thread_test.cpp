// The status windows' thread through the whole of its life, as the host meets it: started by
// ResetStats0's start rule, windows at their saved positions with their look, linked to the
// host's automation object, ended by the close box, by unloading the library, or by the host
// process ending.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "platform/status_windows.h"
#include "platform/win32/module_instance.h"
#include "res/resource.h"
#include "tests/win/ui_test_support.h"
#include "tools/host_sim/host_automation.h"

namespace {

using namespace uitest;

constexpr COLORREF kPaleYellow = RGB(255, 250, 198);
constexpr int kZoneBoxes[7] = {IDC_ZONE_R_1, IDC_ZONE_R_2, IDC_ZONE_R_3, IDC_ZONE_R_4,
                               IDC_ZONE_R_5, IDC_ZONE_R_6, IDC_ZONE_R_7};

POINT TopLeft(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {rect.left, rect.top};
}

// The thread that owns `window` has ended within `timeoutMs`.
bool ThreadEnds(DWORD threadId, DWORD timeoutMs) {
  HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, threadId);
  if (thread == nullptr) return true;  // already gone
  const bool ended = WaitForSingleObject(thread, timeoutMs) == WAIT_OBJECT_0;
  CloseHandle(thread);
  return ended;
}

// The mouse moving over the window, as the system reports it.
void MouseOver(HWND window) {
  SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

struct Look {
  COLORREF brush = 0;
  COLORREF background = 0;
  COLORREF text = 0;
};

// What the window paints a control's background with: its answer to WM_CTLCOLORSTATIC.
Look LookOf(HWND window, HWND control) {
  HDC dc = CreateCompatibleDC(nullptr);
  SetBkColor(dc, RGB(1, 2, 3));
  SetTextColor(dc, RGB(4, 5, 6));
  auto brush = reinterpret_cast<HBRUSH>(
      SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
  Look look;
  LOGBRUSH logBrush{};
  if (brush != nullptr && GetObjectW(brush, sizeof logBrush, &logBrush) == sizeof logBrush) {
    look.brush = logBrush.lbColor;
  }
  look.background = GetBkColor(dc);
  look.text = GetTextColor(dc);
  DeleteDC(dc);
  return look;
}

class StatusWindowsTest : public PluginTest {
 protected:
  void TearDown() override {
    PluginTest::TearDown();
    HostAutomation::UnregisterProgId();
  }

  // Runs the start rule with "Start" at 0 and waits for both windows.
  void OpenWindows() {
    SetSetting("Start", "0");
    ASSERT_EQ(Reset(lib_), 1);
    zone_ = WaitForWindow(kZoneWindowCaption, 5000);
    ASSERT_NE(zone_, nullptr);
    oblast_ = WaitForOblastWindow(5000);
    ASSERT_NE(oblast_, nullptr);
  }

  void CloseWithCloseBox() {
    const DWORD thread = GetWindowThreadProcessId(zone_, nullptr);
    PostMessageW(zone_, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitForWindowGone(zone_, 5000));
    EXPECT_TRUE(WaitForWindowGone(oblast_, 5000));
    EXPECT_TRUE(ThreadEnds(thread, 5000));
  }

  HWND zone_ = nullptr;
  HWND oblast_ = nullptr;
};

// No automation object is registered here at all: the windows open regardless.
TEST_F(StatusWindowsTest, StartRuleOpensTheWindowsOnceAndAlternatesTheStartKey) {
  EXPECT_EQ(Reset(lib_), 1);
  EXPECT_EQ(Setting("Start"), "1");
  HWND zone = WaitForWindow(kZoneWindowCaption, 5000);
  ASSERT_NE(zone, nullptr);
  EXPECT_NE(GetWindowThreadProcessId(zone, nullptr), GetCurrentThreadId());
  EXPECT_NE(WaitForOblastWindow(5000), nullptr);

  EXPECT_EQ(Reset(lib_), 1);
  EXPECT_EQ(Setting("Start"), "0");
  EXPECT_EQ(Reset(lib_), 1);
  EXPECT_EQ(Setting("Start"), "0");
  Sleep(400);
  EXPECT_EQ(WindowsWithCaption(kZoneWindowCaption).size(), 1u);
  EXPECT_EQ(OblastWindows().size(), 1u);
}

TEST_F(StatusWindowsTest, WindowsOpenAtTheirSavedPositionsWithTheirLook) {
  // The ProgID is known but no host runs: the link finds nothing, the windows still open.
  ASSERT_TRUE(HostAutomation::RegisterProgId());
  const struct {
    const char* zoneX;
    const char* zoneY;
    const char* oblastX;
    const char* oblastY;
    POINT zone;
    POINT oblast;
  } cases[] = {
      {"x", " 250", "300", "40", {10, 250}, {300, 40}},
      {nullptr, nullptr, nullptr, nullptr, {10, 10}, {0, 0}},
      {"0", "0", "0", "0", {10, 10}, {0, 0}},
      {"420", "160", "0", "500", {420, 160}, {0, 500}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "zone " << c.zone.x << "," << c.zone.y);
    SetSetting("zone_r_x", c.zoneX);
    SetSetting("zone_r_y", c.zoneY);
    SetSetting("oblast_x", c.oblastX);
    SetSetting("oblast_y", c.oblastY);
    OpenWindows();
    EXPECT_EQ(TopLeft(zone_).x, c.zone.x);
    EXPECT_EQ(TopLeft(zone_).y, c.zone.y);
    EXPECT_EQ(TopLeft(oblast_).x, c.oblast.x);
    EXPECT_EQ(TopLeft(oblast_).y, c.oblast.y);
    if (&c == &cases[0]) {
      // Apart, so that the picture shows both (wine stacks them in the order they appeared).
      Screenshot(L"zone_and_oblast_windows");  // for a person to look at
      EXPECT_TRUE(GetWindowLongW(zone_, GWL_EXSTYLE) & WS_EX_TOPMOST);
      EXPECT_FALSE(GetWindowLongW(oblast_, GWL_EXSTYLE) & WS_EX_TOPMOST);
      for (HWND window : {zone_, oblast_}) {  // the icon comes just after the window
        LRESULT icon = 0;
        for (int i = 0; i < 50 && icon == 0; ++i, Sleep(20)) icon = SendMessageW(window, WM_GETICON, ICON_BIG, 0);
        EXPECT_NE(icon, 0);
      }
      for (int zone = 0; zone < 7; ++zone) {
        EXPECT_EQ(ControlText(zone_, kZoneBoxes[zone]), std::to_wstring(zone + 1));
        EXPECT_FALSE(IsChecked(zone_, kZoneBoxes[zone]));
      }
      for (HWND window : {zone_, oblast_}) {
        const Look look = LookOf(window, GetDlgItem(zone_, IDC_ZONE_R_1));
        EXPECT_EQ(look.brush, kPaleYellow);
        EXPECT_EQ(look.background, kPaleYellow);
        EXPECT_EQ(look.text, RGB(0, 0, 0));
      }
    }
    CloseWithCloseBox();
  }
}

TEST_F(StatusWindowsTest, MouseOverAWindowStoresOnlyTheCoordinatesThatChanged) {
  OpenWindows();  // zone at 10,10, then oblast at 0,0, which is what is remembered now
  MouseOver(zone_);
  EXPECT_EQ(Setting("zone_r_x"), "10");
  EXPECT_EQ(Setting("zone_r_y"), "10");
  SetSetting("zone_r_x", "77");
  MouseOver(zone_);
  EXPECT_EQ(Setting("zone_r_x"), "77") << "nothing moved since, nothing written";

  // Far off the screen, and with more digits than a four-character field holds.
  SetWindowPos(zone_, nullptr, -12345, 23456, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  MouseOver(zone_);
  EXPECT_EQ(Setting("zone_r_x"), "-12345");
  EXPECT_EQ(Setting("zone_r_y"), "23456");

  SetSetting("zone_r_x", "77");
  SetSetting("zone_r_y", "77");
  MouseOver(zone_);
  EXPECT_EQ(Setting("zone_r_x"), "77");
  EXPECT_EQ(Setting("zone_r_y"), "77");

  SetWindowPos(zone_, nullptr, 50, 23456, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  MouseOver(zone_);
  EXPECT_EQ(Setting("zone_r_x"), "50");
  EXPECT_EQ(Setting("zone_r_y"), "77");

  // The oblast window has not moved, but the remembered position is the zone window's.
  MouseOver(oblast_);
  EXPECT_EQ(Setting("oblast_x"), "0");
  EXPECT_EQ(Setting("oblast_y"), "0");
}

TEST_F(StatusWindowsTest, CloseBoxEndsTheThreadAndTheNextStartOpensThemAgain) {
  OpenWindows();
  CloseWithCloseBox();
  EXPECT_TRUE(WindowsWithCaption(kZoneWindowCaption).empty());
  EXPECT_TRUE(OblastWindows().empty());

  // "Start" is still 1 from the opening: that reset only turns it back.
  EXPECT_EQ(Reset(lib_), 1);
  EXPECT_EQ(Setting("Start"), "0");
  EXPECT_EQ(WaitForWindow(kZoneWindowCaption, 500), nullptr);
  EXPECT_EQ(Reset(lib_), 1);
  EXPECT_EQ(Setting("Start"), "1");
  EXPECT_NE(WaitForWindow(kZoneWindowCaption, 5000), nullptr);
  EXPECT_NE(WaitForOblastWindow(5000), nullptr);
}

TEST_F(StatusWindowsTest, UnloadingWithTheWindowsOpenIsPromptAndReleasesTheHostLink) {
  ASSERT_TRUE(HostAutomation::RegisterProgId());
  HostAutomation host;
  std::string error;
  ASSERT_TRUE(host.Publish(error)) << error;
  OpenWindows();
  for (int i = 0; i < 100 && host.DispatchQueries() == 0; ++i) Sleep(20);
  ASSERT_GT(host.DispatchQueries(), 0) << "the zone window links to the running host";
  const DWORD uiThread = GetWindowThreadProcessId(zone_, nullptr);

  const ULONGLONG before = GetTickCount64();
  lib_.Unload();
  const ULONGLONG unloadMs = GetTickCount64() - before;
  // Prompt means at most the 3 s after which a thread stuck at the loader lock is ended; on
  // a loaded machine the unload can catch the thread there even when it is idle.
  EXPECT_LT(unloadMs, 4000u);
  EXPECT_EQ(GetModuleHandleW(L"Stats.dll"), nullptr);
  EXPECT_FALSE(IsWindow(zone_));
  EXPECT_FALSE(IsWindow(oblast_));
  // The thread's exit, queued behind the link's release, has run: the thread is gone.
  EXPECT_TRUE(ThreadEnds(uiThread, 5000));
  // Nothing of the plug-in may run any more: a stray call would have crashed by now, and the
  // host still answers.
  Sleep(300);
  host.Withdraw();
}

// An unload can also catch the windows' thread busy: just after the start, or at the zone
// window's first tick (300 ms), when it links to the host and opens the oblast window.
TEST_F(StatusWindowsTest, UnloadingAtAnyMomentOfTheStartLeavesNoPluginCodeRunning) {
  ASSERT_TRUE(HostAutomation::RegisterProgId());
  HostAutomation host;
  std::string error;
  ASSERT_TRUE(host.Publish(error)) << error;
  for (DWORD delayMs : {0, 150, 290, 300, 310, 450}) {
    SCOPED_TRACE(testing::Message() << "unload " << delayMs << " ms after the start");
    if (!lib_.IsLoaded()) {
      ASSERT_TRUE(lib_.Load("Stats.dll", error)) << error;
    }
    SetSetting("Start", "0");
    ASSERT_EQ(Reset(lib_), 1);
    HWND zone = WaitForWindow(kZoneWindowCaption, 0);
    ASSERT_NE(zone, nullptr) << "the start returns with the zone window up";
    const DWORD uiThread = GetWindowThreadProcessId(zone, nullptr);
    Sleep(delayMs);
    const ULONGLONG before = GetTickCount64();
    lib_.Unload();
    // A thread caught where it waits for the loader lock is ended after 3 s.
    EXPECT_LT(GetTickCount64() - before, 4000u);
    EXPECT_TRUE(ThreadEnds(uiThread, 5000));
    EXPECT_TRUE(WindowsWithCaption(kZoneWindowCaption).empty());
    EXPECT_TRUE(OblastWindows().empty());
  }
  Sleep(300);  // a stray call into the unloaded library would have crashed the test by now
  host.Withdraw();
}

TEST_F(StatusWindowsTest, HostProcessEndingWithTheWindowsOpenDoesNotHang) {
  const std::wstring hostSim = ExeFolder() + L"\\..\\..\\tools\\host_sim\\host_sim.exe";
  std::wstring command = L"host_sim.exe exit-with-windows \"" + ExeFolder() + L"\\Stats.dll\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(CreateProcessW(hostSim.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &process))
      << GetLastError();
  const DWORD waited = WaitForSingleObject(process.hProcess, 60000);
  DWORD exitCode = 999;
  GetExitCodeProcess(process.hProcess, &exitCode);
  if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  ASSERT_EQ(waited, WAIT_OBJECT_0) << "the process hung in the plug-in's unload";
  EXPECT_EQ(exitCode, 0u) << "0: ended with the windows open; 3: they never opened";
}

// The stop the exports use, on the program's own copy of the code (the DLL's resources
// borrowed): stopping twice, and starting over a running thread.
class StatusWindowsSeamTest : public PluginTest {
 protected:
  void SetUp() override {
    PluginTest::SetUp();
    platform::SetModuleInstance(GetModuleHandleW(L"Stats.dll"));
  }
  void TearDown() override {
    platform::StopStatusWindows();
    platform::SetModuleInstance(nullptr);
    PluginTest::TearDown();
  }
};

TEST_F(StatusWindowsSeamTest, StopClosesEverythingAndASecondStopReturnsAtOnce) {
  platform::StartStatusWindows();
  EXPECT_TRUE(platform::StatusWindowsRunning());
  HWND zone = WaitForWindow(kZoneWindowCaption, 5000);
  ASSERT_NE(zone, nullptr);
  HWND oblast = WaitForOblastWindow(5000);
  ASSERT_NE(oblast, nullptr);

  platform::StartStatusWindows();  // over a running thread: the old windows go first
  EXPECT_FALSE(IsWindow(zone));
  EXPECT_FALSE(IsWindow(oblast));
  ASSERT_NE(WaitForWindow(kZoneWindowCaption, 5000), nullptr);
  EXPECT_EQ(WindowsWithCaption(kZoneWindowCaption).size(), 1u);

  zone = WaitForWindow(kZoneWindowCaption, 0);
  platform::StopStatusWindows();
  EXPECT_FALSE(platform::StatusWindowsRunning());
  EXPECT_FALSE(IsWindow(zone));
  EXPECT_TRUE(OblastWindows().empty());

  const ULONGLONG before = GetTickCount64();
  platform::StopStatusWindows();
  EXPECT_LT(GetTickCount64() - before, 100u);
  EXPECT_FALSE(platform::StatusWindowsRunning());
}

}  // namespace
