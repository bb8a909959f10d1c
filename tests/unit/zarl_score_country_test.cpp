// The country prefix the scoring tool passes for each QSO: from the log's DXCC number, the
// CTY country file, or the built-in rule for Russian callsigns. Only "UA", "UA2" and "UA9"
// make the plug-in count oblasts, so those answers are what matters.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tools/zarl_score/call_location.h"
#include "tools/zarl_score/country_source.h"
#include "tools/zarl_score/cty_file.h"
#include "tools/zarl_score/russian_call_rule.h"

namespace {

using zarl_score::CountrySource;
using zarl_score::CtyFile;
using zarl_score::LogProblem;

// A few entities in the file's own layout, with zone and position overrides, a whole-call
// entry, a WAE-only entity and two entries the reader must skip.
constexpr char kCty[] =
    "European Russia:          16:  29:  EU:   53.65:   -41.37:    -4.0:  UA:\r\n"
    "    R,U,=R9AV/6,=UA0ZZ(17)[30];\r\n"
    "Asiatic Russia:           17:  30:  AS:   55.88:   -84.08:    -7.0:  UA9:\r\n"
    "    R0(19)[33],R8,R9,RA9,UA9<55.0/-80.0>,U0;\r\n"
    "Kaliningrad:              15:  29:  EU:   54.72:   -20.52:    -3.0:  UA2:\r\n"
    "    R2F,R2K,RA2,UA2;\r\n"
    "Vienna Intl Ctr:          15:  28:  EU:   48.20:   -16.30:    -1.0:  *4U1V:\r\n"
    "    =4U1VIC,=4U2U;\r\n"
    "Ukraine:                  16:  29:  EU:   50.00:   -30.00:    -2.0:  UR:\r\n"
    "    U5,UR,UT,\r\n"
    "    U$B,;\r\n"
    "no header\r\n"
    ";\r\n"
    "Germany:                  14:  28:  EU:   51.00:   -10.00:    -1.0:  DL:\r\n"
    "    DA,DL,DK;\r\n";

class CtyFixture : public ::testing::Test {
 protected:
  std::vector<LogProblem> problems_;
  CtyFile cty_ = CtyFile::Parse(kCty, problems_);
};

TEST_F(CtyFixture, ReadsEveryEntityAndReportsWhatItSkips) {
  EXPECT_EQ(cty_.EntityCount(), 6u);
  ASSERT_EQ(problems_.size(), 2u);
  EXPECT_EQ(problems_[0].line, 11);
  EXPECT_EQ(problems_[0].message, "CTY entry \"U$B\" of UR ignored");
  EXPECT_EQ(problems_[1].line, 12);
  EXPECT_EQ(problems_[1].message,
            "not a CTY entity header, skipped to the next ';': \"no header\"");
}

TEST_F(CtyFixture, FindsTheEntityByWholeCallThenLongestPrefix) {
  const struct {
    const char* call;
    const char* prefix;  // "" : no entity
  } cases[] = {
      {"RA3DAA", "UA"},   {"RA9DAA", "UA9"},  {"R0AA", "UA9"},   {"RA2FA", "UA2"},
      {"UA9XAB", "UA9"},  {"UA0ZZ", "UA"},    // whole-call entry with overrides
      {"U0ZY", "UA9"},   {"R9AV/6", "UA"},   {"R9AV", "UA9"},  {"4U1VIC", "4U1V"},
      {"UR5ABC", "UR"},   {"U5AA", "UR"},     {"DL1ABC", "DL"},  {"DL/UA3AAA", "DL"},
      {"UA3AAA/9", "UA9"}, {"UA9AAA/P", "UA9"}, {"F5AAA", ""},   {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.call);
    const auto prefix = cty_.CountryPrefixOf(c.call);
    EXPECT_EQ(prefix ? std::string(*prefix) : std::string(), c.prefix);
  }
}

TEST(CtyFile, SurvivesTextThatIsNoCtyFile) {
  for (const char* text : {"", ";;;", "a:b:c:d:e:f:g:h:", "\x01\xFF:::::::::X,Y"}) {
    std::vector<LogProblem> problems;
    const CtyFile cty = CtyFile::Parse(text, problems);
    EXPECT_FALSE(cty.CountryPrefixOf("UA3AAA")) << text;
  }
}

TEST(CountryPartOfCall, KeepsThePartThatTellsWhereTheStationIs) {
  const struct {
    const char* call;
    const char* part;
  } cases[] = {
      {"UA3AAA", "UA3AAA"},     {"UA3AAA/P", "UA3AAA"}, {"UA3AAA/9", "UA9AAA"},
      {"UA3AAA/9/P", "UA9AAA"}, {"DL/UA3AAA", "DL"},    {"UA3AAA/DL", "DL"},
      {"R9/UA3AAA/M", "R9"},    {"/P", "/P"},           {"UA3AAA/", "UA3AAA"},
  };
  for (const auto& c : cases) EXPECT_EQ(zarl_score::CountryPartOfCall(c.call), c.part) << c.call;
}

TEST(RussianCallRule, TellsRussiasThreeEntitiesFromTheCall) {
  const struct {
    const char* call;
    const char* prefix;  // "" : not Russian
  } cases[] = {
      {"RA3DAA", "UA"},   {"R3A", "UA"},      {"UA1AAA", "UA"},  {"U1AA", "UA"},
      {"RA9DAA", "UA9"},  {"R8AA", "UA9"},    {"RK0FA", "UA9"},  {"U0AA", "UA9"},
      {"RA9XAB", "UA"},   {"R8FA", "UA"},     {"UA9GAA", "UA"},  // Komi and Perm are in Europe
      {"RA2AA", "UA2"},   {"UA2AA", "UA2"},   {"RV2FA", "UA2"},  {"R2KA", "UA2"},
      {"RV2AA", "UA"},    {"UE2AAA", "UA2"},  {"UA3AAA/9", "UA9"}, {"UA9AAA/3", "UA"},
      {"RAEM", "UA"},     {"UR5ABC", ""},     {"U5AA", ""},      {"UN7AA", ""},
      {"DL1ABC", ""},     {"DL/RA3AA", ""},   {"R", ""},         {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.call);
    const auto prefix = zarl_score::RussianCountryPrefix(c.call);
    EXPECT_EQ(prefix.value_or(""), c.prefix);
  }
  EXPECT_EQ(zarl_score::ForeignCallPrefix("DL1ABC"), "DL");
  EXPECT_EQ(zarl_score::ForeignCallPrefix("9A2AA"), "9A");
  EXPECT_EQ(zarl_score::ForeignCallPrefix("F/UA3AAA"), "F");
}

TEST_F(CtyFixture, DxccNumberComesFirstThenTheCtyFileThenTheBuiltInRule) {
  const zarl_score::CountryResolver withCty(&cty_), withoutCty(nullptr);
  const struct {
    const char* call;
    std::optional<int> dxcc;
    const zarl_score::CountryResolver* resolver;
    const char* prefix;
    CountrySource source;
  } cases[] = {
      {"RA3DAA", 15, &withCty, "UA9", CountrySource::kDxccNumber},  // the log's word wins
      {"DL1ABC", 126, &withCty, "UA2", CountrySource::kDxccNumber},
      {"RA3DAA", 54, &withoutCty, "UA", CountrySource::kDxccNumber},
      // A station the log places outside Russia never counts oblasts, whatever its call.
      {"DL1ABC", 230, &withCty, "DL", CountrySource::kDxccNumber},
      {"RA3DAA", 61, &withCty, "RA", CountrySource::kDxccNumber},
      {"UA3AAA", 230, &withoutCty, "", CountrySource::kDxccNumber},
      {"RA9XAB", std::nullopt, &withCty, "UA9", CountrySource::kCtyFile},  // the file's answer
      {"UR5ABC", std::nullopt, &withCty, "UR", CountrySource::kCtyFile},
      {"RA9XAB", std::nullopt, &withoutCty, "UA", CountrySource::kBuiltInRule},
      {"F5AAA", std::nullopt, &withCty, "F", CountrySource::kBuiltInRule},  // unknown to the file
      {"UR5ABC", std::nullopt, &withoutCty, "UR", CountrySource::kBuiltInRule},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.call);
    zarl_score::LogQso q;
    q.call = c.call;
    q.dxcc = c.dxcc;
    const zarl_score::CountryAnswer answer = c.resolver->For(q);
    EXPECT_EQ(answer.prefix, c.prefix);
    EXPECT_EQ(answer.source, c.source);
  }
}

}  // namespace
