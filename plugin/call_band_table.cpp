#include "plugin/call_band_table.h"

#include <functional>

int32_t* CallOnBand::ModeCount(std::string_view mode, bool create) {
  if (mode == "CW") return &cw;
  if (mode == "SSB") return &ssb;
  for (auto& m : otherModes) {
    if (m.first == mode) return &m.second;
  }
  if (!create) return nullptr;
  return &otherModes.emplace_back(std::string(mode), 0).second;
}

uint32_t CallBandTable::Hash(std::string_view call, std::string_view band) {
  const uint64_t h = static_cast<uint64_t>(std::hash<std::string_view>{}(call)) * 31 +
                     std::hash<std::string_view>{}(band);
  return static_cast<uint32_t>(h ^ (h >> 32));
}

void CallBandTable::Clear() {
  slots_.clear();
  entries_.clear();
}

const CallOnBand* CallBandTable::Find(std::string_view call, std::string_view band) const {
  if (slots_.empty()) return nullptr;
  const uint32_t hash = Hash(call, band);
  for (std::size_t i = SlotOf(hash);; i = (i + 1) & (slots_.size() - 1)) {
    const Slot& slot = slots_[i];
    if (slot.entry == 0) return nullptr;
    const CallOnBand& e = entries_[slot.entry - 1];
    if (slot.hash == hash && e.call == call && e.band == band) return &e;
  }
}

CallOnBand& CallBandTable::FindOrAdd(std::string_view call, std::string_view band) {
  if (CallOnBand* found = Find(call, band)) return *found;
  // At most half the slots in use keeps the probe runs short.
  if ((entries_.size() + 1) * 2 > slots_.size()) Grow();
  CallOnBand& e = entries_.emplace_back();
  e.call = call;
  e.band = band;
  const uint32_t hash = Hash(call, band);
  std::size_t i = SlotOf(hash);
  while (slots_[i].entry != 0) i = (i + 1) & (slots_.size() - 1);
  slots_[i] = Slot{hash, static_cast<uint32_t>(entries_.size())};
  return e;
}

std::size_t CallBandTable::SlotOfEntry(std::size_t index) const {
  const CallOnBand& e = entries_[index];
  for (std::size_t i = SlotOf(Hash(e.call, e.band));; i = (i + 1) & (slots_.size() - 1)) {
    if (slots_[i].entry == index + 1) return i;
  }
}

void CallBandTable::Erase(CallOnBand* entry) {
  const std::size_t index = static_cast<std::size_t>(entry - entries_.data());
  const std::size_t mask = slots_.size() - 1;
  // Empty the slot, then move back the run behind it (linear probing needs no tombstones).
  std::size_t hole = SlotOfEntry(index);
  slots_[hole] = Slot{};
  for (std::size_t i = (hole + 1) & mask; slots_[i].entry != 0; i = (i + 1) & mask) {
    const std::size_t home = SlotOf(slots_[i].hash);
    // The slot may move to the hole unless its home lies cyclically in (hole, i].
    const bool homeBetween = hole <= i ? (home > hole && home <= i) : (home > hole || home <= i);
    if (!homeBetween) {
      slots_[hole] = slots_[i];
      slots_[i] = Slot{};
      hole = i;
    }
  }
  // The last entry takes the freed place in the vector.
  const std::size_t last = entries_.size() - 1;
  if (index != last) {
    slots_[SlotOfEntry(last)].entry = static_cast<uint32_t>(index + 1);
    entries_[index] = std::move(entries_[last]);
  }
  entries_.pop_back();
}

void CallBandTable::Grow() {
  std::vector<Slot> old(slots_.empty() ? 64 : slots_.size() * 2);
  old.swap(slots_);
  const std::size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.entry == 0) continue;
    std::size_t i = SlotOf(slot.hash);
    while (slots_[i].entry != 0) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}
