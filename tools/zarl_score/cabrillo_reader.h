#pragma once
// Reads a Cabrillo 3.0 log: the CALLSIGN header line and the QSO lines, as the plug-in
// writes them ("QSO: freq mo date time own-call rst exch call rst exch").
#include <string_view>

#include "tools/zarl_score/log_qso.h"

namespace zarl_score {

// The frequency is in kHz (or a band designator such as 50 or 144); the mode PH is SSB.
// The sent exchange is the own zone digit and the serial: the digit is dropped, since the
// plug-in puts the own zone in front of the serial itself. A QSO line with a transmitter
// number after the received exchange is read too.
//
// Never fails: a QSO line that cannot be read (wrong number of fields, a value that is not
// what its column holds) goes to `malformed` with its line and the reason. X-QSO lines,
// lines that are no Cabrillo line, a missing START-OF-LOG and text after END-OF-LOG are
// reported in `warnings`. `ownCall` is the CALLSIGN value, "" when there is none.
LogReadResult ReadCabrillo(std::string_view text);

}  // namespace zarl_score
