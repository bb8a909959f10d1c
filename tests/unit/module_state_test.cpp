#include <gtest/gtest.h>

#include "plugin/module_state.h"

TEST(ModuleState, FreshlyLoadedStateIsEmptyAndZero) {
  ResetModuleStateToLoaded();
  std::lock_guard<std::mutex> lock(g_StateLock);
  EXPECT_TRUE(g_QsoList.empty());
  EXPECT_TRUE(g_BandList.empty());
  EXPECT_EQ(g_OwnZone, 0);
  EXPECT_EQ(g_Mode, 0);
  EXPECT_EQ(g_ExportPass, 0);
  EXPECT_EQ(g_ClaimedScore, 0);
  for (int32_t points : g_ZonePoints) EXPECT_EQ(points, 0);
  for (const StringList& band : g_WorkedTimesByBand) EXPECT_TRUE(band.empty());
  // A record not yet filled by AddData0 carries the date-time zero point, valid.
  const CInfo fresh;
  EXPECT_EQ(fresh.m_Time.GetStatus(), OleDateTime::kValid);
  EXPECT_EQ(fresh.m_Time.Days(), 0.0);
}
