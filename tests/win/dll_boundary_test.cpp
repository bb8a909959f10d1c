// Stats.dll as the logging program meets it: LoadLibrary, every name by GetProcAddress,
// calls through pointers of the exact signatures, FreeLibrary.
#include <gtest/gtest.h>

#include "tools/host_sim/stats_library.h"

namespace {

class DllBoundary : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(lib_.Load("Stats.dll", error)) << error;
  }
  StatsLibrary lib_;
};

TEST_F(DllBoundary, EveryDecoratedNameAndOrdinalReachesItsPlainName) {
  for (const std::string& problem : lib_.PairProblems()) ADD_FAILURE() << problem;
}

TEST_F(DllBoundary, StatelessEntryPointsAnswerThroughBothNames) {
  for (const StatsEntryPoints* ep : {&lib_.Plain(), &lib_.Decorated()}) {
    EXPECT_EQ(ep->GetNumberOfSets(), 1);
    EXPECT_EQ(ep->GetExchgCount0(nullptr, nullptr, nullptr), 1);
    EXPECT_STREQ(ep->GetSetName(0), "ZARL");
    EXPECT_STREQ(ep->GetSetName(3), "");
    EXPECT_EQ(ep->IsValidExchg0("0010", nullptr, nullptr, nullptr, 0, 0, 0), 1);
    EXPECT_EQ(ep->IsValidExchg0("0000", "", "", "", 1, 2, 3), 0);
    EXPECT_EQ(ep->IsValidExchg0("12345", "", "", "", 1, 2, 3), 0);
  }
}

TEST_F(DllBoundary, ReloadingGivesAFreshLibrary) {
  lib_.Unload();
  std::string error;
  ASSERT_TRUE(lib_.Load("Stats.dll", error)) << error;
  EXPECT_EQ(lib_.Plain().GetNumberOfSets(), 1);
}

}  // namespace
