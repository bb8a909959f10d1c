#include "tools/zarl_score/mode_map.h"

#include <cctype>

namespace zarl_score {
namespace {

std::string Upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

std::string PluginModeFromAdif(std::string_view mode) {
  std::string m = Upper(mode);
  if (m == "USB" || m == "LSB") return "SSB";
  return m;
}

std::string PluginModeFromCabrillo(std::string_view mode) {
  if (mode == "PH") return "SSB";
  return std::string(mode);
}

}  // namespace zarl_score
