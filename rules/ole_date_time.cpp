#include "rules/ole_date_time.h"

#include <cmath>
#include <cstdint>
#include <ctime>

namespace {

// The representable range of the host's date type.
constexpr double kMinDate = -657434.0;              // 1 January 100
constexpr double kMaxDate = 2958465.99999999;       // 31 December 9999, end of day
constexpr double kHalfSecond = 1.0 / (24.0 * 60.0 * 60.0 * 2.0);
// Day 0 of the OLE scale, 30 December 1899, counted on the civil day scale below.
constexpr int64_t kOleEpochCivilDays = -25569;  // days from 1970-01-01 back to 1899-12-30

struct CalendarTime {
  int year, month, day, hour, minute, second, weekday, yearday;
};

// Civil date from days since 1970-01-01 (proleptic Gregorian).
void CivilFromDays(int64_t z, int& y, int& m, int& d) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
}

int64_t DaysFromCivil(int y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

// Splits a date value into calendar fields, rounding to the nearest second the way the
// host's date type does: half a second away from zero, then the day is the integer part
// and the time of day the magnitude of the fraction.
CalendarTime Split(double value) {
  const double rounded = value + (value > 0.0 ? kHalfSecond : -kHalfSecond);
  const int64_t oleDay = static_cast<int64_t>(rounded);  // toward zero
  const double magnitude = std::fabs(rounded);
  const int64_t secondOfDay =
      static_cast<int64_t>((magnitude - std::floor(magnitude)) * 86400.0) % 86400;

  CalendarTime t{};
  const int64_t civil = oleDay + kOleEpochCivilDays;
  CivilFromDays(civil, t.year, t.month, t.day);
  t.hour = static_cast<int>(secondOfDay / 3600);
  t.minute = static_cast<int>(secondOfDay / 60 % 60);
  t.second = static_cast<int>(secondOfDay % 60);
  t.weekday = static_cast<int>(((civil % 7) + 7 + 4) % 7);  // 1970-01-01 was a Thursday
  t.yearday = static_cast<int>(civil - DaysFromCivil(t.year, 1, 1));
  return t;
}

}  // namespace

OleDateTime OleDateTime::FromParts(int year, int month, int day, int hour, int minute,
                                   int second) {
  static constexpr int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool fieldsOk = year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
                        day <= kMonthDays[month - 1] + (month == 2 && IsLeap(year) ? 1 : 0) &&
                        hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 &&
                        second <= 59;
  if (!fieldsOk) return OleDateTime(0.0, kInvalid);
  const double days = static_cast<double>(DaysFromCivil(year, month, day) - kOleEpochCivilDays);
  const double fraction = (hour * 3600 + minute * 60 + second) / 86400.0;
  // Before the epoch the fraction still counts forwards from midnight of that day.
  return OleDateTime(days >= 0 ? days + fraction : days - fraction, kValid);
}

bool OleDateTime::IsValidDate() const {
  return m_Status == kValid && m_Date >= kMinDate && m_Date <= kMaxDate;
}

std::string OleDateTime::Format(const char* format) const {
  if (m_Status == kNull) return {};
  if (!IsValidDate()) return "Invalid DateTime";
  const CalendarTime t = Split(m_Date);
  std::tm tm{};
  tm.tm_year = t.year - 1900;
  tm.tm_mon = t.month - 1;
  tm.tm_mday = t.day;
  tm.tm_hour = t.hour;
  tm.tm_min = t.minute;
  tm.tm_sec = t.second;
  tm.tm_wday = t.weekday;
  tm.tm_yday = t.yearday;
  char buffer[256];
  const size_t n = std::strftime(buffer, sizeof buffer, format, &tm);
  return std::string(buffer, n);
}

int OleDateTime::GetHour() const {
  if (!IsValidDate()) return -1;
  return Split(m_Date).hour;
}

double OleDateTime::LinearDays() const {
  if (m_Date >= 0.0) return m_Date;
  const double whole = std::trunc(m_Date);
  return whole + (whole - m_Date);
}

bool OleDateTime::SameInstant(const OleDateTime& other) const {
  if (m_Status == kValid && other.m_Status == kValid) return LinearDays() == other.LinearDays();
  return m_Status == kNull && other.m_Status == kNull;
}
