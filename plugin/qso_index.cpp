#include "plugin/qso_index.h"

#include <cstdlib>

namespace {

// Drops one count of `key`; the entry goes when it reaches zero so lookups stay exact.
void Uncount(std::unordered_map<std::string, int32_t>& counts, const std::string& key) {
  const auto it = counts.find(key);
  if (it != counts.end() && --it->second <= 0) counts.erase(it);
}

uint32_t HourBit(const CInfo& record) { return 1u << (record.m_Time.GetHour() + 1); }

}  // namespace

void QsoIndex::Clear() {
  callOnBand_.Clear();
  zones_.clear();
  oblasts_.clear();
}

int32_t QsoIndex::Add(const CInfo& record) {
  CallOnBand& entry = callOnBand_.FindOrAdd(record.m_Call, record.m_Band);
  int32_t& sameMode = *entry.ModeCount(record.m_Mode, true);
  const int32_t earlier = sameMode++;
  entry.hours |= HourBit(record);
  ++entry.records;
  ++zones_[record.m_Zone];
  ++oblasts_[record.m_Oblast];
  return earlier;
}

void QsoIndex::Remove(const CInfo& record, const std::vector<CInfo>& remaining) noexcept {
  // The zone and oblast keys are copied into the maps' look-ups. Should that fail for lack
  // of memory, the counts err towards "worked before" until the next reset, which is the
  // harmless side for a dupe check.
  try {
    if (CallOnBand* entry = callOnBand_.Find(record.m_Call, record.m_Band)) {
      int32_t* sameMode = entry->ModeCount(record.m_Mode, false);
      if (sameMode != nullptr && *sameMode > 0) --*sameMode;
      if (--entry->records <= 0) {
        callOnBand_.Erase(entry);
      } else {
        entry->hours = 0;
        for (const CInfo& r : remaining) {
          if (r.m_Call == record.m_Call && r.m_Band == record.m_Band) entry->hours |= HourBit(r);
        }
      }
    }
    Uncount(zones_, record.m_Zone);
    Uncount(oblasts_, record.m_Oblast);
  } catch (...) {
  }
}

bool QsoIndex::WorkedAtHourNear(std::string_view call, std::string_view band, int hour,
                                int window) const {
  const CallOnBand* entry = callOnBand_.Find(call, band);
  if (entry == nullptr) return false;
  for (int bit = 0; bit <= 24; ++bit) {
    if ((entry->hours >> bit & 1u) != 0 && std::abs((bit - 1) - hour) < window) return true;
  }
  return false;
}

bool QsoIndex::HasZone(std::string_view zone) const { return zones_.contains(std::string(zone)); }

bool QsoIndex::HasOblast(std::string_view oblast) const {
  return oblasts_.contains(std::string(oblast));
}
