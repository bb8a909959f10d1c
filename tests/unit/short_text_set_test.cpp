// The seen-value set of the result's multipliers: packed short texts, growth, long texts.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "rules/short_text_set.h"

namespace {

TEST(ShortTextSet, InsertsEachTextOnceWhateverItsLength) {
  // Texts that packing must keep apart: a prefix, a trailing NUL, the empty text, the 7/8
  // byte boundary, bytes above 0x7F.
  std::vector<std::string> texts = {"",        "A",        std::string("A\0", 2), "AB",
                                    "ABCDEFG", "ABCDEFGH", "ABCDEFGHI",           "\xD3\xF7",
                                    "0",       "00"};
  for (int i = 0; i < 300; ++i) texts.push_back(std::to_string(i * 7919));  // forces growth
  rules::ShortTextSet set;
  std::set<std::string> reference;
  for (int round = 0; round < 2; ++round) {
    for (const std::string& t : texts) {
      EXPECT_EQ(set.Insert(t), reference.insert(t).second) << '"' << t << '"' << " round " << round;
    }
  }
}

}  // namespace
