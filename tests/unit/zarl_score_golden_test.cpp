// The scoring tool end to end, through the plug-in's exports: golden logs compared byte for
// byte with hand-worked result text, err.txt and .cbr; the exported .cbr scored again; and
// broken input files, which must give clear messages and never crash.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "plugin/module_state.h"
#include "tests/unit/test_support.h"
#include "tools/zarl_score/example_log.h"
#include "tools/zarl_score/options.h"
#include "tools/zarl_score/score_run.h"

namespace fs = std::filesystem;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

namespace {

const fs::path kGolden = fs::path(__FILE__).parent_path().parent_path() / "golden" / "zarl_score";

struct ToolRun {
  int status = -1;
  std::string out, err;
};

// One run of the tool in the current directory, as if started there from a shell.
ToolRun Score(std::vector<std::string> args) {
  ResetModuleStateToLoaded();  // a fresh process each time
  const zarl_score::CommandLine command = zarl_score::ParseCommandLine(args);
  EXPECT_TRUE(command.options) << command.error;
  ToolRun run;
  if (!command.options) return run;
  std::ostringstream out, err;
  run.status = zarl_score::RunScoring(*command.options, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

std::vector<std::string> ArgsFile(const fs::path& file) {
  std::vector<std::string> args;
  std::istringstream lines(ReadFileBytes(file));
  for (std::string line; std::getline(lines, line);) args.push_back(line);
  return args;
}

// Each case folder: the log, the arguments after it (one a line), and what the run must
// leave: stdout.txt (UTF-8), stderr.txt, exit_status, err.txt and the .cbr.
struct GoldenCase {
  const char* folder;
  const char* log;
  const char* cbr;
};
void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.folder; }

constexpr GoldenCase kCases[] = {
    // DXCC numbers and the built-in rule; band from FREQ and FREQ from BAND; a dupe, the
    // three refusals, SSB submode, a stroke call, a field of the wrong length.
    {"adif_small", "log.adi", "UA3AAA.cbr"},
    // CTY file (Franz Josef Land is not Russia though its call looks Russian), PH, the 6 m
    // designator, X-QSO, a transmitter number, a short line and an impossible date.
    {"cabrillo_small", "log.cbr", "R9UAB.cbr"},
};

class ZarlScoreGolden : public ::testing::TestWithParam<GoldenCase> {
 protected:
  void SetUp() override {
    for (const char* shared : {"Points_ZARL.txt", "cty_fixture.dat"}) {
      fs::copy_file(kGolden / shared, cwd_.path() / shared);
    }
  }
  testsupport::ScopedTempCwd cwd_;
};

TEST_P(ZarlScoreGolden, MatchesTheExpectedFilesByteForByte) {
  const GoldenCase& c = GetParam();
  const fs::path dir = kGolden / c.folder;
  fs::copy_file(dir / c.log, cwd_.path() / c.log);
  std::vector<std::string> args = ArgsFile(dir / "args");
  args.insert(args.begin(), c.log);

  const ToolRun run = Score(args);
  EXPECT_EQ(run.out, ReadFileBytes(dir / "stdout.txt"));
  EXPECT_EQ(run.err, ReadFileBytes(dir / "stderr.txt"));
  EXPECT_EQ(std::to_string(run.status) + "\n", ReadFileBytes(dir / "exit_status"));
  EXPECT_EQ(ReadFileBytes("out/err.txt"), ReadFileBytes(dir / "err.txt"));
  EXPECT_EQ(ReadFileBytes(fs::path("out") / c.cbr), ReadFileBytes(dir / c.cbr));
}

INSTANTIATE_TEST_SUITE_P(Logs, ZarlScoreGolden, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.folder); });

class ZarlScoreRoundTrip : public ZarlScoreGolden {
 protected:
  // Scores `log`, then the .cbr it produced, with the same options; both passes must give
  // the same result text and the same Cabrillo file.
  void ExpectSameAfterRoundTrip(const std::string& log, const std::string& cbr,
                                const std::vector<std::string>& options) {
    std::vector<std::string> first = {log, "--out", "first"};
    first.insert(first.end(), options.begin(), options.end());
    const ToolRun adif = Score(first);
    ASSERT_FALSE(adif.out.empty()) << adif.err;

    fs::copy_file(fs::path("first") / cbr, "exported.cbr");
    std::vector<std::string> second = {"exported.cbr", "--out", "second"};
    second.insert(second.end(), options.begin(), options.end());
    const ToolRun again = Score(second);
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out, adif.out);
    EXPECT_EQ(ReadFileBytes(fs::path("second") / cbr), ReadFileBytes(fs::path("first") / cbr));
  }
};

