#include "rules/rate_window.h"

#include <cmath>

namespace rules {
namespace {
constexpr double kHalfSecondInDays = 1.0 / (24.0 * 60.0 * 60.0 * 2.0);
constexpr double kMinutesPerDay = 24.0 * 60.0;
}  // namespace

std::optional<int64_t> WholeMinutesBefore(const OleDateTime& reference, const OleDateTime& qso) {
  if (!reference.IsValidDate() || !qso.IsValidDate()) return std::nullopt;
  const double span = reference.LinearDays() - qso.LinearDays();
  const double rounded = span + (span < 0.0 ? -kHalfSecondInDays : kHalfSecondInDays);
  return static_cast<int64_t>(std::trunc(rounded * kMinutesPerDay));
}

RateWindows RateWindowsOf(const OleDateTime& reference, const OleDateTime& qso) {
  const std::optional<int64_t> minutes = WholeMinutesBefore(reference, qso);
  if (!minutes) return {};
  return RateWindows{*minutes < 60, *minutes < 10};
}

}  // namespace rules
