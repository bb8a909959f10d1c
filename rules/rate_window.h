#pragma once
// The hourly-rate windows of the result text: which QSOs count as made in the last hour and
// in the last ten minutes before a reference time.
#include <cstdint>
#include <optional>

#include "rules/ole_date_time.h"

namespace rules {

// Whole minutes from `qso` to `reference`: the span in days, moved half a second further
// from zero (away from zero in the span's direction; a span of 0 counts as positive), times
// 1440, truncated toward zero. A QSO 59 min 59.4 s old is 59 minutes old, one 59 min 59.5 s
// old is 60. A QSO after the reference gives 0 or less. nullopt when either time is not a
// valid date: such a span has no length.
std::optional<int64_t> WholeMinutesBefore(const OleDateTime& reference, const OleDateTime& qso);

struct RateWindows {
  bool lastHour = false;        // whole minutes below 60
  bool lastTenMinutes = false;  // whole minutes below 10
};

// The windows `qso` falls in, seen from `reference`; neither when the span has no length.
RateWindows RateWindowsOf(const OleDateTime& reference, const OleDateTime& qso);

}  // namespace rules
