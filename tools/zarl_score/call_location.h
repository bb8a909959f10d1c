#pragma once
// Which part of a callsign tells the country a station operates from.
#include <string>
#include <string_view>

namespace zarl_score {

// The callsign to judge the country by. Operating suffixes (/P, /M, /QRP, /MM, /AM, /A, /B,
// /LH, /J) say nothing about it and are dropped. A single call-area digit after a stroke
// moves the station to that area: "UA3AAA/9" is judged as "UA9AAA". Of a prefix and a call
// ("DL/UA3AAA", "UA3AAA/DL") the shorter part is the country's prefix. A call without a
// stroke is returned unchanged.
std::string CountryPartOfCall(std::string_view call);

}  // namespace zarl_score
