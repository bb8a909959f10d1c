#pragma once
// Reads an ADIF 3 log in its tagged-text form (".adi"): an optional header up to <EOH>,
// then records of <NAME:LENGTH[:TYPE]>DATA fields, each ended by <EOR>.
#include <string_view>

#include "tools/zarl_score/log_qso.h"

namespace zarl_score {

// Fields used: CALL, QSO_DATE, TIME_ON, BAND and/or FREQ (MHz), MODE (SSB, USB and LSB all
// count as SSB), RST_SENT, RST_RCVD, STX_STRING or STX, SRX_STRING or SRX, DXCC,
// STATION_CALLSIGN or OPERATOR; field names in any letter case, other fields ignored.
//
// Exchanges: SRX_STRING (else SRX) is the received exchange as the plug-in takes it, zone
// digit first. STX_STRING is the sent exchange, own zone digit first: that digit is dropped,
// because the plug-in puts the own zone in front of the serial itself; without STX_STRING
// the serial number STX is used, padded to three digits. A missing RST is 59 in phone modes, else 599.
// A record with a band but no frequency is placed at the band's lower edge.
//
// Never fails: a record that cannot be read (a field cut off by the end of the file, a
// length that does not fit the data, no CALL, QSO_DATE, TIME_ON, MODE or band, values that
// are not what the field holds) goes to `malformed` with its line and the reason, and the
// reader goes on with the next record. Text outside records is reported in `warnings`.
LogReadResult ReadAdif(std::string_view text);

}  // namespace zarl_score
