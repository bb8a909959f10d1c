#pragma once
// The oblast window's grid: one check box per oblast, labelled with its code, in six columns
// of alphabetical order. Positions are dialog units of the window's template.
#include <array>
#include <string_view>

namespace ui {

struct OblastBox {
  std::string_view code;  // label, and the code that ticks the box
  int controlId;
  int x, y;  // top-left corner
  int height;
};

inline constexpr int kOblastBoxWidth = 25;
inline constexpr int kOblastBoxCount = 88;

// Grid order: row by row, left to right.
inline constexpr std::array<OblastBox, kOblastBoxCount> kOblastBoxes = {{
    {"AD", 1065, 7, 6, 10},     {"AL", 1098, 42, 6, 10},    {"AM", 1110, 74, 6, 10},
    {"AN", 1119, 110, 6, 10},   {"AR", 1024, 145, 6, 10},   {"AO", 1064, 175, 6, 10},
    {"BA", 1087, 7, 15, 10},    {"BO", 1059, 42, 15, 10},   {"BR", 1058, 74, 15, 10},
    {"BU", 1101, 110, 15, 8},   {"CB", 1088, 145, 15, 10},  {"CK", 1111, 175, 15, 10},
    {"CN", 1069, 7, 24, 10},    {"CU", 1084, 42, 24, 10},   {"DA", 1071, 74, 24, 10},
    {"EA", 1107, 110, 24, 10},  {"FJ", 1120, 145, 24, 10},  {"GA", 1099, 175, 24, 10},
    {"HA", 1104, 7, 33, 10},    {"HK", 1106, 42, 33, 10},   {"HM", 1090, 74, 33, 10},
    {"IN", 1070, 110, 33, 10},  {"IR", 1102, 145, 33, 10},  {"IV", 1054, 175, 33, 10},
    {"KA", 1037, 7, 43, 10},    {"KB", 1072, 42, 43, 10},   {"KC", 1066, 74, 43, 10},
    {"KE", 1097, 110, 43, 10},  {"KG", 1057, 145, 43, 10},  {"KI", 1078, 175, 43, 10},
    {"KJ", 1114, 7, 52, 10},    {"KK", 1100, 42, 52, 10},   {"KL", 1023, 74, 52, 10},
    {"KM", 1062, 110, 52, 10},  {"KN", 1093, 145, 52, 10},  {"KO", 1039, 175, 52, 10},
    {"KR", 1061, 7, 62, 10},    {"KS", 1049, 42, 62, 10},   {"KT", 1115, 74, 62, 10},
    {"KU", 1056, 110, 62, 10},  {"LP", 1045, 145, 62, 10},  {"LO", 1021, 175, 62, 10},
    {"MA", 1041, 7, 72, 10},    {"MD", 1081, 42, 72, 10},   {"MG", 1109, 74, 72, 10},
    {"MO", 1043, 110, 72, 10},  {"MR", 1080, 145, 72, 10},  {"MU", 1035, 175, 72, 10},
    {"NN", 1073, 7, 81, 10},    {"NO", 1026, 42, 81, 10},   {"NS", 1096, 74, 81, 10},
    {"NV", 1031, 110, 81, 10},  {"OB", 1086, 145, 81, 10},  {"OM", 1095, 175, 81, 10},
    {"OR", 1044, 7, 91, 10},    {"PE", 1075, 42, 91, 10},   {"PK", 1112, 74, 91, 10},
    {"PM", 1085, 110, 91, 10},  {"PS", 1033, 145, 91, 10},  {"RA", 1053, 175, 91, 10},
    {"RK", 1116, 7, 100, 10},   {"RO", 1063, 42, 100, 10},  {"SA", 1074, 74, 100, 10},
    {"SE", 1118, 110, 100, 10}, {"SL", 1108, 145, 100, 10}, {"SM", 1047, 175, 100, 10},
    {"SO", 1068, 7, 109, 10},   {"SP", 1019, 42, 109, 10},  {"SR", 1076, 74, 109, 10},
    {"ST", 1067, 110, 109, 10}, {"SV", 1089, 145, 109, 10}, {"TA", 1079, 175, 109, 10},
    {"TB", 1052, 7, 119, 10},   {"TL", 1050, 42, 119, 10},  {"TN", 1092, 74, 119, 10},
    {"TO", 1094, 110, 119, 8},  {"TU", 1105, 145, 119, 10}, {"TV", 1046, 175, 119, 10},
    {"VG", 1060, 7, 128, 10},   {"VL", 1055, 42, 128, 10},  {"VO", 1028, 74, 128, 10},
    {"VR", 1051, 110, 128, 10}, {"UD", 1082, 145, 128, 10}, {"UL", 1077, 175, 128, 10},
    {"YA", 1113, 7, 137, 10},   {"YN", 1091, 42, 137, 10},  {"YR", 1048, 74, 137, 10},
    {"ZK", 1103, 110, 137, 10},
}};

// Index into kOblastBoxes of the box that `code` ticks, or -1. The whole code is compared,
// case-sensitive. "JA", "JN" and "SH" are second names of "YR", "YN" and "YA" and tick those
// boxes; a text that is no oblast code ("DROB", "AB", "mo") ticks nothing.
int OblastBoxOfCode(std::string_view code);

}  // namespace ui
