#include "tools/zarl_score/qso_fields.h"

namespace zarl_score {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpperOrDigit(char c) { return IsDigit(c) || (c >= 'A' && c <= 'Z'); }

bool AllDigits(std::string_view s) {
  for (char c : s) {
    if (!IsDigit(c)) return false;
  }
  return !s.empty();
}

int Number(std::string_view digits) {
  int n = 0;
  for (char c : digits) n = n * 10 + (c - '0');
  return n;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

std::string_view TrimBlanks(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

std::string UpperTrimmed(std::string_view s) {
  std::string out(TrimBlanks(s));
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

bool IsCallsign(std::string_view call) {
  if (call.empty() || !IsUpperOrDigit(call.front()) || !IsUpperOrDigit(call.back())) return false;
  for (char c : call) {
    if (!IsUpperOrDigit(c) && c != '/') return false;
  }
  return true;
}

std::optional<CalendarDate> ParseDate(std::string_view text, char separator) {
  std::string_view y, m, d;
  if (separator == '\0') {
    if (text.size() != 8) return std::nullopt;
    y = text.substr(0, 4), m = text.substr(4, 2), d = text.substr(6, 2);
  } else {
    if (text.size() != 10 || text[4] != separator || text[7] != separator) return std::nullopt;
    y = text.substr(0, 4), m = text.substr(5, 2), d = text.substr(8, 2);
  }
  if (!AllDigits(y) || !AllDigits(m) || !AllDigits(d)) return std::nullopt;
  const CalendarDate date{Number(y), Number(m), Number(d)};
  // The host's date value starts in the year 100; radio logs start much later.
  if (date.year < 1900 || date.month < 1 || date.month > 12) return std::nullopt;
  if (date.day < 1 || date.day > DaysInMonth(date.year, date.month)) return std::nullopt;
  return date;
}

std::optional<TimeOfDay> ParseTimeOfDay(std::string_view text, bool secondsAllowed) {
  if (!AllDigits(text) || !(text.size() == 4 || (secondsAllowed && text.size() == 6))) {
    return std::nullopt;
  }
  const TimeOfDay t{Number(text.substr(0, 2)), Number(text.substr(2, 2)),
                    text.size() == 6 ? Number(text.substr(4, 2)) : 0};
  if (t.hour > 23 || t.minute > 59 || t.second > 59) return std::nullopt;
  return t;
}

std::optional<uint32_t> ParseFrequencyHz(std::string_view text, int decimals) {
  const std::size_t dot = text.find('.');
  const std::string_view whole = text.substr(0, dot);
  const std::string_view fraction = dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
  if (whole.empty() && fraction.empty()) return std::nullopt;
  if ((!whole.empty() && !AllDigits(whole)) || (!fraction.empty() && !AllDigits(fraction))) {
    return std::nullopt;
  }
  uint64_t hz = 0;
  for (char c : whole) {
    hz = hz * 10 + static_cast<uint64_t>(c - '0');
    if (hz > UINT32_MAX) return std::nullopt;
  }
  for (int i = 0; i < decimals; ++i) {
    const int digit = i < static_cast<int>(fraction.size()) ? fraction[static_cast<std::size_t>(i)] - '0' : 0;
    hz = hz * 10 + static_cast<uint64_t>(digit);
  }
  if (hz == 0 || hz > UINT32_MAX) return std::nullopt;
  return static_cast<uint32_t>(hz);
}

std::optional<int> ParseSmallNumber(std::string_view text) {
  if (!AllDigits(text) || text.size() > 9) return std::nullopt;
  return Number(text);
}

}  // namespace zarl_score
