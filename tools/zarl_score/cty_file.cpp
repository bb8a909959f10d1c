#include "tools/zarl_score/cty_file.h"

#include <algorithm>

#include "tools/zarl_score/call_location.h"
#include "tools/zarl_score/line_counter.h"
#include "tools/zarl_score/qso_fields.h"
#include "tools/zarl_score/text_quote.h"

namespace zarl_score {
namespace {

// An entry may carry overrides of the entity's zones, position or time: "UA9AB(17)[30]",
// "=R9AV/6<55.0/-40.0>{AS}~-5.0~". Only the prefix or call in front of them matters here.
std::string_view WithoutOverrides(std::string_view entry) {
  return entry.substr(0, entry.find_first_of("([<{~"));
}

bool IsEntryText(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/';
  });
}

}  // namespace

CtyFile CtyFile::Parse(std::string_view text, std::vector<LogProblem>& problems) {
  CtyFile cty;
  LineCounter lines(text);
  std::size_t pos = 0;
  while (true) {
    const std::size_t start = text.find_first_not_of(" \t\r\n", pos);
    if (start == std::string_view::npos) break;
    std::size_t eol = text.find('\n', start);
    if (eol == std::string_view::npos) eol = text.size();

    // The header line's eight fields each end in ':'; the primary prefix is the last.
    std::size_t colons = 0, primaryStart = start, headerEnd = start;
    for (std::size_t p = start; p < eol && colons < 8; ++p) {
      if (text[p] != ':') continue;
      ++colons;
      if (colons == 7) primaryStart = p + 1;
      if (colons == 8) headerEnd = p;
    }
    const std::size_t semicolon = text.find(';', colons == 8 ? headerEnd : start);
    if (colons < 8) {
      problems.push_back({lines.LineAt(start), "not a CTY entity header, skipped to the next ';': " +
                                                   QuoteForMessage(TrimBlanks(text.substr(start, eol - start)))});
      if (semicolon == std::string_view::npos) break;
      pos = semicolon + 1;
      continue;
    }
    std::string_view primary = TrimBlanks(text.substr(primaryStart, headerEnd - primaryStart));
    if (!primary.empty() && primary.front() == '*') primary.remove_prefix(1);
    const std::size_t entity = cty.m_Prefixes.size();
    cty.m_Prefixes.emplace_back(primary);
    if (semicolon == std::string_view::npos) {
      problems.push_back({lines.LineAt(start), "CTY entity " + std::string(primary) +
                                                   " has no closing ';': read to the end of the file"});
    }
    const std::size_t entriesEnd = semicolon == std::string_view::npos ? text.size() : semicolon;

    std::size_t e = headerEnd + 1;
    while (e < entriesEnd) {
      std::size_t comma = text.find(',', e);
      if (comma == std::string_view::npos || comma > entriesEnd) comma = entriesEnd;
      std::string_view entry = TrimBlanks(text.substr(e, comma - e));
      e = comma + 1;
      if (entry.empty()) continue;
      const bool wholeCall = entry.front() == '=';
      if (wholeCall) entry.remove_prefix(1);
      entry = WithoutOverrides(entry);
      if (!IsEntryText(entry)) {
        problems.push_back({lines.LineAt(static_cast<std::size_t>(entry.data() - text.data())), "CTY entry " + QuoteForMessage(entry) + " of " +
                                                        std::string(primary) + " ignored"});
        continue;
      }
      if (wholeCall) {
        cty.m_ByCall.emplace(entry, entity);
      } else {
        cty.m_ByPrefix.emplace(entry, entity);
        cty.m_LongestPrefix = std::max(cty.m_LongestPrefix, entry.size());
      }
    }
    pos = entriesEnd + 1;
  }
  return cty;
}

std::optional<std::string_view> CtyFile::CountryPrefixOf(std::string_view call) const {
  if (const auto it = m_ByCall.find(std::string(call)); it != m_ByCall.end()) {
    return m_Prefixes[it->second];
  }
  const std::string part = CountryPartOfCall(call);
  std::string key;
  for (std::size_t n = std::min(part.size(), m_LongestPrefix); n > 0; --n) {
    key.assign(part, 0, n);
    if (const auto it = m_ByPrefix.find(key); it != m_ByPrefix.end()) return m_Prefixes[it->second];
  }
  return std::nullopt;
}

}  // namespace zarl_score
