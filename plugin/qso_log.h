#pragma once
// The QSO list as the host changes and queries it: AddData0, RemoveData0 and CheckCall0.
// Each takes g_StateLock for the state it touches and writes err.txt after letting go.
#include "plugin/qso_input.h"

// AddData0. Refuses a QSO on "30m", "17m" or "12m", in a mode other than "CW" and "SSB", or
// with an empty exchange received or serial sent (checked in that order): writes one error-log
// line with the reason and returns 0. Otherwise records it at the end of g_QsoList, its band
// in g_BandList when new, marked as dupe with one error-log line per earlier QSO of the same
// call, band and mode; returns 1.
int AddQso(const QsoInput& qso);

// RemoveData0. Returns 0 and changes nothing when the serial sent or the exchange received
// is empty. Otherwise removes the first QSO of the same call, mode and band at the same
// instant (a time that is not a valid date matches nothing, two null times match), and for a
// Russian station drops its oblast and zone once from that band's lists; returns 1 whether a
// QSO matched or not. Dupe marks of the other QSOs stay as they are.
int RemoveQso(const QsoInput& qso);

// Hours of day within which a call logged on a band counts as worked for CheckCall0.
inline constexpr int kDupeWindowHours = 5;

// CheckCall0, after the oblast window's refresh: 4 when both bands are given and differ
// ignoring letter case; 0 when the call was logged on the band at an hour of day less than
// kDupeWindowHours from the current UTC hour (dates not compared); for a Russian station 3
// when its oblast is not yet in the log, else 1; for any other station 2 when its zone is
// not yet in the log, else 1.
int CheckTypedCall(const TypedCallInput& typed);
