#include "tools/zarl_score/country_source.h"

#include "rules/oblast_resolver.h"
#include "tools/zarl_score/russian_call_rule.h"

namespace zarl_score {
namespace {

struct RussianEntity {
  int dxcc;
  const char* prefix;
};
constexpr RussianEntity kRussianEntities[] = {{54, "UA"}, {15, "UA9"}, {126, "UA2"}};

}  // namespace

std::string CountryResolver::NonRussianPrefix(const std::string& call) const {
  // The log says the station is not in Russia; a Russian-looking prefix from the call
  // (a Russian operator abroad, say) must not make it count oblasts.
  if (m_Cty != nullptr) {
    if (const auto prefix = m_Cty->CountryPrefixOf(call); prefix && !rules::IsRussianPrefix(*prefix)) {
      return std::string(*prefix);
    }
  }
  const std::string prefix = ForeignCallPrefix(call);
  return rules::IsRussianPrefix(prefix) ? std::string() : prefix;
}

CountryAnswer CountryResolver::For(const LogQso& qso) const {
  if (qso.dxcc) {
    for (const RussianEntity& e : kRussianEntities) {
      if (*qso.dxcc == e.dxcc) return {e.prefix, CountrySource::kDxccNumber};
    }
    return {NonRussianPrefix(qso.call), CountrySource::kDxccNumber};
  }
  if (m_Cty != nullptr) {
    if (const auto prefix = m_Cty->CountryPrefixOf(qso.call)) {
      return {std::string(*prefix), CountrySource::kCtyFile};
    }
  }
  if (auto russian = RussianCountryPrefix(qso.call)) {
    return {std::move(*russian), CountrySource::kBuiltInRule};
  }
  return {ForeignCallPrefix(qso.call), CountrySource::kBuiltInRule};
}

}  // namespace zarl_score
