#pragma once
// A set of texts for the result's seen-value checks, which run once per QSO: the keys are
// oblast codes and zone digits, almost always a few bytes, so those are packed into one
// integer each and kept in a small open-addressing table; longer texts go to a hash set.
#include <cstdint>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace rules {

class ShortTextSet {
 public:
  // Adds `text`; true when it was not in the set yet. The set keeps views: the texts must
  // outlive it.
  bool Insert(std::string_view text);

 private:
  void Grow();

  std::vector<uint64_t> slots_ = std::vector<uint64_t>(16, 0);  // 0: empty
  std::size_t used_ = 0;
  std::unordered_set<std::string_view> long_;
};

}  // namespace rules
