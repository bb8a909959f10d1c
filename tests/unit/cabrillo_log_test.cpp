// The Cabrillo log: header preparation from the settings, the header prompt's OK and Cancel,
// the QSO line format and the whole file, byte for byte.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cabrillo/cabrillo_log.h"
#include "cabrillo/posix/header_prompt_script.h"
#include "cabrillo/replace_all.h"
#include "tests/unit/test_support.h"

namespace {

// Settings held in memory, recording the order of the writes.
class MemorySettings : public HeaderSettings {
 public:
  std::map<std::string, std::string> values;
  std::vector<std::string> writes;
  std::string Read(const char* key, const std::string& fallback) override {
    const auto it = values.find(key);
    return it == values.end() ? fallback : it->second;
  }
  void Write(const char* key, const std::string& value) override {
    values[key] = value;
    writes.push_back(std::string(key) + "=" + value);
  }
};

OleDateTime At(int hour, int minute) {
  return OleDateTime::FromParts(2026, 2, 7, hour, minute, 0);
}

class CabrilloLogTest : public ::testing::Test {
 protected:
  void TearDown() override { SetCabrilloHeaderPromptHandler({}); }
  CabrilloLog log_;
  MemorySettings settings_;
};

TEST(ReplaceAll, ReplacesLeftToRightWithoutRescanning) {
  const struct {
    const char *text, *search, *replacement, *expected;
  } cases[] = {
      {"a/b/c", "/", "_", "a_b_c"},   {"aaa", "aa", "b", "ba"},
      {"xx", "x", "xx", "xxxx"},      {"<CR><LF>", "<CR>", "\r\nADDRESS: ", "\r\nADDRESS: <LF>"},
      {"same", "same", "same", "same"}, {"", "x", "y", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ReplaceAll(c.text, c.search, c.replacement), c.expected);
}

TEST(CabrilloFileBase, StrokesBecomeUnderscoresAndEmptyCallsGetAFallbackName) {
  const struct {
    const char *call, *base;
  } cases[] = {{"UA3AAA", "UA3AAA"}, {"UA3AAA/P", "UA3AAA_P"}, {" R3A\\9 ", "R3A_9"},
               {"", "QZLC"},         {"   ", "QZLC"},         {"/", "_"}};
  for (const auto& c : cases) EXPECT_EQ(CabrilloFileBase(c.call), c.base) << c.call;
}

TEST_F(CabrilloLogTest, DialogOpensWithStoredValuesAndContestDefaults) {
  CabrilloHeaderFields shown;
  SetCabrilloHeaderPromptHandler([&](CabrilloHeaderFields& f) {
    shown = f;
    return false;
  });
  log_.SetupHeader("UA3AAA", At(12, 0), At(12, 0), 0, settings_);
  EXPECT_EQ(shown.m_Callsign, "UA3AAA");
  EXPECT_EQ(shown.m_Operators, "UA3AAA");
  EXPECT_EQ(shown.m_Contest, "ZARL-SSB");
  EXPECT_EQ(shown.m_CategoryMode, "SSB");
  EXPECT_EQ(shown.m_CategoryOperator, "SINGLE-OP");
  EXPECT_EQ(shown.m_CategoryBand, "ALL");
  EXPECT_EQ(shown.m_CategoryPower, "HIGH");
  EXPECT_EQ(shown.m_Name + shown.m_Address + shown.m_Claimed + shown.m_Location +
                shown.m_Email + shown.m_Club + shown.m_SoapBox,
            "");

  settings_.values = {{"Mode", "1"},          {"Operators", "UA3AAA RA3BBB"},
                      {"Claimed", "1234"},     {"Address", "Lenina 1<CR><LF>Moscow"},
                      {"Contest", "ignored"}};
  log_.SetupHeader("UA3AAA", At(12, 0), At(12, 0), 0, settings_);
  EXPECT_EQ(shown.m_Contest, "ZARL-CW");
  EXPECT_EQ(shown.m_CategoryMode, "CW");
  EXPECT_EQ(shown.m_Operators, "UA3AAA RA3BBB");
  EXPECT_EQ(shown.m_Claimed, "1234");
  EXPECT_EQ(shown.m_Address, "Lenina 1\r\nMoscow");
}

TEST_F(CabrilloLogTest, OkStoresPersistentValuesInOrderAndPreparesContinuationLines) {
  SetCabrilloHeaderPromptHandler([](CabrilloHeaderFields& f) {
    f.m_Name = "Ivan Petrov";
    f.m_Address = "Lenina 1\r\nMoscow";
    f.m_SoapBox = "Nice contest\r\n73!";
    f.m_CategoryPower = "LOW";
    f.m_Claimed = "999";
    return true;
  });
  log_.AddQsoLine("OLD1", 7000, "CW", At(1, 0), "599", "3001", "599", "3001");
  EXPECT_EQ(log_.SetupHeader("UA3AAA", At(12, 0), At(12, 0), 0, settings_), 1);
  EXPECT_TRUE(log_.HeaderConfirmed());
  EXPECT_TRUE(log_.QsoLines().empty());
  EXPECT_EQ(settings_.writes,
            (std::vector<std::string>{"Operators=UA3AAA", "Name=Ivan Petrov",
                                      "Address=Lenina 1<CR><LF>Moscow", "Location=",
                                      "Contest=ZARL-SSB", "Email=", "Club=",
                                      "SoapBox=Nice contest<CR><LF>73!"}));
  EXPECT_EQ(log_.m_Address, "Lenina 1\r\nADDRESS: Moscow");
  EXPECT_EQ(log_.m_SoapBox, "Nice contest\r\nSOAPBOX: 73!");
  EXPECT_EQ(log_.m_CategoryPower, "LOW");

  // The next export starts from the stored address and soapbox, and from the usual
  // categories again.
  CabrilloHeaderFields shown;
  SetCabrilloHeaderPromptHandler([&](CabrilloHeaderFields& f) {
    shown = f;
    return true;
  });
  log_.SetupHeader("UA3AAA", At(12, 0), At(12, 0), 0, settings_);
  EXPECT_EQ(shown.m_Address, "Lenina 1\r\nMoscow");
  EXPECT_EQ(shown.m_SoapBox, "Nice contest\r\n73!");
  EXPECT_EQ(shown.m_CategoryPower, "HIGH");
  EXPECT_EQ(shown.m_Claimed, "");
}

TEST_F(CabrilloLogTest, CancelChangesNothing) {
  log_.AddQsoLine("RA9XYZ", 7012, "CW", At(12, 1), "599", "3001", "599", "3001");
  SetCabrilloHeaderPromptHandler([](CabrilloHeaderFields& f) {
    f.m_Name = "typed but cancelled";
    return false;
  });
  EXPECT_EQ(log_.SetupHeader("UA3AAA", At(12, 0), At(12, 0), 0, settings_), 0);
  EXPECT_FALSE(log_.HeaderConfirmed());
  EXPECT_TRUE(settings_.writes.empty());
  EXPECT_EQ(log_.QsoLines().size(), 1u);
  EXPECT_EQ(log_.m_Name, "");
}

TEST_F(CabrilloLogTest, QsoLineWidthsPadButNeverCut) {
  log_.m_Callsign = "UA3AAA";
  log_.AddQsoLine("RA9XYZ", 1830, "CW", At(12, 3), "599", "3001", "599", "3015");
  log_.AddQsoLine("UA1ABCDEFGHIJKLM", 14025, "PH", At(23, 59), "59", "3002", "5999", "1002");
  log_.AddQsoLine("DL1ABC", 123456, "??", OleDateTime(0, OleDateTime::kInvalid), "", "", "", "");
  ASSERT_EQ(log_.QsoLines().size(), 3u);
  EXPECT_EQ(log_.QsoLines()[0],
            "QSO:  1830 CW 2026-02-07 1203 UA3AAA        599 3001   RA9XYZ        599 3015\r\n");
  EXPECT_EQ(log_.QsoLines()[1],
            "QSO: 14025 PH 2026-02-07 2359 UA3AAA        59  3002   UA1ABCDEFGHIJKLM 5999 1002\r\n");
  EXPECT_EQ(log_.QsoLines()[2],
            "QSO: 123456 ?? Invalid DateTime UA3AAA                   DL1ABC            \r\n");
}

// A whole SSB export with a two-line address and soapbox, written by hand.
TEST_F(CabrilloLogTest, WritesTheSsbFileByteForByte) {
  testsupport::ScopedTempCwd cwd;
  SetCabrilloHeaderPromptHandler([](CabrilloHeaderFields& f) {
    f.m_Name = "Ivan Petrov";
    f.m_Address = "Lenina 1\r\nMoscow";
    f.m_SoapBox = "Nice contest\r\n73!";
    f.m_Location = "MO";
    f.m_Club = "Radio Club";
    f.m_Email = "ua3aaa@example.org";
    return true;
  });
  log_.SetupHeader("UA3AAA/P", At(12, 0), At(12, 0), 0, settings_);
  log_.AddQsoLine("RA9XYZ", 3650, "PH", At(12, 1), "59", "2001", "59", "3001");
  log_.AddQsoLine("RA9XYZ", 3650, "PH", At(12, 5), "59", "2002", "59", "3002");
  const CabrilloWriteOutcome outcome = log_.WriteLog(4321);
  EXPECT_TRUE(outcome.written);
  EXPECT_TRUE(outcome.checked);
  EXPECT_EQ(outcome.message, "File produced: UA3AAA_P.cbr");
  EXPECT_EQ(testsupport::ReadFileBytes("UA3AAA_P.cbr"),
            "START-OF-LOG: 3.0\r\n"
            "CONTEST: ZARL-SSB\r\n"
            "CALLSIGN: UA3AAA/P\r\n"
            "CATEGORY-OPERATOR: SINGLE-OP\r\n"
            "CATEGORY-BAND: ALL\r\n"
            "CATEGORY-MODE: SSB\r\n"
            "CATEGORY-POWER: HIGH\r\n"
            "LOCATION: MO\r\n"
            "CLAIMED-SCORE: 4321\r\n"
            "CLUB: Radio Club\r\n"
            "CREATED-BY: Qarn \r\n"
            "NAME: Ivan Petrov\r\n"
            "ADDRESS: Lenina 1\r\n"
            "ADDRESS: Moscow\r\n"
            "OPERATORS: UA3AAA/P\r\n"
            "EMAIL: ua3aaa@example.org\r\n"
            "SOAPBOX: Nice contest\r\n"
            "SOAPBOX: 73!\r\n"
            "QSO:  3650 PH 2026-02-07 1201 UA3AAA/P      59  2001   RA9XYZ        59  3001\r\n"
            "QSO:  3650 PH 2026-02-07 1205 UA3AAA/P      59  2002   RA9XYZ        59  3002\r\n"
            "END-OF-LOG:\r\n");
}

TEST_F(CabrilloLogTest, CwFileNamesTheHostVersionAndAnEmptyLogHasNoQsoLines) {
  settings_.values["Mode"] = "1";
  log_.SetupHeader("", At(12, 0), At(12, 0), 1, settings_);
  EXPECT_EQ(log_.m_FileBase, "QZLC");
  EXPECT_EQ(log_.FormatLog(0, std::string("2.5")),
            "START-OF-LOG: 3.0\r\nCONTEST: ZARL-CW\r\nCALLSIGN: \r\n"
            "CATEGORY-OPERATOR: SINGLE-OP\r\nCATEGORY-BAND: ALL\r\nCATEGORY-MODE: CW\r\n"
            "CATEGORY-POWER: HIGH\r\nLOCATION: \r\nCLAIMED-SCORE: 0\r\nCLUB: \r\n"
            "CREATED-BY: Qarn 2.5\r\nNAME: \r\nADDRESS: \r\nOPERATORS: \r\nEMAIL: \r\n"
            "SOAPBOX: \r\nEND-OF-LOG:\r\n");
}

TEST_F(CabrilloLogTest, AFileThatCannotBeCreatedIsReportedAsAFailure) {
  testsupport::ScopedTempCwd cwd;
  log_.SetupHeader("UA3AAA", At(12, 0), At(12, 0), 0, settings_);
  std::filesystem::create_directory("UA3AAA.cbr");  // a folder where the file should go
  const CabrilloWriteOutcome outcome = log_.WriteLog(10);
  EXPECT_FALSE(outcome.written);
  EXPECT_EQ(outcome.message.find("File produced"), std::string::npos);
  EXPECT_NE(outcome.message.find("UA3AAA.cbr"), std::string::npos);
}

TEST_F(CabrilloLogTest, ALineThatWouldNotReadBackFailsTheCheckButIsKept) {
  testsupport::ScopedTempCwd cwd;
  log_.SetupHeader("UA3AAA", At(12, 0), At(12, 0), 0, settings_);
  log_.AddQsoLine("RA9 XYZ", 7012, "CW", At(12, 1), "599", "3001", "599", "3001");
  const CabrilloWriteOutcome outcome = log_.WriteLog(1);
  EXPECT_TRUE(outcome.written);
  EXPECT_FALSE(outcome.checked);
  EXPECT_NE(outcome.message.find("does not pass the Cabrillo check"), std::string::npos);
  EXPECT_NE(testsupport::ReadFileBytes("UA3AAA.cbr").find("RA9 XYZ"), std::string::npos);
}

}  // namespace
