#pragma once
// Look-ups over g_QsoList that AddData0 and CheckCall0 need on every call: how often a call
// was logged on a band in a mode, at which hours of day, and which zones and oblasts appear.
// Kept in step with the list by the code that adds and removes records, under g_StateLock,
// so a check costs the same for a log of ten QSOs and of a hundred thousand.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "plugin/call_band_table.h"
#include "plugin/cinfo.h"

class QsoIndex {
 public:
  void Clear();
  // Counts `record`; call once per record entering g_QsoList. Returns how many records of
  // the same call, band and mode were counted before it (AddData0's dupe scan). Should it
  // run out of memory half-way, the counts err towards "worked before" until the next Clear.
  int32_t Add(const CInfo& record);
  // Uncounts `record`; call once per record leaving g_QsoList, with the records that remain
  // (the hours its call was worked on its band are re-read from them). Never throws.
  void Remove(const CInfo& record, const std::vector<CInfo>& remaining) noexcept;

  // True when a record with this call and band has an hour of day (-1 for a time that is
  // not a valid date) less than `window` hours from `hour`; midnight is not wrapped.
  bool WorkedAtHourNear(std::string_view call, std::string_view band, int hour, int window) const;
  bool HasZone(std::string_view zone) const;
  bool HasOblast(std::string_view oblast) const;

 private:
  CallBandTable callOnBand_;
  std::unordered_map<std::string, int32_t> zones_;
  std::unordered_map<std::string, int32_t> oblasts_;
};
