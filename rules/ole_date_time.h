#pragma once
// The host's date-time value: an OLE automation date (days since 30 December 1899 00:00,
// the fraction being the time of day) with a validity status. Negative values count days
// backwards while their fraction still counts forwards from midnight, so -1.25 is
// 29 December 1899 06:00 and -0.5 is the same instant as 0.5.
#include <cstdint>
#include <string>

class OleDateTime {
 public:
  enum Status : int32_t { kValid = 0, kInvalid = 1, kNull = 2 };

  OleDateTime() = default;
  OleDateTime(double days, Status status) : m_Date(days), m_Status(status) {}
  static OleDateTime FromParts(int year, int month, int day, int hour, int minute, int second);

  double Days() const { return m_Date; }
  Status GetStatus() const { return m_Status; }

  // True when the status is valid and the value lies in the representable range
  // (1 January 100 to 31 December 9999).
  bool IsValidDate() const;

  // strftime-style formatting of the value rounded to the nearest second.
  // Null gives "", an invalid status or an out-of-range value gives "Invalid DateTime".
  std::string Format(const char* format) const;

  // Hour of day 0..23 of the value rounded to the nearest second; -1 when not a valid date.
  int GetHour() const;

  // The value on a continuous day scale (negative dates unfolded), for differences and
  // comparisons of instants.
  double LinearDays() const;

  // Same instant with both valid, or both null. An invalid value equals nothing.
  bool SameInstant(const OleDateTime& other) const;

 private:
  double m_Date = 0.0;
  Status m_Status = kValid;
};
