#include "cabrillo/replace_all.h"

std::string ReplaceAll(const std::string& text, const std::string& search,
                       const std::string& replacement) {
  if (search.empty()) return text;
  std::string out;
  out.reserve(text.size());
  size_t from = 0;
  for (size_t at = text.find(search); at != std::string::npos; at = text.find(search, from)) {
    out.append(text, from, at - from);
    out += replacement;
    from = at + search.size();
  }
  out.append(text, from, std::string::npos);
  return out;
}
