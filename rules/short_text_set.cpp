#include "rules/short_text_set.h"

#include <cstring>

namespace rules {
namespace {

constexpr std::size_t kMaxPacked = 7;

// Length in the top byte, so no packed text is 0 and "A" differs from "A\0".
uint64_t Pack(std::string_view text) {
  uint64_t key = 0;
  std::memcpy(&key, text.data(), text.size());
  return key | (static_cast<uint64_t>(text.size() + 1) << 56);
}

std::size_t SlotOf(uint64_t key, std::size_t mask) {
  return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 40) & mask;
}

}  // namespace

bool ShortTextSet::Insert(std::string_view text) {
  if (text.size() > kMaxPacked) return long_.insert(text).second;
  const uint64_t key = Pack(text);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = SlotOf(key, mask);; i = (i + 1) & mask) {
    if (slots_[i] == key) return false;
    if (slots_[i] == 0) {
      slots_[i] = key;
      if (++used_ * 2 > slots_.size()) Grow();
      return true;
    }
  }
}

void ShortTextSet::Grow() {
  std::vector<uint64_t> old(slots_.size() * 2, 0);
  old.swap(slots_);
  const std::size_t mask = slots_.size() - 1;
  for (uint64_t key : old) {
    if (key == 0) continue;
    std::size_t i = SlotOf(key, mask);
    while (slots_[i] != 0) i = (i + 1) & mask;
    slots_[i] = key;
  }
}

}  // namespace rules
