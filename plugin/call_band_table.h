#pragma once
// What the QSO index keeps per call and band. A big log has one entry per station and band,
// so the table is flat: a small array of hash slots pointing into one contiguous vector of
// entries, which a look-up reaches with about one cache miss where a node-based map needs
// several.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Everything logged with one call on one band.
struct CallOnBand {
  std::string call, band;
  int32_t cw = 0, ssb = 0;  // the two modes a recorded QSO can have, kept inline
  std::vector<std::pair<std::string, int32_t>> otherModes;
  uint32_t hours = 0;  // bit hour + 1 for each hour of day worked (bit 0: a time not valid)
  int32_t records = 0;

  // The count of `mode`; nullptr when the mode was never counted and `create` is false.
  int32_t* ModeCount(std::string_view mode, bool create);
};

class CallBandTable {
 public:
  void Clear();
  // The entry of `call` on `band`, or nullptr. Valid until the next FindOrAdd or Erase.
  const CallOnBand* Find(std::string_view call, std::string_view band) const;
  CallOnBand* Find(std::string_view call, std::string_view band) {
    return const_cast<CallOnBand*>(std::as_const(*this).Find(call, band));
  }
  CallOnBand& FindOrAdd(std::string_view call, std::string_view band);
  // Removes an entry that Find or FindOrAdd returned.
  void Erase(CallOnBand* entry);

 private:
  struct Slot {
    uint32_t hash = 0;
    uint32_t entry = 0;  // index into entries_ plus 1; 0 is an empty slot
  };
  static uint32_t Hash(std::string_view call, std::string_view band);
  std::size_t SlotOf(uint32_t hash) const { return hash & (slots_.size() - 1); }
  // The slot holding entry index `index` (which must be in the table).
  std::size_t SlotOfEntry(std::size_t index) const;
  void Grow();

  std::vector<Slot> slots_;
  std::vector<CallOnBand> entries_;
};
