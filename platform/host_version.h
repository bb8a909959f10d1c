#pragma once
// The version of the logging program the plug-in runs in, for the log's CREATED-BY line.
#include <optional>
#include <string>

namespace platform {

// Looks through the "*.exe" files of the current folder, in the order the file system lists
// them, for the first whose name contains "Qarn", and returns its version as "major.minor"
// for a major version 2, else "major.minor.build". nullopt when no such program is found or
// its version resource cannot be read.
std::optional<std::string> HostVersionText();

}  // namespace platform
