#include "plugin/qso_index.h"

#include <cstdlib>

namespace {

// The parts come from C strings, so a NUL cannot occur inside one and separates them
// unambiguously.
std::string CallBandKey(std::string_view call, std::string_view band) {
  std::string key;
  key.reserve(call.size() + band.size() + 1);
  key.append(call).push_back('\0');
  key.append(band);
  return key;
}

// Drops one count of `key`; the entry goes when it reaches zero so lookups stay exact.
void Uncount(std::unordered_map<std::string, int32_t>& counts, const std::string& key) {
  const auto it = counts.find(key);
  if (it != counts.end() && --it->second <= 0) counts.erase(it);
}

uint32_t HourBit(const CInfo& record) { return 1u << (record.m_Time.GetHour() + 1); }

}  // namespace

int32_t* QsoIndex::CallOnBand::ModeCount(const std::string& mode, bool create) {
  if (mode == "CW") return &cw;
  if (mode == "SSB") return &ssb;
  for (auto& m : otherModes) {
    if (m.first == mode) return &m.second;
  }
  if (!create) return nullptr;
  return &otherModes.emplace_back(mode, 0).second;
}

void QsoIndex::Clear() {
  callOnBand_.clear();
  zones_.clear();
  oblasts_.clear();
}

int32_t QsoIndex::Add(const CInfo& record) {
  CallOnBand& entry = callOnBand_[CallBandKey(record.m_Call, record.m_Band)];
  int32_t& sameMode = *entry.ModeCount(record.m_Mode, true);
  const int32_t earlier = sameMode++;
  entry.hours |= HourBit(record);
  ++entry.records;
  ++zones_[record.m_Zone];
  ++oblasts_[record.m_Oblast];
  return earlier;
}

void QsoIndex::Remove(const CInfo& record, const std::vector<CInfo>& remaining) noexcept {
  // Building a key may allocate. Should that fail, the counts err towards "worked before"
  // until the next reset, which is the harmless side for a dupe check.
  try {
    const auto it = callOnBand_.find(CallBandKey(record.m_Call, record.m_Band));
    if (it != callOnBand_.end()) {
      CallOnBand& entry = it->second;
      int32_t* sameMode = entry.ModeCount(record.m_Mode, false);
      if (sameMode != nullptr && *sameMode > 0) --*sameMode;
      if (--entry.records <= 0) {
        callOnBand_.erase(it);
      } else {
        entry.hours = 0;
        for (const CInfo& r : remaining) {
          if (r.m_Call == record.m_Call && r.m_Band == record.m_Band) entry.hours |= HourBit(r);
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
  const auto it = callOnBand_.find(CallBandKey(call, band));
  if (it == callOnBand_.end()) return false;
  for (int bit = 0; bit <= 24; ++bit) {
    if ((it->second.hours >> bit & 1u) != 0 && std::abs((bit - 1) - hour) < window) return true;
  }
  return false;
}

bool QsoIndex::HasZone(std::string_view zone) const { return zones_.contains(std::string(zone)); }

bool QsoIndex::HasOblast(std::string_view oblast) const {
  return oblasts_.contains(std::string(oblast));
}
