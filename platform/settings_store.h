#pragma once
// Private-profile (ini) files, read and written with the semantics of the Windows profile API.
#include <cstddef>
#include <string>

namespace platform {

// Returns the value of `key` in `section` of the profile file `file`, or `fallback` when the
// file, the section or the key is missing. At most `bufferSize` - 1 characters come back, as from a
// buffer of `bufferSize` bytes; bufferSize 0 means "the whole value". `file` is a relative
// Windows-style name such as "Plugins\\ZARL.ini", resolved against the current directory.
std::string ReadProfileValue(const std::string& section, const std::string& key,
                             const std::string& file, std::size_t bufferSize,
                             const std::string& fallback = {});

// Sets `key` in `section` of `file` to `value`, creating the file and the section when they
// do not exist. Returns false when the file cannot be written.
bool WriteProfileValue(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& file);

}  // namespace platform
