#include "plugin/oblast_of_call.h"

#include "rules/oblast_resolver.h"

namespace {
constexpr bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
}  // namespace

std::string OblastOfCall(std::string_view call) {
  std::string_view code = rules::ResolveOblast(call);
  while (!code.empty() && IsSpace(code.front())) code.remove_prefix(1);
  while (!code.empty() && IsSpace(code.back())) code.remove_suffix(1);
  std::string result(code);
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}
