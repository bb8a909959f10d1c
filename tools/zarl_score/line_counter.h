#pragma once
// Line numbers of positions in a text, for positions met in increasing order: the count
// moves on from the last position asked for, so a whole file costs one pass.
#include <algorithm>
#include <cstddef>
#include <string_view>

namespace zarl_score {

class LineCounter {
 public:
  explicit LineCounter(std::string_view text) : m_Text(text) {}

  // 1-based line of `pos`; a position before the last one asked for gives that one's line.
  int LineAt(std::size_t pos) {
    pos = std::min(pos, m_Text.size());
    if (pos > m_Counted) {
      m_Line += static_cast<int>(std::count(m_Text.begin() + static_cast<std::ptrdiff_t>(m_Counted),
                                            m_Text.begin() + static_cast<std::ptrdiff_t>(pos), '\n'));
      m_Counted = pos;
    }
    return m_Line;
  }

 private:
  std::string_view m_Text;
  std::size_t m_Counted = 0;
  int m_Line = 1;
};

}  // namespace zarl_score
