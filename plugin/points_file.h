#pragma once
// The points file ".\Plugins\Points_ZARL.txt" that the operator installs beside the plug-in.
#include <cstdint>
#include <optional>

#include "rules/points_table.h"

// The message shown when the points file cannot be opened.
inline constexpr char kPointsFileMissingMessage[] =
    "File Points_ZARL.txt not found. Dll incorrect worked ! Pse download Points_ZARL.txt "
    "copy in qarn\\plugins and restart Qarn !";

// Opens ".\Plugins\Points_ZARL.txt" against the current directory, reads it and returns the
// row for `ownZone` (line `ownZone`; all zeros for a zone of 0 or less or past the last line).
// When the file cannot be opened or read, shows kPointsFileMissingMessage in a message box
// (no owner, default caption, OK), which blocks until closed, and returns std::nullopt; the
// caller then keeps its previous row.
std::optional<rules::ZonePointsRow> LoadPointsRow(int32_t ownZone);