TEST_F(ZarlScoreRoundTrip, GoldenAdifLogScoresTheSameFromItsCabrilloFile) {
  fs::copy_file(kGolden / "adif_small" / "log.adi", "log.adi");
  std::vector<std::string> options = ArgsFile(kGolden / "adif_small" / "args");
  options.erase(options.begin() + 2, options.begin() + 4);  // "--out out": each pass has its own
  ExpectSameAfterRoundTrip("log.adi", "UA3AAA.cbr", options);
}

TEST_F(ZarlScoreRoundTrip, GeneratedContestLogScoresTheSameFromItsCabrilloFile) {
  WriteFileBytes("example.adi", zarl_score::MakeExampleAdif({}));
  ExpectSameAfterRoundTrip("example.adi", "RA3DXY.cbr",
                           {"--points", "Points_ZARL.txt", "--no-cty", "--name", "Test"});
}

// A broken file must give these exact message lines (among others) and this exit status.
struct BrokenCase {
  const char* name;
  const char* file;
  std::string bytes;
  int status;
  std::vector<std::string> lines;
};

void PrintTo(const BrokenCase& c, std::ostream* os) { *os << c.name; }

const std::string kGoodRecord =
    "<CALL:6>RA3DAA <QSO_DATE:8>20260207 <TIME_ON:4>1200 <BAND:3>40m <MODE:2>CW "
    "<STX:1>1 <SRX_STRING:4>2001 <STATION_CALLSIGN:6>UA3AAA <EOR>\n";

const BrokenCase kBroken[] = {
    {"TruncatedField", "log.adi", kGoodRecord + "<CALL:6>UA3", 1,
     {"log.adi:2: record left out: field CALL is cut off: its length is 6 but the file ends "
      "after 3 more characters",
      "summary: 2 records read, 1 accepted, 1 rejected (0 by the contest rules, see err.txt; "
      "1 malformed), 0 dupes"}},
    {"LengthTooLong", "log.adi",
     kGoodRecord + "<CALL:8>UA1AAA <QSO_DATE:8>20260207 <TIME_ON:4>1201 <BAND:3>40m <MODE:2>CW "
                   "<SRX_STRING:4>1002 <EOR>\n",
     1, {"log.adi:2: record left out: field CALL (length 8) runs into the next field: its length is wrong"}},
    {"LengthTooShort", "log.adi",
     kGoodRecord + "<CALL:5>UA1AAA <QSO_DATE:8>20260207 <EOR>\n", 1,
     {"log.adi:2: record left out: text \"A\" after field CALL: its length 5 is wrong"}},
    {"MissingFields", "log.adi",
     kGoodRecord + "\n<QSO_DATE:8>20260207 <TIME_ON:4>1201 <BAND:3>40m\n<SRX_STRING:4>1002 <EOR>\n", 1,
     {"log.adi:3: record left out: no CALL, MODE"}},
    {"GarbageBetweenRecords", "log.adi", kGoodRecord + std::string("\x01\xFF\x00junk", 7) + kGoodRecord, 0,
     {"log.adi:2: warning: text outside a record ignored: \"\\x01\\xFF\\x00junk\"",
      "summary: 2 records read, 2 accepted, 0 rejected (0 by the contest rules, see err.txt; "
      "0 malformed), 1 dupe"}},
    {"GarbageFile", "log.adi", std::string("\x7F" "ELF\x02\x01\x01\x00\x00\x00>\x00\x3C\xFE", 15), 2,
     {"log.adi:1: warning: no <EOH> ends the header: this does not look like an ADIF file",
      "zarl_score: error: log.adi holds no QSO record that can be scored"}},
    {"EmptyFile", "log.adi", "", 2, {"zarl_score: error: log.adi is empty"}},
    {"BlankCabrillo", "log.cbr", "\r\n  \r\n", 2, {"zarl_score: error: log.cbr is empty"}},
    {"CabrilloGarbageLines", "log.cbr",
     "START-OF-LOG: 3.0\r\nCALLSIGN: UA3AAA\r\n\x81\x82\r\n"
     "QSO: 7012 CW 2026-02-07 1200 UA3AAA 599 2001 RA3DAA 599 2001\r\nQSO: 7012 CW\r\n",
     1,
     {"log.cbr:3: warning: not a Cabrillo line, ignored: \"\\x81\\x82\"",
      "log.cbr:5: record left out: a QSO line needs 10 fields after QSO:, this one has 2"}},
};

class ZarlScoreBrokenInput : public ::testing::TestWithParam<BrokenCase> {
 protected:
  testsupport::ScopedTempCwd cwd_;
};

TEST_P(ZarlScoreBrokenInput, SaysWhatIsWrongAndWhere) {
  const BrokenCase& c = GetParam();
  fs::copy_file(kGolden / "Points_ZARL.txt", "Points_ZARL.txt");
  WriteFileBytes(c.file, c.bytes);
  const ToolRun run = Score({c.file, "--points", "Points_ZARL.txt", "--no-cty"});
  EXPECT_EQ(run.status, c.status) << run.err;
  for (const std::string& line : c.lines) {
    EXPECT_NE(run.err.find(line + "\n"), std::string::npos) << "missing: " << line << "\nin:\n" << run.err;
  }
}

