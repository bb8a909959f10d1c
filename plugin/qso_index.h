#pragma once
// Look-ups over g_QsoList that AddData0 and CheckCall0 need on every call: how often a call
// was logged on a band in a mode, at which hours of day, and which zones and oblasts appear.
// Kept in step with the list by the code that adds and removes records, under g_StateLock,
// so a check costs the same for a log of ten QSOs and of a hundred thousand.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "plugin/cinfo.h"

class QsoIndex {
 public:
  void Clear();
  // Counts `record`; call once per record entering g_QsoList.
  void Add(const CInfo& record);
  // Uncounts `record`; call once per record leaving g_QsoList. Never throws.
  void Remove(const CInfo& record) noexcept;

  // Records with this call, band and mode (exact bytes).
  int32_t CountCallBandMode(std::string_view call, std::string_view band,
                            std::string_view mode) const;
  // True when a record with this call and band has an hour of day (-1 for a time that is
  // not a valid date) less than `window` hours from `hour`; midnight is not wrapped.
  bool WorkedAtHourNear(std::string_view call, std::string_view band, int hour, int window) const;
  bool HasZone(std::string_view zone) const;
  bool HasOblast(std::string_view oblast) const;

 private:
  // Slot hour + 1, so the -1 of an invalid time has slot 0.
  using HourCounts = std::array<int32_t, 25>;

  std::unordered_map<std::string, int32_t> callBandMode_;
  std::unordered_map<std::string, HourCounts> callBandHours_;
  std::unordered_map<std::string, int32_t> zones_;
  std::unordered_map<std::string, int32_t> oblasts_;
};
