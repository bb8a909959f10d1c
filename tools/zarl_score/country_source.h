#pragma once
// The country prefix the host would pass for a worked station. The plug-in looks only at
// whether it is one of Russia's three ("UA", "UA2", "UA9"): those stations count oblasts.
#include <array>
#include <string>

#include "tools/zarl_score/cty_file.h"
#include "tools/zarl_score/log_qso.h"

namespace zarl_score {

enum class CountrySource { kDxccNumber, kCtyFile, kBuiltInRule };
inline constexpr int kCountrySourceCount = 3;

struct CountryAnswer {
  std::string prefix;
  CountrySource source;
};

// In this order: the record's DXCC number (54 European Russia "UA", 15 Asiatic Russia "UA9",
// 126 Kaliningrad "UA2"; any other number is a station outside Russia, named by its CTY or
// call prefix); else the CTY file, when one is given and knows the call; else the built-in
// rule for Russian callsigns (russian_call_rule.h).
class CountryResolver {
 public:
  explicit CountryResolver(const CtyFile* cty) : m_Cty(cty) {}
  CountryAnswer For(const LogQso& qso) const;

 private:
  std::string NonRussianPrefix(const std::string& call) const;
  const CtyFile* m_Cty;
};

// Counts of answers by source, for the run's summary.
using CountrySourceCounts = std::array<int, kCountrySourceCount>;

}  // namespace zarl_score
