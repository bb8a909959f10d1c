#pragma once
// Quotes a piece of a log file for a message: at most `limit` characters, bytes that do not
// print as \xNN, so garbage in a file cannot garble the terminal.
#include <cstddef>
#include <string>
#include <string_view>

namespace zarl_score {

std::string QuoteForMessage(std::string_view text, std::size_t limit = 24);

}  // namespace zarl_score
