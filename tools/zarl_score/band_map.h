#pragma once
// Amateur bands by name and frequency, in the plug-in's spelling of band names ("40m").
#include <cstdint>
#include <string>
#include <string_view>

namespace zarl_score {

// The band a frequency in Hz lies in ("160m", "30m", "6m", "70cm" ...), or "" when it lies
// in none of the bands this tool knows (2190 m up to 23 cm).
std::string BandOfFrequency(uint64_t hz);

// The plug-in's name for a band name as a log writes it ("40M", "40m", " 20m"), or "" for a
// name that is no band.
std::string NormalizeBandName(std::string_view name);

// Lower edge of a known band in Hz, 0 for an unknown name. A record that gives a band but
// no frequency is placed there.
uint64_t BandLowerEdgeHz(std::string_view band);

// Frequency of a Cabrillo band designator above 30 MHz ("50", "144", "432" ...) in Hz,
// 0 when the text is not one.
uint64_t CabrilloDesignatorHz(std::string_view designator);

}  // namespace zarl_score
