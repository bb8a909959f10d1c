#pragma once
// Russia's three DXCC entities read from the callsign alone, for logs that carry no DXCC
// number when no CTY file is at hand.
#include <optional>
#include <string>
#include <string_view>

namespace zarl_score {

// "UA" (European Russia), "UA2" (Kaliningrad) or "UA9" (Asiatic Russia) for a Russian
// callsign, nullopt for any other. Russian calls begin with R, or with U followed by A to I
// or by a digit other than 5. The call-area digit decides: 8, 9 and 0 are Asiatic Russia,
// except 8 and 9 before F, G or X (Perm and Komi, in Europe); 2 is
// Kaliningrad after the prefixes RA and UA to UI, or before the letter F or K; any other
// is European Russia. The call is judged by its country part (call_location.h).
std::optional<std::string> RussianCountryPrefix(std::string_view call);

// The prefix part of a callsign for a station outside Russia: the characters before the
// call-area digit ("DL" of "DL1ABC", "9A" of "9A2AA"), of the country part.
std::string ForeignCallPrefix(std::string_view call);

}  // namespace zarl_score
