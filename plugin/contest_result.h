#pragma once
// GetResult0: the score text, rebuilt from the whole QSO list on every call.

// Sorts g_BandList into result order, builds g_ResultText, rebuilds the oblast, zone and
// country (DXCC) lists of every contest band that has a row from its counted QSOs, sets
// g_ClaimedScore and saves it under "Claimed" when it differs from the value last saved in
// this evaluation. In an export pass the Cabrillo step runs last and stores -1 in
// `*exportDone`; otherwise `exportDone` is not touched. Returns g_ResultText's buffer,
// valid until the next call.
const char* ProduceResult(int* exportDone);
