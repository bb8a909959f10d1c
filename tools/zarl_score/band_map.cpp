#include "tools/zarl_score/band_map.h"

#include <cctype>

namespace zarl_score {
namespace {

struct Band {
  std::string_view name;
  uint64_t lowHz, highHz;
};

// The amateur allocations as logging programs exchange them.
constexpr Band kBands[] = {
    {"2190m", 135'700, 137'800},           {"630m", 472'000, 479'000},
    {"160m", 1'800'000, 2'000'000},        {"80m", 3'500'000, 4'000'000},
    {"60m", 5'060'000, 5'450'000},         {"40m", 7'000'000, 7'300'000},
    {"30m", 10'100'000, 10'150'000},       {"20m", 14'000'000, 14'350'000},
    {"17m", 18'068'000, 18'168'000},       {"15m", 21'000'000, 21'450'000},
    {"12m", 24'890'000, 24'990'000},       {"10m", 28'000'000, 29'700'000},
    {"6m", 50'000'000, 54'000'000},        {"4m", 70'000'000, 71'000'000},
    {"2m", 144'000'000, 148'000'000},      {"1.25m", 222'000'000, 225'000'000},
    {"70cm", 420'000'000, 450'000'000},    {"33cm", 902'000'000, 928'000'000},
    {"23cm", 1'240'000'000, 1'300'000'000},
};

// Cabrillo writes these bands by a designator in MHz instead of a frequency in kHz.
struct Designator {
  std::string_view text;
  uint64_t hz;
};
constexpr Designator kDesignators[] = {
    {"50", 50'000'000},   {"70", 70'000'000},   {"144", 144'000'000},
    {"222", 222'000'000}, {"432", 432'000'000}, {"902", 902'000'000},
};

}  // namespace

std::string BandOfFrequency(uint64_t hz) {
  for (const Band& b : kBands) {
    if (hz >= b.lowHz && hz <= b.highHz) return std::string(b.name);
  }
  return {};
}

std::string NormalizeBandName(std::string_view name) {
  while (!name.empty() && std::isspace(static_cast<unsigned char>(name.front()))) name.remove_prefix(1);
  while (!name.empty() && std::isspace(static_cast<unsigned char>(name.back()))) name.remove_suffix(1);
  std::string lower(name);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const Band& b : kBands) {
    if (b.name == lower) return lower;
  }
  return {};
}

uint64_t BandLowerEdgeHz(std::string_view band) {
  for (const Band& b : kBands) {
    if (b.name == band) return b.lowHz;
  }
  return 0;
}

uint64_t CabrilloDesignatorHz(std::string_view designator) {
  for (const Designator& d : kDesignators) {
    if (d.text == designator) return d.hz;
  }
  return 0;
}

}  // namespace zarl_score
