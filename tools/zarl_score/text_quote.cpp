#include "tools/zarl_score/text_quote.h"

#include <cstdio>

namespace zarl_score {

std::string QuoteForMessage(std::string_view text, std::size_t limit) {
  std::string out = "\"";
  const std::size_t shown = text.size() < limit ? text.size() : limit;
  for (std::size_t i = 0; i < shown; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  if (shown < text.size()) out += "...";
  out += '"';
  return out;
}

}  // namespace zarl_score
