#pragma once
// The points table: one text row per own zone, seven 3-character columns per row, one column
// per worked zone. Pure parsing; reading the file is the plug-in's job.
#include <array>
#include <cstdint>
#include <string_view>

namespace rules {

// Points for a QSO with a station in zone 0..7; slot 0 is always 0.
using ZonePointsRow = std::array<int32_t, 8>;

// Line `lineNumber` (counting from 1) of `fileText`, without its LF or CR LF ending. Past the
// end of the text, and for a number of 0 or less, the line is empty. The result points into
// `fileText`.
std::string_view PointsFileLine(std::string_view fileText, int32_t lineNumber);

// Parses one row. Slot k (1..7) is read from character 3*(k-1) to the end of the row, the way
// the C library's atoi reads: white space skipped, an optional sign, then the digits up to
// the first non-digit; no digit gives 0, and values beyond int32_t saturate. A value may thus
// stand anywhere in its column, but a column left blank reads the next column's value.
// Columns past the end of a short row give 0. Slot 0 is 0.
ZonePointsRow ParsePointsRow(std::string_view row);

// The row for `ownZone` from the whole text of the points file: line `ownZone`, parsed. An
// own zone of 0 or less, or beyond the last line, gives all zeros.
ZonePointsRow PointsRowForZone(std::string_view fileText, int32_t ownZone);

// Points of one QSO from the zone digit that opens its received exchange. Digits 1..7 give
// that slot of `row`; "0", "8", "9", any other character and an empty exchange give 0.
int32_t QsoPoints(const ZonePointsRow& row, std::string_view exchangeReceived);

}  // namespace rules
