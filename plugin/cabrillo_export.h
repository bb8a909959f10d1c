#pragma once
// The two Cabrillo steps of an export pass, between the contest state and the log writer.
#include <string>

#include "rules/ole_date_time.h"

// At the start of an export pass (ResetStats0): the operator reviews the header.
void RunCabrilloHeaderStep(const std::string& ownCall, const OleDateTime& contestTime,
                           const OleDateTime& contestTime2, int mode);

// At the end of an export pass (GetResult0, after the score): writes every QSO of the list,
// dupes included, into the Cabrillo file, tells the operator the outcome and stores -1 in
// `*exportDone` so the host ends its pass. When the header was cancelled no file is written
// and nothing is shown; -1 is stored all the same. A null `exportDone` is left alone.
void RunCabrilloExportStep(int* exportDone);