INSTANTIATE_TEST_SUITE_P(Files, ZarlScoreBrokenInput, ::testing::ValuesIn(kBroken),
                         [](const auto& info) { return std::string(info.param.name); });

std::string LineStarting(const std::string& text, const std::string& start) {
  const std::size_t at = text.find(start);
  return at == std::string::npos ? std::string() : text.substr(at, text.find('\r', at) - at);
}

TEST(ZarlScoreSetup, ModeComesFromTheOptionThenTheSettingsThenTheLog) {
  testsupport::ScopedTempCwd cwd;
  fs::copy_file(kGolden / "Points_ZARL.txt", "Points_ZARL.txt");
  WriteFileBytes("log.adi", kGoodRecord);  // a CW log
  WriteFileBytes("ssb.ini", "[Settings]\r\nMode=0\r\n");
  const struct {
    std::vector<std::string> extra;
    const char* contest;
  } cases[] = {
      {{}, "CONTEST: ZARL-CW"},
      {{"--ini", "ssb.ini"}, "CONTEST: ZARL-SSB"},
      {{"--ini", "ssb.ini", "--mode", "CW"}, "CONTEST: ZARL-CW"},
      {{"--mode", "SSB"}, "CONTEST: ZARL-SSB"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"log.adi", "--points", "Points_ZARL.txt", "--no-cty", "--out", "o"};
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    fs::remove_all("o");
    const ToolRun run = Score(args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(LineStarting(ReadFileBytes("o/UA3AAA.cbr"), "CONTEST: "), c.contest) << c.extra.size();
  }
}

TEST(ZarlScoreSetup, OwnZoneOfAStrokeCallComesFromTheZoneOption) {
  testsupport::ScopedTempCwd cwd;
  fs::copy_file(kGolden / "Points_ZARL.txt", "Points_ZARL.txt");
  WriteFileBytes("log.adi", kGoodRecord);  // RA3DAA, zone 2
  const std::vector<std::string> args = {"log.adi", "--points", "Points_ZARL.txt", "--no-cty",
                                         "--call", "UA3AAA/P"};
  std::vector<std::string> withZone = args;
  withZone.insert(withZone.end(), {"--zone", "3", "--out", "z"});
  const ToolRun zoned = Score(withZone);
  EXPECT_NE(zoned.out.find("Score: 32 + (50*1 + 50*1) = 132"), std::string::npos) << zoned.out;  // row 3, zone 2
  EXPECT_EQ(LineStarting(ReadFileBytes("z/UA3AAA_P.cbr"), "QSO:"),
            "QSO:  7000 CW 2026-02-07 1200 UA3AAA/P      599 3001   RA3DAA        599 2001");

  std::vector<std::string> without = args;
  without.insert(without.end(), {"--out", "n"});
  const ToolRun unzoned = Score(without);
  EXPECT_NE(unzoned.err.find("zarl_score: warning: the own callsign does not tell the own zone and no "
                             "--zone was given; the plug-in scores with own zone 0 (no points)\n"),
            std::string::npos) << unzoned.err;
  EXPECT_NE(unzoned.out.find("Score: 0 + (50*1 + 50*1) = 100"), std::string::npos) << unzoned.out;
}

TEST(ZarlScoreSetup, RefusesToScoreWithoutWhatTheReplayNeeds) {
  testsupport::ScopedTempCwd cwd;
  WriteFileBytes("log.adi", kGoodRecord);
  const std::string exported = "START-OF-LOG: 3.0\r\nCALLSIGN: UA3AAA\r\n"
                               "QSO: 7012 CW 2026-02-07 1200 UA3AAA 599 2001 RA3DAA 599 2001\r\n";
  WriteFileBytes("UA3AAA.cbr", exported);
  const struct {
    std::vector<std::string> args;
    std::string message;
  } cases[] = {
      {{"missing.adi", "--points", "Points_ZARL.txt"}, "zarl_score: error: cannot read missing.adi"},
      {{"log.adi"}, "zarl_score: error: no points table: give --points FILE"},
      {{"log.adi", "--points", "nowhere.txt"}, "zarl_score: error: points table nowhere.txt is not a readable file"},
      {{"log.adi", "--points", "log.adi", "--cty", "nowhere.dat"}, "zarl_score: error: cannot read the CTY file nowhere.dat"},
      {{"UA3AAA.cbr", "--points", "log.adi"},
       "zarl_score: error: the Cabrillo file would overwrite the log UA3AAA.cbr; choose another --out"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[0] + " " + c.message);
    const ToolRun run = Score(c.args);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
  EXPECT_EQ(ReadFileBytes("UA3AAA.cbr"), exported);
}

}  // namespace
