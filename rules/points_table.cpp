#include "rules/points_table.h"

#include <cstddef>
#include <limits>

namespace rules {
namespace {

constexpr std::size_t kColumnWidth = 3;
constexpr int32_t kZoneCount = 7;

// The C locale's white space; isspace() itself would depend on the locale and take
// negative CP1251 bytes badly.
constexpr bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int32_t ReadLeadingInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

  // Accumulate towards the sign so INT32_MIN itself fits; clamp like the Windows runtime's
  // atoi does instead of overflowing.
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    const int digit = text[i] - '0';
    value = negative ? value * 10 - digit : value * 10 + digit;
    if (value > kMax) return static_cast<int32_t>(kMax);
    if (value < kMin) return static_cast<int32_t>(kMin);
  }
  return static_cast<int32_t>(value);
}

}  // namespace

std::string_view PointsFileLine(std::string_view fileText, int32_t lineNumber) {
  if (lineNumber <= 0) return {};
  std::string_view rest = fileText;
  for (int32_t n = 1;; ++n) {
    if (rest.empty()) return {};
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    if (n == lineNumber) {
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      return line;
    }
    if (end == std::string_view::npos) return {};
    rest.remove_prefix(end + 1);
  }
}

ZonePointsRow ParsePointsRow(std::string_view row) {
  ZonePointsRow points{};
  for (int32_t zone = 1; zone <= kZoneCount; ++zone) {
    points[zone] = ReadLeadingInt(row);
    row.remove_prefix(row.size() < kColumnWidth ? row.size() : kColumnWidth);
  }
  return points;
}

ZonePointsRow PointsRowForZone(std::string_view fileText, int32_t ownZone) {
  return ParsePointsRow(PointsFileLine(fileText, ownZone));
}

int32_t QsoPoints(const ZonePointsRow& row, std::string_view exchangeReceived) {
  if (exchangeReceived.empty()) return 0;
  const char digit = exchangeReceived.front();
  // Zones 8 and 9 do not exist; the row has no slot for them.
  if (digit < '1' || digit > '0' + kZoneCount) return 0;
  return row[static_cast<std::size_t>(digit - '0')];
}

}  // namespace rules
