#include "tools/zarl_score/call_location.h"

#include <vector>

namespace zarl_score {
namespace {

bool IsOperatingSuffix(std::string_view part) {
  static constexpr std::string_view kSuffixes[] = {"P", "M", "QRP", "MM", "AM", "A", "B", "LH", "J"};
  for (std::string_view s : kSuffixes) {
    if (part == s) return true;
  }
  return false;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string CountryPartOfCall(std::string_view call) {
  if (call.find('/') == std::string_view::npos) return std::string(call);
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (start <= call.size()) {
    std::size_t stroke = call.find('/', start);
    if (stroke == std::string_view::npos) stroke = call.size();
    const std::string_view part = call.substr(start, stroke - start);
    if (!part.empty() && !IsOperatingSuffix(part)) parts.push_back(part);
    start = stroke + 1;
  }
  if (parts.empty()) return std::string(call);
  if (parts.size() == 1) return std::string(parts[0]);

  const std::string_view a = parts[0], b = parts[1];
  if (b.size() == 1 && IsDigit(b[0])) {
    std::string moved(a);
    for (std::size_t i = 1; i < moved.size(); ++i) {
      if (IsDigit(moved[i])) {
        moved[i] = b[0];
        return moved;
      }
    }
    return moved;
  }
  return std::string(b.size() < a.size() ? b : a);
}

}  // namespace zarl_score
