#pragma once
// Line numbers of positions in a text, for positions met in increasing order: the count
// moves on from the last position asked for, so a whole file costs one pass.
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace zarl_score {

class LineCounter {
 public:
  explicit LineCounter(std::string_view text) : m_Text(text) {}

  // 1-based line of `pos`; a position before the last one asked for gives that one's line.
  int LineAt(std::size_t pos) {
    pos = std::min(pos, m_Text.size());
    // Jumping from line end to line end is far quicker than looking at every byte.
    while (m_Counted < pos) {
      const void* nl = std::memchr(m_Text.data() + m_Counted, '\n', pos - m_Counted);
      if (nl == nullptr) {
        m_Counted = pos;
        break;
      }
      ++m_Line;
      m_Counted = static_cast<std::size_t>(static_cast<const char*>(nl) - m_Text.data()) + 1;
    }
    return m_Line;
  }

 private:
  std::string_view m_Text;
  std::size_t m_Counted = 0;
  int m_Line = 1;
};

}  // namespace zarl_score
