#pragma once
// The error log "err.txt" in the current directory: every refused QSO and every dupe, one
// line each, after a title line written when the contest is reset. Lines end in CR LF.
// A log that cannot be opened or written loses its lines without notice.
#include <string>
#include <string_view>

#include "plugin/qso_input.h"

// Empties the log and writes its title line.
void StartErrorLog();

// One log line for `qso` ending with `message`: "QSO:  ", then the frequency in kHz, mode,
// date-time ("%Y-%m-%d %H%M"), own call, RST sent, serial sent, worked call, RST received and
// exchange received, two blanks apart, then the message and CR LF.
std::string ErrorLogLine(const QsoInput& qso, std::string_view message);

// Appends `lines` (complete lines) to the log; nothing happens for an empty text.
void AppendToErrorLog(const std::string& lines);
