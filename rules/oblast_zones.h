#pragma once
// The contest's geography: every oblast code in display order, and the zone of each.
#include <array>
#include <cstdint>
#include <string_view>

namespace rules {

// The 91 oblast codes in the order the oblast window walks them. "JA", "JN" and "SH" are
// second names of "YR", "YN" and "YA" and share their box; "AN" and "FJ" are listed but never
// resolved and have no zone. The resolver's "AB" and "UO" are not in this list.
inline constexpr std::array<std::string_view, 91> OblastCodes = {
    "SP", "LO", "KL", "AR", "NO", "VO", "NV", "PS", "MU", "KA", "KO", "MA", "MO", "OR",
    "LP", "TV", "SM", "YR", "JA", "KS", "TL", "VR", "TB", "RA", "IV", "VL", "KU", "KG",
    "BR", "BO", "VG", "KR", "KM", "RO", "AO", "AD", "KC", "ST", "SO", "CN", "IN", "DA",
    "KB", "NN", "SA", "PE", "SR", "UL", "KI", "TA", "MR", "MD", "UD", "CU", "PM", "OB",
    "BA", "CB", "SV", "HM", "YN", "JN", "TN", "KN", "TO", "OM", "NS", "KE", "AL", "GA",
    "KK", "BU", "IR", "ZK", "HA", "TU", "HK", "EA", "SL", "MG", "AM", "CK", "PK", "YA",
    "SH", "KJ", "KT", "RK", "SE", "AN", "FJ",
};

// Zone 1..7 of an oblast code, or 0 when the code has none. The whole string is compared,
// case-sensitive and untrimmed: "mo", "MO " and "" give 0, as do the resolver's special
// results (special event, "DROB", "STO") and "AB", "UO", "SH", "AN", "FJ", "KI" and "TU".
int32_t ZoneOfOblast(std::string_view code);

}  // namespace rules
