// Small conversions of the scoring tool: code page 1251 to UTF-8 (held against the C
// library's own converter), bands and frequencies, dates, the command line and the
// Cabrillo header answers.
#include <iconv.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tools/zarl_score/band_map.h"
#include "tools/zarl_score/cp1251_utf8.h"
#include "tools/zarl_score/header_options.h"
#include "tools/zarl_score/mode_map.h"
#include "tools/zarl_score/options.h"
#include "tools/zarl_score/qso_fields.h"

namespace {

std::string IconvToUtf8(const std::string& cp1251) {
  iconv_t cd = iconv_open("UTF-8", "CP1251");
  if (cd == reinterpret_cast<iconv_t>(-1)) return "<no converter>";
  std::string in = cp1251, out(16, '\0');
  char* src = in.data();
  char* dst = out.data();
  size_t srcLeft = in.size(), dstLeft = out.size();
  const size_t done = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  if (done == static_cast<size_t>(-1)) return "<not converted>";
  out.resize(out.size() - dstLeft);
  return out;
}

TEST(Cp1251ToUtf8, AgreesWithTheCLibraryOnEveryByte) {
  for (int b = 0x01; b <= 0xFF; ++b) {
    if (b == 0x98) continue;  // undefined in the code page
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(zarl_score::Cp1251ToUtf8(byte), IconvToUtf8(byte)) << "byte 0x" << std::hex << b;
  }
  EXPECT_EQ(zarl_score::Cp1251ToUtf8("\x98"), "\xEF\xBF\xBD");
  // The result header's word, as the plug-in writes it.
  EXPECT_EQ(zarl_score::Cp1251ToUtf8("\t\xD3\xF7\xE0\xF1\xF2\xED\xE8\xEA: UA3AAA\r\n"),
            "\tУчастник: UA3AAA\r\n");
}

TEST(BandMap, NamesTheBandOfAFrequencyAndTheEdgeOfABand) {
  const struct {
    uint64_t hz;
    const char* band;
  } cases[] = {
      {1'799'999, ""},       {1'800'000, "160m"}, {2'000'000, "160m"}, {3'999'999, "80m"},
      {7'300'000, "40m"},    {7'300'001, ""},     {10'120'000, "30m"}, {18'100'000, "17m"},
      {24'900'000, "12m"},   {29'700'000, "10m"}, {50'100'000, "6m"},  {144'300'000, "2m"},
      {432'000'000, "70cm"}, {5'000'000, ""},     {0, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(zarl_score::BandOfFrequency(c.hz), c.band) << c.hz;
  EXPECT_EQ(zarl_score::NormalizeBandName(" 40M"), "40m");
  EXPECT_EQ(zarl_score::NormalizeBandName("70CM"), "70cm");
  EXPECT_EQ(zarl_score::NormalizeBandName("11m"), "");
  EXPECT_EQ(zarl_score::BandLowerEdgeHz("20m"), 14'000'000u);
  EXPECT_EQ(zarl_score::BandLowerEdgeHz("11m"), 0u);
  EXPECT_EQ(zarl_score::CabrilloDesignatorHz("144"), 144'000'000u);
  EXPECT_EQ(zarl_score::CabrilloDesignatorHz("7012"), 0u);
}

TEST(QsoFields, ReadsFrequenciesDatesAndTimesOrRefusesThem) {
  using zarl_score::ParseFrequencyHz;
  EXPECT_EQ(ParseFrequencyHz("14.025", 6), 14'025'000u);
  EXPECT_EQ(ParseFrequencyHz("7", 6), 7'000'000u);
  EXPECT_EQ(ParseFrequencyHz(".5", 6), 500'000u);
  EXPECT_EQ(ParseFrequencyHz("7012.5", 3), 7'012'500u);
  EXPECT_EQ(ParseFrequencyHz("4294.967295", 6), 4'294'967'295u);
  for (const char* bad : {"", ".", "4294.967296", "-7", "7.0.1", "7e3", "0", "99999999999999999999"}) {
    EXPECT_FALSE(ParseFrequencyHz(bad, 6)) << bad;
  }
  EXPECT_TRUE(zarl_score::ParseDate("20240229", '\0'));
  EXPECT_FALSE(zarl_score::ParseDate("20230229", '\0'));
  EXPECT_FALSE(zarl_score::ParseDate("21000229", '\0'));
  EXPECT_TRUE(zarl_score::ParseDate("20000229", '\0'));
  EXPECT_FALSE(zarl_score::ParseDate("2024-13-01", '-'));
  EXPECT_FALSE(zarl_score::ParseDate("2024-1-011", '-'));
  EXPECT_TRUE(zarl_score::ParseTimeOfDay("235959", true));
  EXPECT_FALSE(zarl_score::ParseTimeOfDay("235959", false));
  EXPECT_FALSE(zarl_score::ParseTimeOfDay("1260", true));
  EXPECT_EQ(zarl_score::PluginModeFromAdif("usb"), "SSB");
  EXPECT_EQ(zarl_score::PluginModeFromAdif("Ft8"), "FT8");
  EXPECT_EQ(zarl_score::PluginModeFromCabrillo("PH"), "SSB");
  EXPECT_EQ(zarl_score::PluginModeFromCabrillo("FM"), "FM");
}

TEST(CommandLine, TakesEveryOptionAndRefusesWhatItCannotUse) {
  const zarl_score::CommandLine ok = zarl_score::ParseCommandLine(
      {"--out=o", "log.adi", "--call", "ua3aaa", "--zone", "3", "--mode", "cw", "--points", "p.txt",
       "--ini", "z.ini", "--cty", "c.dat", "--format", "cabrillo", "--address", "Line 1",
       "--address=Line 2", "--name", "A", "--name", "B"});
  ASSERT_TRUE(ok.options) << ok.error;
  const zarl_score::ScoreOptions& o = *ok.options;
  EXPECT_EQ(o.logFile, "log.adi");
  EXPECT_EQ(o.outDir, "o");
  EXPECT_EQ(o.ownCall, "UA3AAA");
  EXPECT_EQ(o.zone, 3);
  EXPECT_EQ(o.mode, 1);
  EXPECT_EQ(o.pointsFile, "p.txt");
  EXPECT_EQ(o.iniFile, "z.ini");
  EXPECT_EQ(o.ctyFile, "c.dat");
  EXPECT_EQ(o.format, zarl_score::LogFormat::kCabrillo);

  CabrilloHeaderFields fields;
  fields.m_Address = "stored address";
  fields.m_Club = "stored club";
  zarl_score::ApplyHeaderAnswers(o.header, fields);
  EXPECT_EQ(fields.m_Address, "Line 1\r\nLine 2");
  EXPECT_EQ(fields.m_Name, "B");
  EXPECT_EQ(fields.m_Club, "stored club");

  const struct {
    std::vector<std::string> args;
    const char* error;
  } bad[] = {
      {{}, "no log file given"},
      {{"a.adi", "b.adi"}, "give one log file, not 2"},
      {{"a.adi", "--zone", "8"}, "--zone takes a zone 1 to 7"},
      {{"a.adi", "--mode", "RTTY"}, "--mode takes CW or SSB"},
      {{"a.adi", "--format", "csv"}, "--format takes adif or cabrillo"},
      {{"a.adi", "--colour"}, "unknown option --colour"},
      {{"a.adi", "-x"}, "unknown option -x"},
      {{"a.adi", "--out"}, "--out needs a value"},
      {{"a.adi", "--call", " "}, "--call needs a callsign"},
  };
  for (const auto& c : bad) {
    const zarl_score::CommandLine r = zarl_score::ParseCommandLine(c.args);
    EXPECT_FALSE(r.options);
    EXPECT_EQ(r.error, c.error);
  }
  EXPECT_TRUE(zarl_score::ParseCommandLine({"log.adi", "--help"}).help);
}

}  // namespace
