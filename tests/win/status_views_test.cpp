// What the oblast, zone and DXCC windows show while the operator works: a small contest
// logged through the exports, callsigns typed into the host simulator's entry field (each
// keystroke a CheckCall0), the host tuned from band to band, and what the host is asked to
// do in return. Also the two templates the windows are made from.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/unit/small_contest.h"
#include "tests/win/ui_test_support.h"
#include "tools/host_sim/host_automation.h"
#include "ui/oblast_grid.h"

namespace {

using namespace uitest;
namespace sc = small_contest;

constexpr int kZoneBoxes[7] = {IDC_ZONE_R_1, IDC_ZONE_R_2, IDC_ZONE_R_3, IDC_ZONE_R_4,
                               IDC_ZONE_R_5, IDC_ZONE_R_6, IDC_ZONE_R_7};
constexpr DISPID kHostTextDispId = 8;

INT_PTR CALLBACK InertDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

BOOL CALLBACK CollectChild(HWND child, LPARAM out) {
  reinterpret_cast<std::vector<HWND>*>(out)->push_back(child);
  return TRUE;
}

std::vector<HWND> Children(HWND dialog) {
  std::vector<HWND> children;
  EnumChildWindows(dialog, &CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

std::wstring Widen(std::string_view text) { return std::wstring(text.begin(), text.end()); }

TEST_F(PluginTest, OblastAndDxccTemplatesHoldTheirControls) {
  const HINSTANCE dll = GetModuleHandleW(L"Stats.dll");
  HWND oblast = CreateDialogParamW(dll, MAKEINTRESOURCEW(IDD_OBLAST), nullptr, &InertDialog, 0);
  ASSERT_NE(oblast, nullptr);
  std::set<int> ids;
  for (HWND child : Children(oblast)) ids.insert(GetDlgCtrlID(child));
  std::set<int> expectedIds;
  for (const ui::OblastBox& box : ui::kOblastBoxes) {
    SCOPED_TRACE(std::string(box.code));
    expectedIds.insert(box.controlId);
    HWND control = GetDlgItem(oblast, box.controlId);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(WindowText(control), Widen(box.code));
    EXPECT_EQ(GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX);
    // Dialog units to pixels: the grid's places, row by row, stay in order on the screen.
    RECT place{box.x, box.y, box.x + ui::kOblastBoxWidth, box.y + box.height};
    MapDialogRect(oblast, &place);
    RECT actual{};
    GetWindowRect(control, &actual);
    MapWindowPoints(nullptr, oblast, reinterpret_cast<POINT*>(&actual), 2);
    EXPECT_EQ(actual.left, place.left);
    EXPECT_EQ(actual.top, place.top);
  }
  EXPECT_EQ(ids, expectedIds) << "no box more, none missing";
  EXPECT_EQ(WindowText(oblast), kOblastWindowCaption);
  DestroyWindow(oblast);

  HWND dxcc = CreateDialogParamW(dll, MAKEINTRESOURCEW(IDD_DXCC), nullptr, &InertDialog, 0);
  ASSERT_NE(dxcc, nullptr);
  EXPECT_EQ(WindowText(dxcc), L"DXCC");
  EXPECT_FALSE(IsWindowVisible(dxcc)) << "the window's creator shows it";
  const std::vector<HWND> children = Children(dxcc);
  ASSERT_EQ(children.size(), 1u);
  EXPECT_EQ(GetDlgCtrlID(children[0]), IDC_DXCC_TABLE);
  EXPECT_EQ(GetWindowLongW(children[0], GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  DestroyWindow(dxcc);
}

// The button's picture as the screen shows it.
class Picture {
 public:
  explicit Picture(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    width_ = client.right;
    height_ = client.bottom;
    HDC screen = GetDC(control);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width_, height_);
    old_ = SelectObject(dc_, bitmap_);
    BitBlt(dc_, 0, 0, width_, height_, screen, 0, 0, SRCCOPY);
    ReleaseDC(control, screen);
  }
  ~Picture() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  int height() const { return height_; }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
  // Dark pixels in the box: how much text is drawn there.
  int InkIn(int left, int top, int right, int bottom) const {
    int ink = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        const COLORREF c = At(x, y);
        if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 300) ++ink;
      }
    }
    return ink;
  }

 private:
  int width_ = 0, height_ = 0;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

class StatusViewsTest : public PluginTest {
 protected:
  void SetUp() override {
    PluginTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_TRUE(HostAutomation::RegisterProgId());
    std::string error;
    ASSERT_TRUE(host_.Publish(error)) << error;
  }
  void TearDown() override {
    PluginTest::TearDown();  // unloads the plug-in, which lets go of the host first
    host_.Withdraw();
    HostAutomation::UnregisterProgId();
  }

  // The windows opened with the host on `hertz` and an empty entry field, their first tick
  // done; then the small contest logged and scored (the reset that opens the windows starts
  // an empty log, and the windows read the log as it is at each tick).
  // `bandName` is the band of `hertz`: the first tick's caption tells the oblast window.
  void OpenTheWindowsAndLogTheContest(double hertz, const std::wstring& bandName) {
    host_.SetFrequency(hertz);
    host_.SetEntryText(L"");
    SetSetting("Start", "0");
    ASSERT_EQ(Reset(lib_, sc::kOwnCall), 1);
    zone_ = WaitForWindow(kZoneWindowCaption, 5000);
    ASSERT_NE(zone_, nullptr);
    oblast_ = WaitForWindow(L"Obl worked on " + bandName + L" 0 of 88", 5000);
    ASSERT_NE(oblast_, nullptr);
    WaitForTick(0);

    for (const sc::Step& s : sc::kSteps) {
      QsoCall q;
      q.ownCall = sc::kOwnCall;
      q.call = s.call;
      q.time = MakeHostTime(sc::kYear, sc::kMonth, sc::kDay, s.hour, s.minute);
      q.freqHz = s.freqHz;
      q.mode = s.mode;
      q.serialSent = s.serialSent;
      q.exchRcvd = s.exchRcvd;
      q.country = s.country;
      q.band = s.band;
      const auto fn = s.op == sc::Op::kAdd ? lib_.Plain().AddData0 : lib_.Plain().RemoveData0;
      ASSERT_EQ(CallQsoData(fn, q), s.expected) << s.call;
    }
    int hostFlag = 3;
    lib_.Plain().GetResult0(&hostFlag);  // builds the per-band lists the windows show
  }

  size_t TextCalls() const {
    size_t n = 0;
    for (const HostAutomationCall& call : host_.Calls()) n += call.id == kHostTextDispId;
    return n;
  }

  // One tick reads the entry field once; once it has, only "<SP1>" may still follow, and
  // after that the tick ends without waiting for anything. A message sent to the window is
  // handled once the tick is over.
  void WaitForTick(size_t textCallsBefore) {
    for (int i = 0; i < 150 && TextCalls() <= textCallsBefore; ++i) Sleep(20);
    ASSERT_GT(TextCalls(), textCallsBefore) << "no tick ran";
    Sleep(50);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(oblast_, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &ignored);
  }

  // The operator types `call` (one CheckCall0 for the whole text, as a paste gives).
  void Type(const std::wstring& call) {
    host_.SetEntryText(call);
    const size_t before = TextCalls();
    CheckCallArgs args;
    args.call = std::string(call.begin(), call.end());
    CallCheckCall0(lib_.Plain().CheckCall0, args);
    WaitForTick(before);
  }

  std::set<std::string> TickedOblasts() const {
    std::set<std::string> ticked;
    for (const ui::OblastBox& box : ui::kOblastBoxes) {
      if (IsChecked(oblast_, box.controlId)) ticked.insert(std::string(box.code));
    }
    return ticked;
  }

  std::set<int> TickedZones() const {
    std::set<int> ticked;
    for (int zone = 0; zone < 7; ++zone) {
      if (IsChecked(zone_, kZoneBoxes[zone])) ticked.insert(zone + 1);
    }
    return ticked;
  }

  HostAutomation host_;
  HWND zone_ = nullptr;
  HWND oblast_ = nullptr;
};

TEST_F(StatusViewsTest, TicksFollowTheHostFromBandToBandAndSendTheMacrosOnce) {
  SetSetting("Mode", "1");
  OpenTheWindowsAndLogTheContest(7010000, L"40m");
  EXPECT_EQ(host_.Macros(), (std::vector<std::wstring>{L"<MODE:CW>", L"<SP1>"}));

  const struct {
    double hertz;
    const wchar_t* caption;
    std::set<std::string> oblasts;
    std::set<int> zones;  // the 80m list's zone 8 ticks nothing
    bool sp1;             // moved more than 300 Hz from where "<SP1>" was last sent
  } steps[] = {
      {7010250, L"Obl worked on 40m 1 of 88", {"MO"}, {2, 5}, false},
      {7010300, L"Obl worked on 40m 1 of 88", {"MO"}, {2, 5}, false},
      {7010301, L"Obl worked on 40m 1 of 88", {"MO"}, {2, 5}, true},
      {3600000, L"Obl worked on 80m 2 of 88", {"SL", "TO"}, {6}, true},
      {14025000, L"Obl worked on 20m 1 of 88", {"SP"}, {1}, true},
      {10120000, L"Obl worked on  0 of 88", {}, {}, true},
      {1830000, L"Obl worked on 160m 1 of 88", {"MO"}, {2}, true},
      {28999999, L"Obl worked on 10m 0 of 88", {}, {}, true},
  };
  size_t macros = host_.Macros().size();
  for (const auto& step : steps) {
    SCOPED_TRACE(testing::Message() << step.hertz << " Hz");
    host_.SetFrequency(step.hertz);
    Type(L"");
    EXPECT_EQ(WindowText(oblast_), step.caption);
    EXPECT_EQ(TickedOblasts(), step.oblasts);
    EXPECT_EQ(TickedZones(), step.zones);
    const std::vector<std::wstring> sent = host_.Macros();
    ASSERT_EQ(sent.size(), macros + (step.sp1 ? 1 : 0));
    if (step.sp1) {
      EXPECT_EQ(sent.back(), L"<SP1>");
    }
    macros = sent.size();
    if (step.hertz == 14025000) {
      Screenshot(L"oblast_window_20m");  // for a person to look at
    }
  }
}

TEST_F(StatusViewsTest, WithoutAModeSettingTheHostIsToldSsbOnce) {
  OpenTheWindowsAndLogTheContest(3600000, L"80m");
  Type(L"RK0FA");
  EXPECT_EQ(host_.Macros(), (std::vector<std::wstring>{L"<MODE:SSB>", L"<SP1>"}));
}

TEST_F(StatusViewsTest, DxccWindowShowsWhenTheTypedCallWasWorkedAndGoesWithAnEmptyField) {
  OpenTheWindowsAndLogTheContest(7010000, L"40m");  // 40m
  Type(L"RA3DAA");
  HWND dxcc = WaitForWindow(L" ZARL worked with RA3DAA", 3000);
  ASSERT_NE(dxcc, nullptr);
  RECT outer{};
  GetWindowRect(dxcc, &outer);
  EXPECT_EQ(outer.left, 10);
  EXPECT_EQ(outer.top, 400);
  HWND table = GetDlgItem(dxcc, IDC_DXCC_TABLE);
  ASSERT_NE(table, nullptr);
  RECT client{}, button{};
  GetClientRect(dxcc, &client);
  GetWindowRect(table, &button);
  MapWindowPoints(nullptr, dxcc, reinterpret_cast<POINT*>(&button), 2);
  EXPECT_EQ(button.left, 5);
  EXPECT_EQ(button.top, 5);
  EXPECT_EQ(button.right, client.right - 5);
  EXPECT_EQ(button.bottom, client.bottom - 5);
  Sleep(200);
  Screenshot(L"dxcc_window_ra3daa");  // for a person to look at

  // Rows below a header row: 160m, 80m, 40m, 20m, 15m, 10m. RA3DAA was worked on 160m in
  // CW and on 40m in CW and SSB; the other cells show "   -".
  auto inkOfCell = [](const Picture& picture, int band, int column) {
    const int row = picture.height() / 7;
    const int x = column == 0 ? 100 : 180;
    return picture.InkIn(x, row * (band + 1) + 1, x + 60, row * (band + 2) - 1);
  };
  {
    const Picture picture(table);
    const int row = picture.height() / 7;
    EXPECT_EQ(picture.At(60, row * 3 + row / 2), RGB(198, 255, 255)) << "the 40m row is the host's band";
    EXPECT_EQ(picture.At(60, row * 4 + row / 2), RGB(255, 255, 198));
    const int empty = inkOfCell(picture, 3, 0);  // 20m CW: "   -"
    EXPECT_GT(empty, 0);
    for (const auto& [band, column] : {std::pair{0, 0}, std::pair{2, 0}, std::pair{2, 1}}) {
      SCOPED_TRACE(testing::Message() << "band " << band << " column " << column);
      EXPECT_GT(inkOfCell(picture, band, column), empty * 3);
    }
    for (const auto& [band, column] : {std::pair{0, 1}, std::pair{1, 0}, std::pair{4, 1}, std::pair{5, 0}}) {
      SCOPED_TRACE(testing::Message() << "band " << band << " column " << column);
      EXPECT_EQ(inkOfCell(picture, band, column), empty);
    }
  }

  // The call must match exactly: in lower case nothing was worked.
  Type(L"ra3daa");
  EXPECT_EQ(WindowText(dxcc), L" ZARL worked with ra3daa");
  Sleep(200);
  {
    const Picture picture(table);
    EXPECT_EQ(inkOfCell(picture, 2, 0), inkOfCell(picture, 3, 0));
  }

  // The field emptied: the window closes at its next paint and its object goes after it.
  Type(L"");
  EXPECT_TRUE(WaitForWindowGone(dxcc, 3000));
  EXPECT_TRUE(WindowsWithCaption(L" ZARL worked with ra3daa").empty());

  // The next callsign brings up a fresh window, at the position saved for it.
  SetSetting("dxcc_x", "300");
  SetSetting("dxcc_y", "420");
  Type(L"UA1AAA");
  HWND fresh = WaitForWindow(L" ZARL worked with UA1AAA", 3000);
  ASSERT_NE(fresh, nullptr);
  GetWindowRect(fresh, &outer);
  EXPECT_EQ(outer.left, 300);
  EXPECT_EQ(outer.top, 420);
  EXPECT_EQ(WindowsWithCaption(L"DXCC").size(), 0u);
}

}  // namespace
