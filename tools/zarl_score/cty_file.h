#pragma once
// The CTY country file that contest loggers share (cty.dat): for every DXCC entity a header
// line "Name: CQ: ITU: Continent: Lat: Lon: UTC offset: Primary prefix:" and then its
// prefixes and whole callsigns ("=R9AV/6"), separated by commas and ended by ';'.
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "tools/zarl_score/log_qso.h"

namespace zarl_score {

class CtyFile {
 public:
  // Reads the file's text. Entries it cannot read are reported in `problems` (with their
  // line) and skipped; the rest of the file is still used.
  static CtyFile Parse(std::string_view text, std::vector<LogProblem>& problems);

  // Number of entities read.
  std::size_t EntityCount() const { return m_Prefixes.size(); }

  // The primary prefix of the entity the callsign belongs to ("UA", "UA9", "UA2", "DL"),
  // nullopt when nothing matches. A whole-call entry wins; otherwise the longest listed
  // prefix of the call's country part (call_location.h). The '*' that marks entities
  // counted only for the WAE list is not part of the prefix.
  std::optional<std::string_view> CountryPrefixOf(std::string_view call) const;

 private:
  std::vector<std::string> m_Prefixes;                     // primary prefix per entity
  std::unordered_map<std::string, std::size_t> m_ByPrefix;  // listed prefix -> entity
  std::unordered_map<std::string, std::size_t> m_ByCall;    // whole callsign -> entity
  std::size_t m_LongestPrefix = 0;
};

}  // namespace zarl_score
