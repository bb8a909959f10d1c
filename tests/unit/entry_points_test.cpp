// The entry points whose whole behaviour lies at the boundary, and the shared library's
// export list as a host loading it sees it.
#include <dlfcn.h>

#include <string>

#include <gtest/gtest.h>

#include "plugin/stats_api.h"

extern "C" {
int GetNumberOfSets();
int GetExchgCount0();
const char* GetSetName(int);
int IsValidExchg0(const char*, const char*, const char*, const char*, int, int, int);
}

TEST(EntryPoints, OneStatisticsSetWhateverTheExchangeArguments) {
  EXPECT_EQ(GetNumberOfSets(), 1);
  auto exchgCount = reinterpret_cast<GetExchgCount0Fn>(&GetExchgCount0);
  EXPECT_EQ(exchgCount(nullptr, nullptr, nullptr), 1);
  EXPECT_EQ(exchgCount("5990001", "x", ""), 1);
}

TEST(EntryPoints, SetNameIsZarlForSetZeroOnly) {
  EXPECT_STREQ(GetSetName(0), "ZARL");
  for (int set : {1, -1, 7}) {
    ASSERT_NE(GetSetName(set), nullptr);
    EXPECT_STREQ(GetSetName(set), "") << set;
  }
}

TEST(EntryPoints, ValidExchangeIsFourDigitsAboveZero) {
  const struct {
    const char* text;
    int valid;
  } cases[] = {
      {"0001", 1}, {"0010", 1}, {"9999", 1}, {"3015", 1},  //
      {"0000", 0}, {"123", 0},  {"12345", 0}, {"12a4", 0}, {"", 0},
      {" 123", 0}, {"-123", 0}, {"+123", 0},  {"12 4", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsValidExchg0(c.text, "", "", "", 0, 0, 0), c.valid) << '"' << c.text << '"';
  }
  EXPECT_EQ(IsValidExchg0(nullptr, nullptr, nullptr, nullptr, 0, 0, 0), 0);
}

TEST(SharedLibrary, ExportsEveryPlainNameAndNothingElseOfOurs) {
  void* lib = dlopen(ZARL_LIBSTATS_PATH, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(lib, nullptr) << dlerror();
  for (const StatsExport& e : kStatsExports) {
    EXPECT_NE(dlsym(lib, e.plainName), nullptr) << e.plainName;
  }
  EXPECT_EQ(dlsym(lib, "GetExchgCount0"), dlsym(lib, "GetNumberOfSets"));
  // Internals stay private to the library.
  EXPECT_EQ(dlsym(lib, "g_QsoList"), nullptr);
  auto getSetName = reinterpret_cast<GetSetNameFn>(dlsym(lib, "GetSetName"));
  ASSERT_NE(getSetName, nullptr);
  EXPECT_EQ(std::string(getSetName(0)), "ZARL");
  dlclose(lib);
}
