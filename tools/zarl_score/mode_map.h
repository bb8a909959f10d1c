#pragma once
// The plug-in knows two modes, "CW" and "SSB"; logs spell them in several ways.
#include <string>
#include <string_view>

namespace zarl_score {

// ADIF MODE: "CW" gives "CW"; "SSB" and the older modes "USB" and "LSB" give "SSB" (the
// SUBMODE of an SSB QSO only says which sideband, so it is not needed). Any other mode comes
// back upper-cased, so the plug-in refuses it by its own name ("RTTY", "FT8").
std::string PluginModeFromAdif(std::string_view mode);

// Cabrillo mode: "CW" gives "CW", "PH" gives "SSB"; others ("RY", "DG", "FM") come back as
// written.
std::string PluginModeFromCabrillo(std::string_view mode);

}  // namespace zarl_score
