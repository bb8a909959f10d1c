// Any bytes as a points file, the first byte choosing the line: the row must come from
// inside the text, parse like the C library's strtoll clamped to int32_t, and a QSO's points
// must come from slots 1..7 only.
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "rules/points_table.h"
#include "tests/fuzz/fuzz_require.h"

namespace {

int32_t ClampedStrtoll(std::string_view text) {
  const std::string terminated(text);
  const long long value = std::strtoll(terminated.c_str(), nullptr, 10);
  return static_cast<int32_t>(std::clamp<long long>(value, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int32_t lineNumber = static_cast<int8_t>(data[0]);
  // libFuzzer's buffer ends exactly where the text does, so ASan sees any read past it.
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

  const std::string_view line = rules::PointsFileLine(text, lineNumber);
  if (lineNumber <= 0) FUZZ_REQUIRE(line.empty());
  if (!line.empty()) {
    FUZZ_REQUIRE(line.data() >= text.data() && line.data() + line.size() <= text.data() + text.size());
    const std::size_t start = static_cast<std::size_t>(line.data() - text.data());
    FUZZ_REQUIRE(start == 0 || text[start - 1] == '\n');
    FUZZ_REQUIRE(std::count(text.begin(), text.begin() + start, '\n') == lineNumber - 1);
    FUZZ_REQUIRE(line.find('\n') == std::string_view::npos);
    const std::size_t after = start + line.size();
    FUZZ_REQUIRE(after == text.size() || text[after] == '\n' ||
                 (text[after] == '\r' && (after + 1 == text.size() || text[after + 1] == '\n')));
  }

  const rules::ZonePointsRow row = rules::ParsePointsRow(line);
  FUZZ_REQUIRE(row[0] == 0);
  for (std::size_t zone = 1; zone <= 7; ++zone) {
    const std::size_t column = std::min(3 * (zone - 1), line.size());
    FUZZ_REQUIRE(row[zone] == ClampedStrtoll(line.substr(column)));
  }
  FUZZ_REQUIRE(rules::PointsRowForZone(text, lineNumber) == row);

  for (int first = 0; first < 256; ++first) {
    const char exchange[] = {static_cast<char>(first), '0', '1'};
    const int32_t points = rules::QsoPoints(row, std::string_view(exchange, sizeof exchange));
    const bool zoneDigit = first >= '1' && first <= '7';
    FUZZ_REQUIRE(points == (zoneDigit ? row[static_cast<std::size_t>(first - '0')] : 0));
  }
  FUZZ_REQUIRE(rules::QsoPoints(row, {}) == 0);
  return 0;
}
