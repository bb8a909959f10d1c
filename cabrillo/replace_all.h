#pragma once
#include <string>

// Replaces every non-overlapping occurrence of `search` in `text` by `replacement`, left to
// right; replaced text is never searched again. `search` must not be empty (an empty one
// returns `text` unchanged).
std::string ReplaceAll(const std::string& text, const std::string& search,
                       const std::string& replacement);
