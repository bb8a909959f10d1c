#pragma once
// The plug-in's texts are code page 1251 bytes (its result header has a Cyrillic word);
// a terminal outside Windows expects UTF-8.
#include <string>
#include <string_view>

namespace zarl_score {

// Converts code page 1251 text to UTF-8. ASCII stays as it is; the one byte the code page
// leaves undefined (0x98) becomes U+FFFD.
std::string Cp1251ToUtf8(std::string_view text);

}  // namespace zarl_score
