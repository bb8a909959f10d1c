#pragma once
// printf-style text building: the plug-in's output texts are defined by printf formats.
#include <string>

namespace rules {

// Appends the printf-formatted text to `out` and returns `out`.
std::string& AppendFormat(std::string& out, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

}  // namespace rules
