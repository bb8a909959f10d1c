// The link to the host's automation object against the host simulator's object: found by
// its ProgID as the running object, called by dispatch id in the neutral locale, with the
// texts converted in the thread's ANSI code page.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "tools/host_sim/host_automation.h"
#include "ui/win32/host_link.h"

namespace {

// Runs `body` on a thread of its own in a single-threaded apartment, as the status windows'
// thread is; the simulator's object lives in another apartment.
template <typename Body>
void OnApartmentThread(Body body) {
  std::thread thread([&] {
    CoInitialize(nullptr);
    body();
    CoUninitialize();
  });
  thread.join();
}

class HostLinkTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(HostAutomation::RegisterProgId()); }
  void TearDown() override {
    host_.Withdraw();
    HostAutomation::UnregisterProgId();
  }
  HostAutomation host_;
};

TEST_F(HostLinkTest, ReadsFrequencyAndEntryFieldAndRunsMacros) {
  std::string error;
  ASSERT_TRUE(host_.Publish(error)) << error;
  host_.SetFrequency(14025000.0);
  // "UA3ЖЖ": the entry field as the host holds it, in UTF-16.
  host_.SetEntryText(L"UA3\u0416\u0416");

  bool connected = false;
  double frequency = 0;
  std::string call, empty;
  HRESULT frequencyResult = E_FAIL, callResult = E_FAIL, macroResult = E_FAIL;
  OnApartmentThread([&] {
    // Russian thread locale: CP_THREAD_ACP is then 1251, whatever the process's code page.
    SetThreadLocale(MAKELCID(MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT), SORT_DEFAULT));
    ui::HostLink link;
    connected = link.Connect();
    if (!connected) return;
    frequencyResult = link.GetHostFrequency(frequency);
    callResult = link.GetHostText(5, call);
    link.GetHostText(4, empty);
    macroResult = link.RunHostMacro("<MODE:CW>");
    link.RunHostMacro("<SP1>");
  });
  ASSERT_TRUE(connected);
  EXPECT_EQ(frequencyResult, S_OK);
  EXPECT_EQ(frequency, 14025000.0);
  EXPECT_EQ(callResult, S_OK);
  EXPECT_EQ(call, "UA3\xC6\xC6");  // Ж is 0xC6 in code page 1251
  EXPECT_EQ(empty, "");
  EXPECT_EQ(macroResult, S_OK);
  EXPECT_EQ(host_.Macros(), (std::vector<std::wstring>{L"<MODE:CW>", L"<SP1>"}));

  const std::vector<HostAutomationCall> calls = host_.Calls();
  ASSERT_EQ(calls.size(), 5u);
  const DISPID expectedIds[] = {2, 8, 8, 16, 16};
  for (size_t i = 0; i < calls.size(); ++i) {
    EXPECT_EQ(calls[i].id, expectedIds[i]) << i;
    EXPECT_EQ(calls[i].locale, 0u) << i;
    EXPECT_EQ(calls[i].flags, i == 0 ? DISPATCH_PROPERTYGET : DISPATCH_METHOD) << i;
  }
}

TEST_F(HostLinkTest, EmptyEntryFieldGivesAnEmptyCallsign) {
  std::string error;
  ASSERT_TRUE(host_.Publish(error)) << error;
  std::string call = "stale";
  OnApartmentThread([&] {
    ui::HostLink link;
    if (link.Connect()) link.GetHostText(5, call);
  });
  EXPECT_EQ(call, "");
}

TEST_F(HostLinkTest, NoLinkWithoutARunningHostOrARegisteredProgId) {
  bool connectedWhileNotRunning = true;
  HRESULT callWithoutLink = S_OK;
  OnApartmentThread([&] {
    ui::HostLink link;
    connectedWhileNotRunning = link.Connect();
    double frequency = 0;
    callWithoutLink = link.GetHostFrequency(frequency);
  });
  EXPECT_FALSE(connectedWhileNotRunning);
  EXPECT_TRUE(FAILED(callWithoutLink));

  std::string error;
  ASSERT_TRUE(host_.Publish(error)) << error;
  HostAutomation::UnregisterProgId();
  bool connectedWhileUnregistered = true;
  OnApartmentThread([&] { connectedWhileUnregistered = ui::HostLink().Connect(); });
  EXPECT_FALSE(connectedWhileUnregistered);
}

}  // namespace
