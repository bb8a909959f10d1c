// The log readers of the scoring tool: what each field becomes in the plug-in's terms, and
// that every unreadable record is reported with its line and the reason, never dropped.
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tools/zarl_score/adif_reader.h"
#include "tools/zarl_score/cabrillo_reader.h"

namespace {

using zarl_score::LogProblem;
using zarl_score::LogQso;
using zarl_score::LogReadResult;

// The fields a case checks, in the plug-in's terms.
struct Expected {
  std::string call, band;
  unsigned freqHz;
  std::string mode, rstSent, rstRcvd, serialSent, exchRcvd;
  std::optional<int> dxcc;
};

void ExpectQso(const LogQso& q, const Expected& e) {
  EXPECT_EQ(q.call, e.call);
  EXPECT_EQ(q.band, e.band);
  EXPECT_EQ(q.freqHz, e.freqHz);
  EXPECT_EQ(q.mode, e.mode);
  EXPECT_EQ(q.rstSent, e.rstSent);
  EXPECT_EQ(q.rstRcvd, e.rstRcvd);
  EXPECT_EQ(q.serialSent, e.serialSent);
  EXPECT_EQ(q.exchRcvd, e.exchRcvd);
  EXPECT_EQ(q.dxcc, e.dxcc);
}

std::string Problems(const std::vector<LogProblem>& problems) {
  std::string s;
  for (const LogProblem& p : problems) s += std::to_string(p.line) + ": " + p.message + "\n";
  return s;
}

const std::string kDate = "<QSO_DATE:8>20260207 <TIME_ON:4>1200 ";

TEST(AdifReader, TurnsEachFieldIntoWhatThePluginTakes) {
  const struct {
    const char* name;
    std::string record;
    Expected expected;
  } cases[] = {
      {"sent exchange loses the own zone digit, received keeps its zone",
       "<CALL:6>ra3daa <BAND:3>40m <FREQ:6>7.0125 <MODE:2>CW <RST_SENT:3>599 <RST_RCVD:3>579 "
       "<STX_STRING:4>2015 <SRX_STRING:4>3042 <DXCC:2>54",
       {"RA3DAA", "40m", 7012500, "CW", "599", "579", "015", "3042", 54}},
      {"serial number alone is padded to three digits",
       "<CALL:5>UA1AA <BAND:3>20M <MODE:2>CW <STX:1>7 <SRX:4>1002",
       {"UA1AA", "20m", 14000000, "CW", "599", "599", "007", "1002", std::nullopt}},
      {"STX_STRING wins over STX; a four-digit serial stays whole",
       "<CALL:5>UA1AA <BAND:3>20m <MODE:2>CW <STX:4>1234 <STX_STRING:5>21234 <SRX_STRING:4>1002",
       {"UA1AA", "20m", 14000000, "CW", "599", "599", "1234", "1002", std::nullopt}},
      {"SSB submode USB is SSB, with phone reports",
       "<CALL:5>UA1AA <FREQ:6>14.250 <MODE:3>SSB <SUBMODE:3>USB <STX:2>12 <SRX_STRING:4>1002",
       {"UA1AA", "20m", 14250000, "SSB", "59", "59", "012", "1002", std::nullopt}},
      {"the old mode LSB is SSB",
       "<CALL:5>UA1AA <BAND:3>80m <FREQ:4>3.70 <MODE:3>lsb <STX:1>1 <SRX_STRING:4>1002",
       {"UA1AA", "80m", 3700000, "SSB", "59", "59", "001", "1002", std::nullopt}},
      {"another mode keeps its name, so the plug-in refuses it by name",
       "<CALL:5>UA1AA <BAND:3>20m <MODE:4>rtty <STX:1>1 <SRX_STRING:4>1002",
       {"UA1AA", "20m", 14000000, "RTTY", "599", "599", "001", "1002", std::nullopt}},
      {"frequency digits below 1 Hz are cut, not rounded",
       "<CALL:5>UA1AA <FREQ:9>1.8309999 <MODE:2>CW <STX:1>1 <SRX_STRING:4>1002",
       {"UA1AA", "160m", 1830999, "CW", "599", "599", "001", "1002", std::nullopt}},
      {"field names in any case, type indicators and padded values",
       "<call:7:s> UA1AA  <band:4:E> 15m <mode:2:S>cw <stx_string:6:S> 2001  <srx:1:N>9 <dxcc:4:N> 126",
       {"UA1AA", "15m", 21000000, "CW", "599", "599", "001", "9", 126}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const LogReadResult r = zarl_score::ReadAdif(kDate + c.record + " <EOR>\n");
    ASSERT_EQ(r.qsos.size(), 1u) << Problems(r.malformed);
    EXPECT_TRUE(r.warnings.empty()) << Problems(r.warnings);
    ExpectQso(r.qsos[0], c.expected);
  }
}

TEST(AdifReader, ReadsTimeOwnCallAndLineOfEveryRecordWithOrWithoutHeader) {
  const std::string record1 =
      "<CALL:5>UA1AA <QSO_DATE:8>20240229 <TIME_ON:6>235959 <BAND:3>40m <MODE:2>CW "
      "<OPERATOR:6>ua3aaa <EOR>\n";
  const std::string record2 =
      "<CALL:5>UA1AB\n<QSO_DATE:8>20240301\n<TIME_ON:4>0001 <BAND:3>40m <MODE:2>CW "
      "<STATION_CALLSIGN:6>RA3AAA <OPERATOR:6>UA3AAA <EOR>\n";
  const struct {
    const char* name;
    std::string text;
    int firstLine;
  } cases[] = {
      {"free-text header", "Log of UA3AAA\n<ADIF_VER:5>3.1.4\n<EOH>\n" + record1 + record2, 4},
      {"no header", record1 + record2, 1},
      {"header made of fields only", "<ADIF_VER:5>3.1.4 <EOH>\n" + record1 + record2, 2},
      {"byte order mark and blank lines", "\xEF\xBB\xBF\n\n" + record1 + record2, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const LogReadResult r = zarl_score::ReadAdif(c.text);
    ASSERT_EQ(r.qsos.size(), 2u) << Problems(r.malformed) << Problems(r.warnings);
    EXPECT_TRUE(r.warnings.empty()) << Problems(r.warnings);
    EXPECT_EQ(r.recordsRead, 2);
    const LogQso& a = r.qsos[0];
    EXPECT_EQ(a.line, c.firstLine);
    EXPECT_EQ((std::vector<int>{a.year, a.month, a.day, a.hour, a.minute, a.second}),
              (std::vector<int>{2024, 2, 29, 23, 59, 59}));
    EXPECT_EQ(a.ownCall, "UA3AAA");
    EXPECT_EQ(r.qsos[1].line, c.firstLine + 1);
    EXPECT_EQ(r.qsos[1].ownCall, "RA3AAA");  // the station, not the operator
  }
}

TEST(AdifReader, ReportsEveryUnreadableRecordWithItsLineAndReadsOn) {
  const std::string good = "<CALL:5>UA1AA " + kDate + "<BAND:3>40m <MODE:2>CW <EOR>\n";
  const struct {
    const char* name;
    std::string bad;  // on line 2, between two good records
    std::string message;
  } cases[] = {
      {"no such day", "<CALL:5>UA1AA <QSO_DATE:8>20260229 <TIME_ON:4>1200 <BAND:3>40m <MODE:2>CW <EOR>",
       "QSO_DATE \"20260229\" is not a date YYYYMMDD"},
      {"no such time", "<CALL:5>UA1AA <QSO_DATE:8>20260207 <TIME_ON:4>2460 <BAND:3>40m <MODE:2>CW <EOR>",
       "TIME_ON \"2460\" is not a time HHMM or HHMMSS"},
      {"not a callsign", "<CALL:5>UA1\xC0\xC1 " + kDate + "<BAND:3>40m <MODE:2>CW <EOR>",
       "CALL \"UA1\\xC0\\xC1\" is not a callsign"},
      {"not a band", "<CALL:5>UA1AA " + kDate + "<BAND:3>11m <MODE:2>CW <EOR>", "BAND \"11m\" is not an amateur band"},
      {"not a frequency", "<CALL:5>UA1AA " + kDate + "<FREQ:4>7,01 <MODE:2>CW <EOR>",
       "FREQ \"7,01\" is not a frequency in MHz"},
      {"frequency off the bands", "<CALL:5>UA1AA " + kDate + "<FREQ:3>5.0 <MODE:2>CW <EOR>",
       "FREQ 5.0 MHz lies on no amateur band"},
      {"no band and no frequency", "<CALL:5>UA1AA " + kDate + "<MODE:2>CW <EOR>", "no BAND or FREQ"},
      {"field without a length", "<CALL:5>UA1AA <BAND> " + kDate + "<MODE:2>CW <EOR>", "field <BAND> has no length"},
      {"length that is no number", "<CALL:x>UA1AA " + kDate + "<BAND:3>40m <MODE:2>CW <EOR>",
       "field CALL has no valid length: \"<CALL:x>\""},
      {"tag without its '>'", "<CALL:5 UA1AA " + kDate + "<BAND:3>40m <MODE:2>CW <EOR>",
       "tag \"<CALL:5 UA1AA \" has no closing '>'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const LogReadResult r = zarl_score::ReadAdif(good + c.bad + "\n" + good);
    EXPECT_EQ(Problems(r.malformed), "2: " + c.message + "\n");
    ASSERT_EQ(r.qsos.size(), 2u);
    EXPECT_EQ(r.qsos[1].line, 3);
    EXPECT_EQ(r.recordsRead, 3);
  }
}

TEST(AdifReader, WarnsAboutWhatItScoresAnywayOrIgnores) {
  const struct {
    const char* name;
    std::string text;
    int qsos;
    std::string warnings;
  } cases[] = {
      {"frequency off the given band: the band counts",
       "<CALL:5>UA1AA " + kDate + "<BAND:3>20m <FREQ:5>7.012 <MODE:2>CW <EOR>", 1,
       "1: FREQ 7.012 MHz is not on BAND 20m; the QSO counts on 20m\n"},
      {"DXCC that is no number is not used",
       "<CALL:5>UA1AA " + kDate + "<BAND:3>20m <MODE:2>CW <DXCC:2>UA <EOR>", 1,
       "1: DXCC \"UA\" is not an entity number; it is not used\n"},
      {"header without <EOH>", "Log\n<CALL:5>UA1AA " + kDate + "<BAND:3>20m <MODE:2>CW <EOR>", 1,
       "1: the header has no <EOH>; its fields are read as part of the first record\n"},
      {"stray <EOR> and <EOH>", "<EOR>\n<CALL:5>UA1AA " + kDate + "<BAND:3>20m <MODE:2>CW <EOR>\n<EOH>", 1,
       "1: <EOR> without any field ignored\n3: <EOH> after the first record ignored\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const LogReadResult r = zarl_score::ReadAdif(c.text);
    EXPECT_EQ(static_cast<int>(r.qsos.size()), c.qsos) << Problems(r.malformed);
    EXPECT_EQ(Problems(r.warnings), c.warnings);
  }
}

TEST(AdifReader, EmptyTextHoldsNoRecordAndNoProblem) {
  for (const char* text : {"", "\n\n", "<EOH>\n"}) {
    const LogReadResult r = zarl_score::ReadAdif(text);
    EXPECT_EQ(r.recordsRead, 0);
    EXPECT_TRUE(r.qsos.empty() && r.malformed.empty() && r.warnings.empty()) << text;
  }
}

TEST(CabrilloReader, ReadsQsoLinesAsThePluginWritesThem) {
  const LogReadResult r = zarl_score::ReadCabrillo(
      "START-OF-LOG: 3.0\r\n"
      "CALLSIGN: ua3aaa \r\n"
      "QSO:  1830 CW 2026-02-07 1203 UA3AAA        599 2001   RA3DAA        599 2001\r\n"
      "QSO: 14250 PH 2026-02-07 1204 UA3AAA        59  2002   DL1ABC        57  5002\r\n"
      "QSO:    50 PH 2026-02-07 1205 UA3AAA        59  2003   UA6AA         59  2003   1\r\n"
      "QSO: 21025 RY 2026-02-07 1206 UA3AAA        599 2004   UA9AA         599 3004\n"
      "END-OF-LOG:\r\n");
  EXPECT_EQ(r.ownCall, "UA3AAA");
  EXPECT_TRUE(r.warnings.empty()) << Problems(r.warnings);
  ASSERT_EQ(r.qsos.size(), 4u) << Problems(r.malformed);
  ExpectQso(r.qsos[0], {"RA3DAA", "160m", 1830000, "CW", "599", "599", "001", "2001", std::nullopt});
  ExpectQso(r.qsos[1], {"DL1ABC", "20m", 14250000, "SSB", "59", "57", "002", "5002", std::nullopt});
  ExpectQso(r.qsos[2], {"UA6AA", "6m", 50000000, "SSB", "59", "59", "003", "2003", std::nullopt});
  ExpectQso(r.qsos[3], {"UA9AA", "15m", 21025000, "RY", "599", "599", "004", "3004", std::nullopt});
  const LogQso& q = r.qsos[0];
  EXPECT_EQ((std::vector<int>{q.line, q.year, q.month, q.day, q.hour, q.minute}),
            (std::vector<int>{3, 2026, 2, 7, 12, 3}));
  EXPECT_EQ(q.ownCall, "UA3AAA");
}

TEST(CabrilloReader, ReportsBadQsoLinesAndStrayLinesWithTheirNumbers) {
  const LogReadResult r = zarl_score::ReadCabrillo(
      "CALLSIGN: UA3AAA\n"
      "QSO: 7012 CW 2026-02-07 1203 UA3AAA 599 2001 RA3DAA 599\n"
      "QSO: 7012 CW 2026-02-07 1203 UA3AAA 599 2001 RA3DAA 599 2001 7 8\n"
      "QSO: 5000 CW 2026-02-07 1203 UA3AAA 599 2001 RA3DAA 599 2001\n"
      "QSO: 7012 CW 07-02-2026 1203 UA3AAA 599 2001 RA3DAA 599 2001\n"
      "QSO: 7012 CW 2026-02-07 12:03 UA3AAA 599 2001 RA3DAA 599 2001\n"
      "QSO: 7012 CW 2026-02-07 1203 UA3AAA 599 2001 RA3-DAA 599 2001\n"
      "X-QSO: 7012 CW 2026-02-07 1203 UA3AAA 599 2001 RA3DAA 599 2001\n"
      "just text\n"
      "QSO: 7012 CW 2026-02-07 1203 UA3AAA 599 2001 RA3DAA 599 2001\n"
      "END-OF-LOG:\n"
      "QSO: 7012 CW 2026-02-07 1204 UA3AAA 599 2002 RA3DAB 599 2002\n");
  EXPECT_EQ(Problems(r.malformed),
            "2: a QSO line needs 10 fields after QSO:, this one has 9\n"
            "3: a QSO line needs 10 fields after QSO:, this one has 12\n"
            "4: frequency \"5000\" is not a frequency in kHz on an amateur band\n"
            "5: date \"07-02-2026\" is not a date YYYY-MM-DD\n"
            "6: time \"12:03\" is not a time HHMM\n"
            "7: worked call \"RA3-DAA\" is not a callsign\n");
  EXPECT_EQ(Problems(r.warnings),
            "1: the file does not begin with START-OF-LOG:\n"
            "8: X-QSO line: not scored\n"
            "9: not a Cabrillo line, ignored: \"just text\"\n"
            "12: text after END-OF-LOG: ignored\n");
  ASSERT_EQ(r.qsos.size(), 1u);
  EXPECT_EQ(r.qsos[0].line, 10);
  EXPECT_EQ(r.recordsRead, 7);
}

}  // namespace
