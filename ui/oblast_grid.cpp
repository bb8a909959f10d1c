#include "ui/oblast_grid.h"

#include <algorithm>

#include "rules/oblast_zones.h"

namespace ui {
namespace {

struct SecondName {
  std::string_view alias, code;
};
constexpr std::array<SecondName, 3> kSecondNames = {{{"JA", "YR"}, {"JN", "YN"}, {"SH", "YA"}}};

constexpr int BoxOf(std::string_view code) {
  for (int i = 0; i < kOblastBoxCount; ++i) {
    if (kOblastBoxes[i].code == code) return i;
  }
  return -1;
}

// Every box is one of the oblast codes, each code has a box of its own or of its first name,
// and no control id is used twice.
constexpr bool GridCoversTheCodeList() {
  for (std::string_view code : rules::OblastCodes) {
    bool aliased = false;
    for (const SecondName& name : kSecondNames) aliased = aliased || name.alias == code;
    if (aliased == (BoxOf(code) >= 0)) return false;
  }
  for (const OblastBox& box : kOblastBoxes) {
    if (std::find(rules::OblastCodes.begin(), rules::OblastCodes.end(), box.code) ==
        rules::OblastCodes.end()) {
      return false;
    }
  }
  for (int i = 0; i < kOblastBoxCount; ++i) {
    for (int j = i + 1; j < kOblastBoxCount; ++j) {
      if (kOblastBoxes[i].controlId == kOblastBoxes[j].controlId) return false;
    }
  }
  return true;
}
static_assert(GridCoversTheCodeList());

}  // namespace

int OblastBoxOfCode(std::string_view code) {
  for (const SecondName& name : kSecondNames) {
    if (name.alias == code) return BoxOf(name.code);
  }
  return BoxOf(code);
}

}  // namespace ui
