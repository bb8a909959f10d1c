#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>

#include "rules/oblast_resolver.h"
#include "rules/oblast_zones.h"

namespace {

using rules::OblastCodes;
using rules::ZoneOfOblast;

// The contest's zone list, written out per zone. Every code of the oblast list must get
// exactly the zone it is listed under here, and every other code zone 0.
TEST(ZoneOfOblast, EveryListedCodeHasItsContestZone) {
  const std::string_view zones[8] = {
      "",
      "SP LO KL AR NO VO NV PS MU KA",
      "MA MO OR LP TV SM YR JA KS TL VR TB RA IV VL KU KG BR BO VG KR KM RO AO AD KC ST SO CN "
      "IN DA KB NN SA PE SR UL TA MR MD UD CU RK SE",
      "KO PM OB BA CB SV TN KN",
      "HM YN JN TO OM NS KE AL GA KK HA",
      "BU IR ZK",
      "HK EA SL PK YA",
      "MG AM CK KJ KT",
  };
  auto listedZone = [&](std::string_view code) {
    for (int z = 1; z <= 7; ++z) {
      for (std::size_t at = 0; at + 2 <= zones[z].size(); at += 3) {
        if (zones[z].substr(at, 2) == code) return z;
      }
    }
    return 0;
  };
  int zoned = 0;
  for (std::string_view code : OblastCodes) {
    SCOPED_TRACE(std::string(code));
    EXPECT_EQ(ZoneOfOblast(code), listedZone(code));
    zoned += listedZone(code) != 0;
  }
  EXPECT_EQ(zoned, 86) << "every zoned code is in the oblast list";
}

TEST(ZoneOfOblast, SecondNamesAndCodesWithoutZone) {
  struct ZoneCase {
    std::string code;
    int zone;
  };
  const ZoneCase cases[] = {
      {"YR", 2}, {"JA", 2}, {"YN", 4}, {"JN", 4}, {"YA", 6},
      {"SH", 0},  // second name of "YA", yet listed without a zone
      {"AN", 0}, {"FJ", 0}, {"KI", 0}, {"TU", 0}, {"AB", 0}, {"UO", 0},
      {rules::kSpecialEventResult, 0}, {"DROB", 0}, {"STO", 0},
      {"mo", 0}, {"Mo", 0}, {"MO ", 0}, {" MO", 0}, {"MOS", 0}, {"M", 0}, {"", 0},
      {std::string("MO\0", 3), 0},
  };
  for (const ZoneCase& c : cases) {
    SCOPED_TRACE("code \"" + c.code + "\"");
    EXPECT_EQ(ZoneOfOblast(c.code), c.zone);
  }
}

TEST(OblastCodes, OrderAndMembership) {
  const std::set<std::string_view> distinct(OblastCodes.begin(), OblastCodes.end());
  EXPECT_EQ(distinct.size(), OblastCodes.size());
  // The oblast window lays its boxes out in this order.
  EXPECT_EQ(OblastCodes.front(), "SP");
  EXPECT_EQ(OblastCodes[17], "YR");
  EXPECT_EQ(OblastCodes[18], "JA");
  EXPECT_EQ(OblastCodes[48], "KI");
  EXPECT_EQ(OblastCodes[60], "YN");
  EXPECT_EQ(OblastCodes[61], "JN");
  EXPECT_EQ(OblastCodes[84], "SH");
  EXPECT_EQ(OblastCodes.back(), "FJ");
  for (std::string_view code : OblastCodes) {
    EXPECT_TRUE(code.size() == 2 && std::all_of(code.begin(), code.end(), [](char ch) {
                  return ch >= 'A' && ch <= 'Z';
                })) << code;
  }
}

// The resolver and the code list were written apart; they must agree on the codes. Every
// code that a call-area pair resolves to is in the list, apart from "AB" and "UO".
TEST(OblastCodes, HoldsEveryCodeTheResolverReturns) {
  std::set<std::string> resolved;
  for (char digit = '0'; digit <= '9'; ++digit) {
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
      resolved.insert(rules::ResolveOblast(std::string("R") + digit + letter + "AB"));
    }
  }
  resolved.erase("STO");
  EXPECT_EQ(resolved.size(), 88u);
  for (const std::string& code : resolved) {
    const bool listed =
        std::find(OblastCodes.begin(), OblastCodes.end(), code) != OblastCodes.end();
    EXPECT_EQ(listed, code != "AB" && code != "UO") << code;
  }
  for (std::string_view never : {"YN", "JA", "SH", "AN", "FJ"}) {
    EXPECT_EQ(resolved.count(std::string(never)), 0u) << never;
  }
}

}  // namespace
