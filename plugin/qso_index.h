#pragma once
// Look-ups over g_QsoList that AddData0 and CheckCall0 need on every call: how often a call
// was logged on a band in a mode, at which hours of day, and which zones and oblasts appear.
// Kept in step with the list by the code that adds and removes records, under g_StateLock,
// so a check costs the same for a log of ten QSOs and of a hundred thousand.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

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
  // Everything logged with one call on one band: how often in each mode, and at which hours
  // of day (bit hour + 1, so the -1 of an invalid time has bit 0). One look-up serves both of
  // AddData0's and CheckCall0's questions, and the entry stays small: a big log has one per
  // station and band.
  struct CallOnBand {
    int32_t cw = 0, ssb = 0;  // the two modes a recorded QSO can have, kept inline
    std::vector<std::pair<std::string, int32_t>> otherModes;
    uint32_t hours = 0;
    int32_t records = 0;

    int32_t* ModeCount(const std::string& mode, bool create);
  };

  std::unordered_map<std::string, CallOnBand> callOnBand_;
  std::unordered_map<std::string, int32_t> zones_;
  std::unordered_map<std::string, int32_t> oblasts_;
};
