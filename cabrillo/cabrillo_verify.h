#pragma once
// Reads a written Cabrillo log back and checks it against the rules the contest robot
// relies on and against the records it was made from.
#include <cstdint>
#include <string>
#include <vector>

#include "cabrillo/cabrillo_log.h"

// One line per problem, empty when the file is sound: START-OF-LOG first and END-OF-LOG
// last, every line "KEY: value" and ended by CR LF, CLAIMED-SCORE equal to `claimedScore`,
// and exactly one QSO line per record, in order, whose fields read back as the record's
// (with `ownCall` as the sent call).
std::vector<std::string> VerifyCabrilloLog(const std::string& bytes, const std::string& ownCall,
                                           const std::vector<CabrilloQso>& records,
                                           int32_t claimedScore);
