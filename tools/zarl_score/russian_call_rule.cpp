#include "tools/zarl_score/russian_call_rule.h"

#include "tools/zarl_score/call_location.h"

namespace zarl_score {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Index of the call-area digit: the first digit after the first character.
std::size_t AreaDigitAt(std::string_view call) {
  for (std::size_t i = 1; i < call.size(); ++i) {
    if (IsDigit(call[i])) return i;
  }
  return std::string_view::npos;
}

}  // namespace

std::optional<std::string> RussianCountryPrefix(std::string_view call) {
  const std::string part = CountryPartOfCall(call);
  if (part.size() < 2) return std::nullopt;
  // U followed by a digit is Russia's too, except U5, which is Ukraine's.
  const bool russian = part[0] == 'R' ||
                       (part[0] == 'U' && ((part[1] >= 'A' && part[1] <= 'I') || (IsDigit(part[1]) && part[1] != '5')));
  if (!russian) return std::nullopt;
  const std::size_t at = AreaDigitAt(part);
  if (at == std::string_view::npos) return "UA";
  const char area = part[at];
  const char after = at + 1 < part.size() ? part[at + 1] : '\0';
  // Perm (F, G) and Komi (X) have Asiatic call areas but lie in Europe.
  if ((area == '8' || area == '9') && (after == 'F' || after == 'G' || after == 'X')) return "UA";
  if (area == '8' || area == '9' || area == '0') return "UA9";
  if (area == '2') {
    const std::string_view prefix = std::string_view(part).substr(0, at);
    const bool kaliningradPrefix = prefix == "RA" ||
                                   (prefix.size() == 2 && prefix[0] == 'U' && prefix[1] >= 'A' && prefix[1] <= 'I');
    if (kaliningradPrefix || after == 'F' || after == 'K') return "UA2";
  }
  return "UA";
}

std::string ForeignCallPrefix(std::string_view call) {
  const std::string part = CountryPartOfCall(call);
  return part.substr(0, AreaDigitAt(part));
}

}  // namespace zarl_score
