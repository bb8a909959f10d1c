#include "rules/oblast_resolver.h"

#include <array>
#include <cstddef>
#include <iterator>

namespace rules {
namespace {

// One row of the call-area table. A needle is a call-area digit and a region letter; an "O"
// in second place is always the letter. Unused needle slots stay empty.
struct CallAreaRow {
  const char* oblast;
  std::array<std::string_view, 9> needles;
};

// Row order is part of the contest's rules: a callsign holding needles of two rows (a
// portable area in the suffix, say) gets the earlier row's code. Do not sort.
constexpr CallAreaRow kCallAreaRows[] = {
    {"SP", {"1A", "1B", "1F"}},
    {"LO", {"1C", "1D"}},
    {"AR", {"1O"}},
    {"VO", {"1Q"}},
    {"MU", {"1Z"}},
    {"NV", {"1T"}},
    {"PS", {"1W"}},
    {"KL", {"1N"}},
    {"NO", {"1P"}},
    {"KA", {"2F", "2K"}},
    {"KO", {"8X", "9X"}},
    {"BO", {"2Z", "3Z", "5Z"}},
    {"BR", {"2Y", "3Y", "5Y"}},
    {"VL", {"2V", "3V", "5V"}},
    {"VR", {"2Q", "3Q", "5Q", "2O", "3O", "5O", "3K", "5K"}},
    {"IV", {"2U", "3U", "5U"}},
    {"KG", {"2X", "3X", "5X"}},
    {"KS", {"2N", "3N", "5N"}},
    {"KU", {"2W", "3W", "5W"}},
    {"LP", {"2G", "3G", "5G"}},
    {"MA", {"2A", "3A", "5A", "2B", "3B", "5B", "2C", "3C", "5C"}},
    {"MO", {"2D", "3D", "5D", "2H", "3H", "5H", "3F", "5F"}},
    {"OR", {"2E", "3E", "5E"}},
    {"RA", {"2S", "3S", "5S"}},
    {"SM", {"2L", "3L", "5L"}},
    {"TB", {"2R", "3R", "5R"}},
    {"TV", {"2I", "3I", "5I"}},
    {"TL", {"2P", "3P", "5P"}},
    {"YR", {"2M", "3M", "5M"}},
    {"AD", {"6Y", "7Y"}},
    {"DA", {"6W", "7W"}},
    {"CN", {"6P", "7P"}},
    {"KR", {"6A", "7A", "6B", "7B", "6C", "7C", "6D", "7D"}},
    {"RK", {"6K", "7K"}},
    {"SE", {"6R", "7R"}},
    {"IN", {"6Q", "7Q"}},
    {"KB", {"6X", "7X"}},
    {"KM", {"6I", "7I"}},
    {"KC", {"6E", "7E"}},
    {"SO", {"6J", "7J"}},
    {"AO", {"6U", "7U"}},
    {"ST", {"6H", "7H", "6F", "7F", "7G", "6G"}},
    {"RO", {"6L", "7L", "6M", "7M", "6N", "7N"}},
    {"VG", {"4A", "4B"}},
    {"NN", {"2T", "3T", "5T"}},
    {"BA", {"8W", "9W"}},
    {"OB", {"8S", "8T", "9S", "9T"}},
    {"MR", {"4S"}},
    {"MD", {"4U"}},
    {"PE", {"4F"}},
    {"TA", {"4P", "4Q", "4R"}},
    {"PM", {"8F", "8G", "9F", "9G"}},
    {"UD", {"4W"}},
    {"SR", {"4H", "4I"}},
    {"CU", {"4Y"}},
    {"SA", {"4C", "4D"}},
    {"UL", {"4L", "4M"}},
    {"KI", {"4N"}},
    {"KN", {"8Q", "8R", "9Q", "9R"}},
    {"CB", {"8A", "8B", "9A", "9B"}},
    {"SV", {"8C", "8D", "9C", "9D"}},
    {"HM", {"8J", "9J"}},
    {"TN", {"8L", "9L"}},
    {"JN", {"8K", "9K"}},
    {"GA", {"8Z", "9Z"}},
    {"KE", {"8U", "9U"}},
    {"NS", {"8O", "9O"}},
    {"AL", {"8Y", "9Y"}},
    {"OM", {"8M", "8N", "9M", "9N"}},
    {"TO", {"8H", "8I", "9H", "9I"}},
    {"BU", {"0O"}},
    {"TU", {"0Y"}},
    {"HA", {"0W"}},
    {"ZK", {"0U", "0V"}},
    {"KK", {"0A", "0B", "0H"}},
    {"AB", {"8V"}},
    {"IR", {"0S", "0T"}},
    {"UO", {"0R"}},
    {"YA", {"0Q"}},
    {"PK", {"0L"}},
    {"HK", {"0C"}},
    {"AM", {"0J"}},
    {"KT", {"0Z"}},
    {"MG", {"0I"}},
    {"EA", {"0D"}},
    {"KJ", {"0X"}},
    {"CK", {"0K"}},
    {"SL", {"0F", "0E"}},
};
static_assert(std::size(kCallAreaRows) == 88);

// ASCII only: callsigns arrive as CP1251 bytes, and a locale-aware isalpha would take
// Cyrillic letters for Latin ones.
constexpr bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A call never starts with its call area, so a match at index 0 does not count. Only the
// first occurrence is looked at, so a needle at index 0 hides any later repeat of it; the
// contest's scoring has always matched this way.
bool ContainsAfterFirst(std::string_view callsign, std::string_view needle) {
  const std::size_t at = callsign.find(needle);
  return at != std::string_view::npos && at >= 1;
}

// A letter and two digits, or two letters and two digits, open a special-event call
// ("R100A", "RK75W"); ordinary calls have a single call-area digit there.
bool HasSpecialEventShape(std::string_view callsign) {
  auto at = [&](std::size_t i) { return i < callsign.size() ? callsign[i] : '\0'; };
  if (IsLetter(at(0)) && IsDigit(at(1)) && IsDigit(at(2))) return true;
  return IsLetter(at(0)) && IsLetter(at(1)) && IsDigit(at(2)) && IsDigit(at(3));
}

}  // namespace

const char* ResolveOblast(std::string_view callsign) {
  callsign = callsign.substr(0, callsign.find('\0'));

  if (HasSpecialEventShape(callsign)) return kSpecialEventResult;
  // "UE" calls are issued for special events only.
  if (callsign.substr(0, 2) == "UE") return kSpecialEventResult;
  // A portable or guest operator may be anywhere; the call says nothing about the oblast.
  if (ContainsAfterFirst(callsign, "/")) return kStrokeResult;

  for (const CallAreaRow& row : kCallAreaRows) {
    for (std::string_view needle : row.needles) {
      if (needle.empty()) break;
      if (ContainsAfterFirst(callsign, needle)) return row.oblast;
    }
  }
  return kNoMatchResult;
}

const char* ResolveOblast(const char* callsign) {
  return ResolveOblast(callsign ? std::string_view(callsign) : std::string_view());
}

bool IsRussianPrefix(std::string_view prefix) {
  return prefix == "UA" || prefix == "UA2" || prefix == "UA9";
}

}  // namespace rules
