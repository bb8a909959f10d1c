#include "plugin/qso_index.h"

#include <cstdlib>

namespace {

// The parts come from C strings, so a NUL cannot occur inside one and separates them
// unambiguously.
std::string Key(std::string_view a, std::string_view b) {
  std::string key;
  key.reserve(a.size() + b.size() + 1);
  key.append(a).push_back('\0');
  key.append(b);
  return key;
}

std::string Key(std::string_view a, std::string_view b, std::string_view c) {
  std::string key = Key(a, b);
  key.push_back('\0');
  key.append(c);
  return key;
}

// Drops one count of `key`; the entry goes when it reaches zero so lookups stay exact.
void Uncount(std::unordered_map<std::string, int32_t>& counts, const std::string& key) {
  const auto it = counts.find(key);
  if (it != counts.end() && --it->second <= 0) counts.erase(it);
}

int HourSlot(const CInfo& record) { return record.m_Time.GetHour() + 1; }

}  // namespace

void QsoIndex::Clear() {
  callBandMode_.clear();
  callBandHours_.clear();
  zones_.clear();
  oblasts_.clear();
}

void QsoIndex::Add(const CInfo& record) {
  ++callBandMode_[Key(record.m_Call, record.m_Band, record.m_Mode)];
  ++callBandHours_[Key(record.m_Call, record.m_Band)][HourSlot(record)];
  ++zones_[record.m_Zone];
  ++oblasts_[record.m_Oblast];
}

void QsoIndex::Remove(const CInfo& record) noexcept {
  // Building a key may allocate. Should that fail, the counts err towards "worked before"
  // until the next reset, which is the harmless side for a dupe check.
  try {
    Uncount(callBandMode_, Key(record.m_Call, record.m_Band, record.m_Mode));
    const auto hours = callBandHours_.find(Key(record.m_Call, record.m_Band));
    if (hours != callBandHours_.end()) {
      int32_t& slot = hours->second[HourSlot(record)];
      if (slot > 0) --slot;
      bool empty = true;
      for (int32_t n : hours->second) empty = empty && n == 0;
      if (empty) callBandHours_.erase(hours);
    }
    Uncount(zones_, record.m_Zone);
    Uncount(oblasts_, record.m_Oblast);
  } catch (...) {
  }
}

int32_t QsoIndex::CountCallBandMode(std::string_view call, std::string_view band,
                                    std::string_view mode) const {
  const auto it = callBandMode_.find(Key(call, band, mode));
  return it == callBandMode_.end() ? 0 : it->second;
}

bool QsoIndex::WorkedAtHourNear(std::string_view call, std::string_view band, int hour,
                                int window) const {
  const auto it = callBandHours_.find(Key(call, band));
  if (it == callBandHours_.end()) return false;
  for (int slot = 0; slot < static_cast<int>(it->second.size()); ++slot) {
    if (it->second[slot] > 0 && std::abs((slot - 1) - hour) < window) return true;
  }
  return false;
}

bool QsoIndex::HasZone(std::string_view zone) const { return zones_.contains(std::string(zone)); }

bool QsoIndex::HasOblast(std::string_view oblast) const {
  return oblasts_.contains(std::string(oblast));
}
