// Any byte string as a callsign: the resolver must answer from its fixed set, agree between
// its two entry points, and give its special results only for the shapes that earn them.
#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <string_view>

#include "rules/oblast_resolver.h"
#include "rules/oblast_zones.h"
#include "tests/fuzz/fuzz_require.h"

namespace {

// The oblast list minus the five codes the resolver never gives, plus its own extras.
const std::set<std::string_view>& AllowedResults() {
  static const std::set<std::string_view> allowed = [] {
    std::set<std::string_view> codes(rules::OblastCodes.begin(), rules::OblastCodes.end());
    for (std::string_view never : {"YN", "JA", "SH", "AN", "FJ"}) codes.erase(never);
    codes.insert({"AB", "UO", rules::kSpecialEventResult, "DROB", "STO"});
    return codes;
  }();
  return allowed;
}

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const char* viaView = rules::ResolveOblast(input);
  const std::string cString(input);  // what a host would pass: cut at the first NUL
  const char* viaPointer = rules::ResolveOblast(cString.c_str());

  FUZZ_REQUIRE(viaView != nullptr && viaPointer != nullptr);
  FUZZ_REQUIRE(std::strcmp(viaView, viaPointer) == 0);
  const std::string_view result(viaView);
  FUZZ_REQUIRE(AllowedResults().count(result) == 1);
  const int32_t zone = rules::ZoneOfOblast(result);
  FUZZ_REQUIRE(zone >= 0 && zone <= 7);

  const std::string_view call = input.substr(0, input.find('\0'));
  auto at = [&](std::size_t i) { return i < call.size() ? call[i] : '\0'; };
  const bool specialShape =
      (IsLetter(at(0)) && IsDigit(at(1)) && IsDigit(at(2))) ||
      (IsLetter(at(0)) && IsLetter(at(1)) && IsDigit(at(2)) && IsDigit(at(3))) ||
      call.substr(0, 2) == "UE";
  FUZZ_REQUIRE((result == rules::kSpecialEventResult) == specialShape);
  if (specialShape) return 0;

  const std::size_t stroke = call.find('/');
  FUZZ_REQUIRE((result == "DROB") == (stroke != std::string_view::npos && stroke >= 1));

  if (result.size() == 2) {
    // A code needs a call-area digit and a letter somewhere after the first character.
    bool pair = false;
    for (std::size_t i = 1; i + 1 < call.size(); ++i) {
      pair = pair || (IsDigit(call[i]) && call[i + 1] >= 'A' && call[i + 1] <= 'Z');
    }
    FUZZ_REQUIRE(pair);
  }
  return 0;
}
