#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "rules/points_table.h"

namespace {

using rules::ParsePointsRow;
using rules::PointsFileLine;
using rules::PointsRowForZone;
using rules::QsoPoints;
using rules::ZonePointsRow;

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(PointsFileLine, SelectsLineNAndDropsItsEnding) {
  struct Case {
    std::string text;
    int32_t line;
    std::string_view expected;
  };
  const Case cases[] = {
      {"a\nb\nc\n", 2, "b"},
      {"a\r\nb\r\nc\r\n", 2, "b"},
      {"a\r\nb\nc", 3, "c"},      // mixed endings, last line unterminated
      {"a\r\nb\r\n", 1, "a"},
      {"a\n\nc\n", 2, ""},        // blank line
      {" 1  2\r\n", 1, " 1  2"},
      {"a\nb\n", 3, ""},          // past the end
      {"a\nb", 3, ""},
      {"a\nb\n", 100, ""},
      {"", 1, ""},
      {"a\nb\n", 0, ""},          // no zone: nothing is read
      {"a\nb\n", -1, ""},
      {"a\nb\n", kMin, ""},
      {"a\nb\n", kMax, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("line " + std::to_string(c.line) + " of \"" + c.text + "\"");
    EXPECT_EQ(PointsFileLine(c.text, c.line), c.expected);
  }
}

TEST(ParsePointsRow, ReadsSevenColumnsAtoiStyle) {
  struct Case {
    const char* why;
    std::string row;
    ZonePointsRow expected;
  };
  const Case cases[] = {
      {"right-aligned", "  1  2  3  4  5  6  7", {0, 1, 2, 3, 4, 5, 6, 7}},
      {"left-aligned", "1  2  3  4  5  6  7  ", {0, 1, 2, 3, 4, 5, 6, 7}},
      {"centred, two digits", " 1 10  2 20  3 30  4 ", {0, 1, 10, 2, 20, 3, 30, 4}},
      {"tabs count as white space", "\t 4\t 5 \t6", {0, 4, 5, 6, 0, 0, 0, 0}},
      {"signs", " -1 +2 -0", {0, -1, 2, 0, 0, 0, 0, 0}},
      {"sign not followed by a digit", "- 5+ 5--5", {0, 0, 0, 0, 0, 0, 0, 0}},
      {"only five columns", "  1  2  3  4  5", {0, 1, 2, 3, 4, 5, 0, 0}},
      {"tail shorter than a column", "  5 7", {0, 5, 7, 0, 0, 0, 0, 0}},
      {"empty", "", {0, 0, 0, 0, 0, 0, 0, 0}},
      {"no number in a column", "  x  2abc  4", {0, 0, 2, 0, 4, 0, 0, 0}},
      // A value is read to the end of the row, so full columns run into each other and a
      // blank column takes the next one's value.
      {"full columns run together", "100200300", {0, 100200300, 200300, 300, 0, 0, 0, 0}},
      {"blank column", "  1     3", {0, 1, 3, 3, 0, 0, 0, 0}},
      {"int32 max", "2147483647", {0, kMax, 7483647, 3647, 7, 0, 0, 0}},
      {"past int32 max saturates", "2147483648", {0, kMax, 7483648, 3648, 8, 0, 0, 0}},
      {"int32 min", "-2147483648", {0, kMin, 47483648, 83648, 48, 0, 0, 0}},
      {"past int32 min saturates", "-2147483649", {0, kMin, 47483649, 83649, 49, 0, 0, 0}},
      {"far past int32 max", "99999999999", {0, kMax, 99999999, 99999, 99, 0, 0, 0}},
      {"no-break space (CP1251 A0) is no white space", "\xA0 5  7", {0, 0, 7, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ParsePointsRow(c.row), c.expected);
  }
}

// Seven distinct rows: only the own zone's line may count.
const std::string kSevenRows =
    "  1  2  3  4  5  6  7\r\n"
    " 11 12 13 14 15 16 17\r\n"
    "21 22 23 24 25 26 27 \r\n"
    " 31 32 33 34 35 36 37\r\n"
    " 41 42 43 44 45 46 47\r\n"
    " 51 52 53 54 55 56 57\r\n"
    " 61 62 63 64 65 66 67\r\n";

TEST(PointsRowForZone, TakesTheOwnZonesLine) {
  EXPECT_EQ(PointsRowForZone(kSevenRows, 1), (ZonePointsRow{0, 1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(PointsRowForZone(kSevenRows, 3), (ZonePointsRow{0, 21, 22, 23, 24, 25, 26, 27}));
  EXPECT_EQ(PointsRowForZone(kSevenRows, 7), (ZonePointsRow{0, 61, 62, 63, 64, 65, 66, 67}));
  const ZonePointsRow zeros{};
  EXPECT_EQ(PointsRowForZone(kSevenRows, 0), zeros);
  EXPECT_EQ(PointsRowForZone(kSevenRows, -3), zeros);
  EXPECT_EQ(PointsRowForZone(kSevenRows, 8), zeros);
  EXPECT_EQ(PointsRowForZone("  1  2\n  3  4\n", 5), zeros);  // file shorter than the zone
  EXPECT_EQ(PointsRowForZone("  1  2\n  3  4", 2), (ZonePointsRow{0, 3, 4, 0, 0, 0, 0, 0}));
}

TEST(QsoPoints, ZoneDigitOfTheReceivedExchangePicksTheSlot) {
  const ZonePointsRow row{0, 10, 20, 30, 40, 50, 60, 70};
  struct Case {
    std::string exchange;
    int32_t points;
  };
  const Case cases[] = {
      {"1", 10},    {"5001", 50}, {"7123", 70}, {"3A", 30},
      {"0001", 0},  {"8001", 0},  {"9001", 0},  // no zone 0, 8 or 9
      {"", 0},      {"A5", 0},    {" 5", 0},    {"-1", 0},    {"\xB5", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("exchange \"" + c.exchange + "\"");
    EXPECT_EQ(QsoPoints(row, c.exchange), c.points);
  }
  // Zone 0 scores nothing even if a caller left something in slot 0.
  EXPECT_EQ(QsoPoints(ZonePointsRow{99, 1, 2, 3, 4, 5, 6, 7}, "0"), 0);
}

}  // namespace
