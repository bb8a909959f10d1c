#pragma once
// A small contest played through the exports, with the exact bytes it must leave behind.
// Shared by the native tests and the Windows-side tests so both builds are held to the
// same expected files, written out by hand below.
//
// Own call UA3AAA (oblast MA, zone 2), contest date 7 February 2026. It has dupes (one and
// two earlier QSOs), the three refusals, two removals (one of a dupe's original), a band
// outside the six ("6m"), an exchange beginning with "8", a foreign station, and QSOs just
// on the edges of both rate windows (13:00 and 12:10 against the last QSO at 13:10).

namespace small_contest {

inline constexpr char kOwnCall[] = "UA3AAA";
inline constexpr int kYear = 2026, kMonth = 2, kDay = 7;

// Row 2 is the own zone's: zone 1 scores 4, zone 2 1, zone 3 2, zone 4 3, zone 5 5,
// zone 6 6, zone 7 8. The other rows must not be used.
inline constexpr char kPointsFile[] =
    " 90 90 90 90 90 90 90\r\n"
    "  4  1  2  3  5  6  8\r\n"
    " 70 70 70 70 70 70 70\r\n";

enum class Op { kAdd, kRemove };

struct Step {
  Op op;
  const char* call;
  int hour, minute;
  unsigned freqHz;
  const char* mode;
  const char* serialSent;
  const char* exchRcvd;
  const char* country;
  const char* band;
  int expected;  // what AddData0 / RemoveData0 returns
};

inline constexpr Step kSteps[] = {
    {Op::kAdd, "RA3DAA", 12, 0, 7012345, "CW", "001", "2001", "UA", "40m", 1},
    {Op::kAdd, "UA9XAB", 12, 5, 7020000, "CW", "002", "3002", "UA9", "40m", 1},
    {Op::kAdd, "DL1ABC", 12, 10, 7015000, "CW", "003", "5003", "DL", "40m", 1},
    {Op::kAdd, "RA3DAA", 12, 12, 7012000, "CW", "004", "2004", "UA", "40m", 1},    // dupe of 1
    {Op::kAdd, "RA3DAA", 12, 14, 7080000, "SSB", "005", "2005", "UA", "40m", 1},   // other mode
    {Op::kAdd, "RA3DAA", 12, 20, 7012999, "CW", "006", "2006", "UA", "40m", 1},    // dupe of 1, 4
    {Op::kAdd, "RA3DAA", 12, 25, 10110000, "CW", "007", "2007", "UA", "30m", 0},
    {Op::kAdd, "UA1AAA", 12, 26, 3999999, "RTTY", "008", "1008", "UA", "80m", 0},
    {Op::kAdd, "UA1AAA", 12, 27, 14025000, "CW", "009", "", "UA", "20m", 0},
    {Op::kAdd, "UA1AAA", 12, 30, 14025000, "CW", "010", "1010", "UA", "20m", 1},
    {Op::kAdd, "RA3DAA", 12, 40, 1830000, "CW", "011", "2011", "UA", "160m", 1},
    {Op::kAdd, "UA0SA", 12, 50, 50100000, "CW", "012", "5012", "UA", "6m", 1},
    {Op::kAdd, "RK0FA", 13, 0, 3700000, "SSB", "013", "6013", "UA", "80m", 1},
    {Op::kAdd, "RA9HA", 13, 5, 3510000, "CW", "014", "8014", "UA", "80m", 1},
    // Not logged at 12:13: nothing to remove.
    {Op::kRemove, "RA3DAA", 12, 13, 0, "CW", "004", "2004", "UA", "40m", 1},
    {Op::kRemove, "UA9XAB", 12, 5, 0, "CW", "002", "3002", "UA9", "40m", 1},
    // The first dupe goes; the QSO of 12:20 stays a dupe.
    {Op::kRemove, "RA3DAA", 12, 12, 0, "CW", "004", "2004", "UA", "40m", 1},
    {Op::kAdd, "RA3AAB", 13, 10, 21025000, "CW", "015", "2015", "UA", "15m", 1},
};

// Bands sorted by their zero-padded names: "6m" after "15m". Totals: 10 records, points
// 24, OBL 7, LOC 8. In the last hour before 13:10 (12:10 is exactly 60 minutes and out):
// 12:14, 12:30, 12:40, 12:50, 13:00, 13:05, 13:10; in the last ten minutes (13:00 is out)
// 13:05 and 13:10. The last QSO is the 15m one, 1 point, though 6m is the last row.
inline constexpr char kExpectedResult[] =
    "      ZARL 07.02\r\n"
    "\t    \xD3\xF7\xE0\xF1\xF2\xED\xE8\xEA: UA3AAA \r\n"  // "Участник" in code page 1251
    "\tQSOs\tPoints\t OBL\t LOC\r\n"
    "160m\t 1\t 1\t  1\t  1\t  \r\n"
    "80m\t 2\t 6\t  2\t  2\t  \r\n"
    "40m\t 3\t 7\t  1\t  2\t  \r\n"
    "20m\t 1\t 4\t  1\t  1\t  \r\n"
    "15m\t 1\t 1\t  1\t  1\t  \r\n"
    "6m\t 1\t 5\t  1\t  1\t  \r\n"
    "Total\t 10\t 24\t  7\t  8\t  \r\n"
    "\r\n"
    "Hourly (10min) QSO rate:     7 (12) QSOs/hour\r\n"
    "Hourly (10min) pts rate:    18 (6) points/hour\r\n"
    "\r\n"
    "Last QSO: 1 points\r\n"
    "Score: 24 + (50*7 + 50*8) = 774\r\n";

inline constexpr char kExpectedErrLog[] =
    "ZARL UBN file \r\n"
    "QSO:  7012  CW  2026-02-07 1212  UA3AAA  599  004  RA3DAA  589  2004   DUPE !!!\r\n"
    "QSO:  7012  CW  2026-02-07 1220  UA3AAA  599  006  RA3DAA  589  2006   DUPE !!!\r\n"
    "QSO:  7012  CW  2026-02-07 1220  UA3AAA  599  006  RA3DAA  589  2006   DUPE !!!\r\n"
    "QSO:  10110  CW  2026-02-07 1225  UA3AAA  599  007  RA3DAA  589  2007   NO CONTEST BAND !!!\r\n"
    "QSO:  3999  RTTY  2026-02-07 1226  UA3AAA  599  008  UA1AAA  589  1008   NO CONTEST MODE !!!\r\n"
    "QSO:  14025  CW  2026-02-07 1227  UA3AAA  599  009  UA1AAA  589     NO RX NUMBER !!!\r\n";

// What ResetStats0 (first start of the status windows) and the last GetResult0 leave.
inline constexpr char kExpectedIni[] = "[Settings]\r\nStart=1\r\nClaimed=774\r\n";

// RST sent and received of every step.
inline constexpr char kRstSent[] = "599";
inline constexpr char kRstRcvd[] = "589";

}  // namespace small_contest
