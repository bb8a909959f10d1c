#pragma once
// Checks and conversions of single QSO values that both log readers need.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zarl_score {

std::string_view TrimBlanks(std::string_view s);
std::string UpperTrimmed(std::string_view s);

// Letters, digits and strokes, beginning and ending with a letter or digit.
bool IsCallsign(std::string_view call);

// Year, month and day of an 8-digit date written with `separator` between the parts (none
// for ADIF's "20260207", '-' for Cabrillo's "2026-02-07"); nullopt for anything else,
// including days the month does not have.
struct CalendarDate {
  int year, month, day;
};
std::optional<CalendarDate> ParseDate(std::string_view text, char separator);

// "HHMM" or, when `secondsAllowed`, also "HHMMSS", as hours, minutes and seconds.
struct TimeOfDay {
  int hour, minute, second;
};
std::optional<TimeOfDay> ParseTimeOfDay(std::string_view text, bool secondsAllowed);

// A decimal frequency ("14.025", "7", "3.5001234") scaled by 10^`decimals` to whole Hz,
// digits below 1 Hz cut off: MHz have 6 decimals, kHz 3. nullopt when the text is not a
// number or the frequency is 0 or does not fit 32 bits of Hz (the host passes Hz in 32 bits).
std::optional<uint32_t> ParseFrequencyHz(std::string_view text, int decimals);

// A non-negative decimal integer of at most 9 digits.
std::optional<int> ParseSmallNumber(std::string_view text);

}  // namespace zarl_score
