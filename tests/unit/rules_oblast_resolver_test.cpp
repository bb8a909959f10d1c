#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>
#include <string_view>

#include "rules/oblast_resolver.h"

namespace {

using rules::IsRussianPrefix;
using rules::ResolveOblast;

struct ResolveCase {
  std::string callsign;
  std::string_view expected;
};

void ExpectResolves(const ResolveCase& c) {
  SCOPED_TRACE("callsign \"" + c.callsign + "\"");
  const char* got = ResolveOblast(c.callsign);
  ASSERT_NE(got, nullptr);
  EXPECT_EQ(got, c.expected);
  // The host hands in a C string; both entry points must agree.
  EXPECT_STREQ(ResolveOblast(c.callsign.c_str()), got);
}

// One ordinary call per row of the call-area table, each with a single call-area pair so
// that only that row can match. Needles vary from row to row.
TEST(ResolveOblast, EveryCallAreaRowResolvesThroughARealCall) {
  struct RowCase {
    int row;
    const char* callsign;
    const char* oblast;
  };
  const RowCase cases[] = {
      {1, "UA1ABC", "SP"},
      {2, "RK1CDX", "LO"},
      {3, "RN1OW", "AR"},
      {4, "RU1QZZ", "VO"},
      {5, "RV1ZMK", "MU"},
      {6, "RW1TABC", "NV"},
      {7, "RX1WQ", "PS"},
      {8, "RZ1NAA", "KL"},
      {9, "UI1PBC", "NO"},
      {10, "R2FDX", "KA"},
      {11, "U9XW", "KO"},
      {12, "RA2ZZZ", "BO"},
      {13, "UA2YMK", "BR"},
      {14, "RK2VABC", "VL"},
      {15, "RN5OQ", "VR"},
      {16, "RU2UAA", "IV"},
      {17, "RV2XBC", "KG"},
      {18, "RW2NDX", "KS"},
      {19, "RX2WW", "KU"},
      {20, "RZ2GZZ", "LP"},
      {21, "UI2AMK", "MA"},
      {22, "R5DABC", "MO"},
      {23, "U2EQ", "OR"},
      {24, "RA2SAA", "RA"},
      {25, "UA2LBC", "SM"},
      {26, "RK2RDX", "TB"},
      {27, "RN2IW", "TV"},
      {28, "RU2PZZ", "TL"},
      {29, "RV2MMK", "YR"},
      {30, "RW6YABC", "AD"},
      {31, "RX7WQ", "DA"},
      {32, "RZ6PAA", "CN"},
      {33, "UI7BBC", "KR"},
      {34, "R6KDX", "RK"},
      {35, "U7RW", "SE"},
      {36, "RA6QZZ", "IN"},
      {37, "UA7XMK", "KB"},
      {38, "RK6IABC", "KM"},
      {39, "RN7EQ", "KC"},
      {40, "RU6JAA", "SO"},
      {41, "RV7UBC", "AO"},
      {42, "RW6HDX", "ST"},
      {43, "RX7MW", "RO"},
      {44, "RZ4AZZ", "VG"},
      {45, "UI2TMK", "NN"},
      {46, "R8WABC", "BA"},
      {47, "U8TQ", "OB"},
      {48, "RA4SAA", "MR"},
      {49, "UA4UBC", "MD"},
      {50, "RK4FDX", "PE"},
      {51, "RN4PW", "TA"},
      {52, "RU8FZZ", "PM"},
      {53, "RV4WMK", "UD"},
      {54, "RW4HABC", "SR"},
      {55, "RX4YQ", "CU"},
      {56, "RZ4CAA", "SA"},
      {57, "UI4MBC", "UL"},
      {58, "R4NDX", "KI"},
      {59, "U8RW", "KN"},
      {60, "RA8AZZ", "CB"},
      {61, "UA9DMK", "SV"},
      {62, "RK8JABC", "HM"},
      {63, "RN9LQ", "TN"},
      {64, "RU8KAA", "JN"},
      {65, "RV9ZBC", "GA"},
      {66, "RW8UDX", "KE"},
      {67, "RX9OW", "NS"},
      {68, "RZ8YZZ", "AL"},
      {69, "UI9NMK", "OM"},
      {70, "R9HABC", "TO"},
      {71, "U0OQ", "BU"},
      {72, "RA0YAA", "TU"},
      {73, "UA0WBC", "HA"},
      {74, "RK0UDX", "ZK"},
      {75, "RN0AW", "KK"},
      {76, "RU8VZZ", "AB"},
      {77, "RV0TMK", "IR"},
      {78, "RW0RABC", "UO"},
      {79, "RX0QQ", "YA"},
      {80, "RZ0LAA", "PK"},
      {81, "UI0CBC", "HK"},
      {82, "R0JDX", "AM"},
      {83, "U0ZW", "KT"},
      {84, "RA0IZZ", "MG"},
      {85, "UA0DMK", "EA"},
      {86, "RK0XABC", "KJ"},
      {87, "RN0KQ", "CK"},
      {88, "RU0FAA", "SL"},
  };
  std::set<std::string> oblasts;
  for (const RowCase& c : cases) {
    SCOPED_TRACE("row " + std::to_string(c.row));
    ExpectResolves({c.callsign, c.oblast});
    oblasts.insert(c.oblast);
  }
  EXPECT_EQ(oblasts.size(), std::size(cases)) << "each row has its own code";
}

// Every call-area digit with every letter, as "R" + pair + "AB": the code for each pair, or
// "--" where no row holds the pair. Catches a wrong or missing needle anywhere in a row.
TEST(ResolveOblast, EveryDigitLetterPairMapsToItsRow) {
  struct DigitCase {
    char digit;
    const char* codesForAtoZ;
  };
  const DigitCase cases[] = {
      {'0', "KK KK HK EA SL SL -- KK MG AM CK PK -- -- BU -- YA UO IR IR ZK ZK HA KJ TU KT"},
      {'1', "SP SP LO LO -- SP -- -- -- -- -- -- -- KL AR NO VO -- -- NV -- -- PS -- -- MU"},
      {'2', "MA MA MA MO OR KA LP MO TV -- KA SM YR KS VR TL VR TB RA NN IV VL KU KG BR BO"},
      {'3', "MA MA MA MO OR MO LP MO TV -- VR SM YR KS VR TL VR TB RA NN IV VL KU KG BR BO"},
      {'4', "VG VG SA SA -- PE -- SR SR -- -- UL UL KI -- TA TA TA MR -- MD -- UD -- CU --"},
      {'5', "MA MA MA MO OR MO LP MO TV -- VR SM YR KS VR TL VR TB RA NN IV VL KU KG BR BO"},
      {'6', "KR KR KR KR KC ST ST ST KM SO RK RO RO RO -- CN IN SE -- -- AO -- DA KB AD --"},
      {'7', "KR KR KR KR KC ST ST ST KM SO RK RO RO RO -- CN IN SE -- -- AO -- DA KB AD --"},
      {'8', "CB CB SV SV -- PM PM TO TO HM JN TN OM OM NS -- KN KN OB OB KE AB BA KO AL GA"},
      {'9', "CB CB SV SV -- PM PM TO TO HM JN TN OM OM NS -- KN KN OB OB KE -- BA KO AL GA"},
  };
  for (const DigitCase& c : cases) {
    const std::string_view codes = c.codesForAtoZ;
    ASSERT_EQ(codes.size(), 26u * 3 - 1);
    for (int i = 0; i < 26; ++i) {
      const std::string callsign = std::string("R") + c.digit + char('A' + i) + "AB";
      std::string expected(codes.substr(i * 3, 2));
      if (expected == "--") expected = "STO";
      ExpectResolves({callsign, expected});
    }
  }
}

TEST(ResolveOblast, EarlierRowWinsWhenACallHoldsPairsOfTwoRows) {
  const ResolveCase cases[] = {
      {"R9X1P", "NO"},    // row 9 "1P" beats row 11 "9X", though "9X" comes first
      {"R1P9X", "NO"},
      {"UA8V0V", "ZK"},   // "0V" (row 74) beats "8V" (row 76)
      {"RA3A6A", "MA"},   // row 21 beats row 33
      {"RA6A3A", "MA"},
      {"RA9X1A", "SP"},   // row 1 beats everything
      {"RA0F2K", "KA"},   // row 10 beats row 88
  };
  for (const ResolveCase& c : cases) ExpectResolves(c);
}

TEST(ResolveOblast, MatchAtIndexZeroDoesNotCount) {
  const ResolveCase cases[] = {
      {"3A", "STO"},
      {"3AAA", "STO"},
      {"3A3A", "STO"},    // only the first occurrence is looked at
      {"1AR3A", "MA"},    // row 1's pair is at index 0, so row 21 decides
      {"R3A", "MA"},      // one-letter prefix: the pair at index 1 counts
      {"/RA3A", "MA"},    // a leading stroke is no stroke
      {"/R/3A", "MA"},    // nor is a later one when the first is at index 0
  };
  for (const ResolveCase& c : cases) ExpectResolves(c);
}

TEST(ResolveOblast, SpecialEventShapeAndUePrefixComeFirst) {
  const ResolveCase cases[] = {
      {"R35A", rules::kSpecialEventResult},     // letter, digit, digit
      {"R100A", rules::kSpecialEventResult},
      {"r35a", rules::kSpecialEventResult},     // letters of either case count for the shape
      {"R33", rules::kSpecialEventResult},
      {"RK75W", rules::kSpecialEventResult},    // letter, letter, digit, digit
      {"RA33", rules::kSpecialEventResult},
      {"R35A/P", rules::kSpecialEventResult},   // shape beats stroke
      {"UE", rules::kSpecialEventResult},
      {"UE1AAA", rules::kSpecialEventResult},
      {"UE3A/P", rules::kSpecialEventResult},   // "UE" beats stroke
      {"UEX", rules::kSpecialEventResult},
      {"RA3AA", "MA"},      // letter, letter, digit, letter: an ordinary call
      {"R3", "STO"},        // too short for either shape
      {"RA3", "STO"},
      {"3RA35", "STO"},     // no letter in front: no shape; its pair "3R" is at index 0
      {"\xD0" "35A", "MA"}, // CP1251 Cyrillic first byte is no letter: "5A" at index 2
  };
  for (const ResolveCase& c : cases) ExpectResolves(c);
}

TEST(ResolveOblast, StrokeAfterFirstCharacterMeansNoOblast) {
  const ResolveCase cases[] = {
      {"RA3A/P", "DROB"},
      {"RA3AAA/M", "DROB"},
      {"UA9XA/1", "DROB"},
      {"DL/RA3A", "DROB"},
      {"R/", "DROB"},
      {"ra3a/p", "DROB"},
  };
  for (const ResolveCase& c : cases) ExpectResolves(c);
}

TEST(ResolveOblast, MatchingIsCaseSensitive) {
  const ResolveCase cases[] = {
      {"ra3aaa", "STO"},
      {"ue1abc", "STO"},   // lower-case "ue" is no special-event prefix...
      {"Ue1A", "SP"},      // ...and a mixed-case one goes on to the table
      {"RA3a", "STO"},
      {"RA0o", "STO"},
      {"RA10", rules::kSpecialEventResult},    // digit zero after "1": shape, not row 3's letter O
  };
  for (const ResolveCase& c : cases) ExpectResolves(c);
}

TEST(ResolveOblast, EmptyNullAndTextAfterNul) {
  EXPECT_STREQ(ResolveOblast(""), "STO");
  EXPECT_STREQ(ResolveOblast(std::string_view()), "STO");
  EXPECT_STREQ(ResolveOblast(static_cast<const char*>(nullptr)), "STO");
  // The host's string ends at its NUL; what follows must not turn "MA" into "DROB".
  const std::string withNul("RA3A\0/P", 7);
  EXPECT_STREQ(ResolveOblast(std::string_view(withNul)), "MA");
  EXPECT_STREQ(ResolveOblast(std::string_view("\0" "RA3A", 5)), "STO");
}

TEST(ResolveOblast, ForeignCallsResolveToo) {
  // Only the DXCC prefix keeps these out of the oblast count.
  const ResolveCase cases[] = {
      {"DL1ABC", "SP"}, {"W1AW", "SP"}, {"OH1F", "SP"}, {"JA1XYZ", "STO"}, {"K9XY", "KO"},
  };
  for (const ResolveCase& c : cases) ExpectResolves(c);
}

TEST(ResolveOblast, SpecialResultsAreTheExportedConstants) {
  EXPECT_EQ(ResolveOblast("R35A"), rules::kSpecialEventResult);
  EXPECT_EQ(ResolveOblast("RA3A/P"), rules::kStrokeResult);
  EXPECT_EQ(ResolveOblast("JA1XYZ"), rules::kNoMatchResult);
}

TEST(IsRussianPrefix, OnlyTheThreeExactPrefixes) {
  struct PrefixCase {
    std::string prefix;
    bool russian;
  };
  const PrefixCase cases[] = {
      {"UA", true},   {"UA2", true},  {"UA9", true},  {"UA0", false}, {"UA9X", false},
      {"UA2F", false}, {"ua", false}, {"Ua9", false}, {"UA ", false}, {" UA", false},
      {"", false},    {"U", false},   {"R", false},   {"RA", false},
      {std::string("UA\0", 3), false},
  };
  for (const PrefixCase& c : cases) {
    SCOPED_TRACE("prefix \"" + c.prefix + "\"");
    EXPECT_EQ(IsRussianPrefix(c.prefix), c.russian);
  }
}

}  // namespace
