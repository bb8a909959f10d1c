#pragma once
// Oblast of a station, read from its callsign alone, and the test for Russia's DXCC prefixes.
// Pure functions: no state, safe on any thread.
#include <string_view>

namespace rules {

// The three results that are not oblast codes. ResolveOblast returns these very arrays, so a
// caller may compare by pointer or by content.
inline constexpr char kSpecialEventResult[] = "SPEC";  // special-event station ("R35A", "UE...")
inline constexpr char kStrokeResult[] = "DROB";        // portable/mobile/guest: "RA3A/P"
inline constexpr char kNoMatchResult[] = "STO";        // no call-area pair recognised

// Returns the oblast code of `callsign`: one of the 88 two-letter codes of the call-area
// table, or kSpecialEventResult, kStrokeResult or kNoMatchResult. The result is a constant
// NUL-terminated string owned by the resolver: never null, never to be freed, valid for the
// life of the program.
// The callsign is taken byte for byte, case-sensitive, untrimmed; it ends at its first NUL
// (a string_view is cut there, so both overloads agree). Empty text or a null pointer gives
// kNoMatchResult. Cannot fail.
const char* ResolveOblast(std::string_view callsign);
const char* ResolveOblast(const char* callsign);

// True exactly when the host's DXCC prefix is "UA", "UA2" or "UA9" (whole string,
// case-sensitive). The resolver answers for foreign calls too; oblast counting needs this.
bool IsRussianPrefix(std::string_view prefix);

}  // namespace rules
