// Where the status windows open and how the shared remembered position decides which
// coordinates are stored as the mouse moves over them.
#include <string>

#include <gtest/gtest.h>

#include "platform/settings_store.h"
#include "tests/unit/test_support.h"
#include "ui/window_position.h"

namespace {

std::string Stored(const char* key) {
  return platform::ReadProfileValue("Settings", key, "Plugins\\ZARL.ini", 100);
}
void Store(const char* key, const char* value) {
  platform::WriteProfileValue("Settings", key, value, "Plugins\\ZARL.ini");
}

class WindowPosition : public ::testing::Test {
 protected:
  void SetUp() override { ui::g_LastWindowX = ui::g_LastWindowY = 0; }
  testsupport::ScopedTempCwd cwd_;
};

TEST_F(WindowPosition, OpeningPositionReplacesZerosByTheWindowsDefault) {
  const struct {
    const ui::WindowPositionKeys* keys;
    const char* x;  // nullptr: key missing
    const char* y;
    int expectedX, expectedY;
  } cases[] = {
      {&ui::kZoneRPosition, nullptr, nullptr, 10, 10},
      {&ui::kZoneRPosition, "0", "junk", 10, 10},
      {&ui::kZoneRPosition, "-250", "1700", -250, 1700},
      {&ui::kOblastPosition, nullptr, nullptr, 0, 0},
      {&ui::kOblastPosition, "12", "0", 12, 0},
      {&ui::kDxccPosition, nullptr, "0", 10, 400},
      {&ui::kDxccPosition, "33", "44", 33, 44},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.keys->xKey << "=" << (c.x ? c.x : "(none)"));
    if (c.x) Store(c.keys->xKey, c.x);
    if (c.y) Store(c.keys->yKey, c.y);
    const ui::ScreenPoint p = ui::LoadWindowPosition(*c.keys);
    EXPECT_EQ(p.x, c.expectedX);
    EXPECT_EQ(p.y, c.expectedY);
    EXPECT_EQ(ui::g_LastWindowX, c.expectedX);
    EXPECT_EQ(ui::g_LastWindowY, c.expectedY);
  }
}

TEST_F(WindowPosition, OnlyCoordinatesThatDifferFromTheSharedCacheAreStored) {
  ui::LoadWindowPosition(ui::kZoneRPosition);  // remembers 10, 10
  ui::RememberWindowPosition(ui::kZoneRPosition, {10, 10});
  EXPECT_EQ(Stored("zone_r_x"), "");
  EXPECT_EQ(Stored("zone_r_y"), "");

  ui::RememberWindowPosition(ui::kZoneRPosition, {10, 75});
  EXPECT_EQ(Stored("zone_r_x"), "");
  EXPECT_EQ(Stored("zone_r_y"), "75");

  // Another window at the same y: only its x differs from what the zone window left.
  ui::RememberWindowPosition(ui::kOblastPosition, {300, 75});
  EXPECT_EQ(Stored("oblast_x"), "300");
  EXPECT_EQ(Stored("oblast_y"), "");
}

TEST_F(WindowPosition, PositionsAreStoredAsWholeSignedNumbers) {
  for (const ui::ScreenPoint p : {ui::ScreenPoint{-32000, 123456789}, ui::ScreenPoint{-2147483647 - 1, 2147483647}}) {
    ui::RememberWindowPosition(ui::kDxccPosition, p);
    EXPECT_EQ(Stored("dxcc_x"), std::to_string(p.x));
    EXPECT_EQ(Stored("dxcc_y"), std::to_string(p.y));
    Store("dxcc_x", "0");
    Store("dxcc_y", "0");
    EXPECT_EQ(ui::LoadWindowPosition(ui::kDxccPosition).x, 10);
    ui::g_LastWindowX = ui::g_LastWindowY = 0;
  }
  Store("dxcc_x", "-1234567");
  EXPECT_EQ(ui::LoadWindowPosition(ui::kDxccPosition).x, -1234567);
}

}  // namespace
