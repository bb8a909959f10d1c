// A whole export pass through the exports: ResetStats0 with the export flag (the header
// dialog), the replay, one GetResult0 that writes the Cabrillo file and reports it.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cabrillo/cabrillo_log.h"
#include "cabrillo/posix/header_prompt_script.h"
#include "tests/unit/contest_driver.h"

namespace {

using driver::At;

class CabrilloExport : public driver::ContestTest {
 protected:
  void SetUp() override {
    ContestTest::SetUp();
    g_CabrilloLog = CabrilloLog();
    platform::SetMessageBoxHandler([this](const std::string& text, const std::string& caption) {
      boxes_.push_back(caption + ": " + text);
    });
    WritePlugin("ZARL.ini", "[Settings]\r\nMode=1\r\n");
  }
  void TearDown() override {
    SetCabrilloHeaderPromptHandler({});
    g_CabrilloLog = CabrilloLog();
    ContestTest::TearDown();
  }

  // Replays a short CW log with a dupe and a rejected QSO.
  void Replay() {
    driver::Qso q;
    q.call = "RA9XYZ";
    q.country = "UA9";
    q.exchRcvd = "3015";
    q.serialSent = "001";
    q.time = At(2026, 2, 7, 12, 3);
    q.freqHz = 7012999;
    ASSERT_EQ(driver::Add(q), 1);
    q.serialSent = "002";
    q.time = At(2026, 2, 7, 12, 7);
    ASSERT_EQ(driver::Add(q), 1);  // dupe: written to the log all the same
    q.band = "30m";
    ASSERT_EQ(driver::Add(q), 0);  // not a contest band: not in the log
    q.band = "160m";
    q.call = "DL1ABC";
    q.country = "DL";
    q.exchRcvd = "5003";
    q.serialSent = "003";
    q.freqHz = 1830500;
    q.time = At(2026, 2, 7, 12, 10);
    ASSERT_EQ(driver::Add(q), 1);
  }

  std::vector<std::string> boxes_;
};

TEST_F(CabrilloExport, ExportPassWritesTheLogOnceAndEndsTheHostsPass) {
  SetCabrilloHeaderPromptHandler([](CabrilloHeaderFields& f) {
    f.m_Name = "Ivan Petrov";
    f.m_Address = "Lenina 1\r\nMoscow";
    f.m_SoapBox = std::string(120, 's') + "\r\n73!";  // longer than a settings read buffer
    return true;
  });
  ASSERT_EQ(driver::Reset("UA3AAA", 1), 1);
  Replay();
  int host = 0;
  const std::string text = driver::Result(&host);
  EXPECT_EQ(host, -1);
  EXPECT_NE(text.find("Score: "), std::string::npos);
  EXPECT_EQ(text.find("Hourly"), std::string::npos);
  ASSERT_EQ(boxes_, (std::vector<std::string>{"Output: File produced: UA3AAA.cbr"}));

  const std::string expected =
      "START-OF-LOG: 3.0\r\nCONTEST: ZARL-CW\r\nCALLSIGN: UA3AAA\r\n"
      "CATEGORY-OPERATOR: SINGLE-OP\r\nCATEGORY-BAND: ALL\r\nCATEGORY-MODE: CW\r\n"
      "CATEGORY-POWER: HIGH\r\nLOCATION: \r\nCLAIMED-SCORE: " +
      std::to_string(g_ClaimedScore) +
      "\r\nCLUB: \r\nCREATED-BY: Qarn \r\nNAME: Ivan Petrov\r\n"
      "ADDRESS: Lenina 1\r\nADDRESS: Moscow\r\nOPERATORS: UA3AAA\r\nEMAIL: \r\n"
      "SOAPBOX: " + std::string(120, 's') + "\r\nSOAPBOX: 73!\r\n"
      "QSO:  7012 CW 2026-02-07 1203 UA3AAA        599 2001   RA9XYZ        599 3015\r\n"
      "QSO:  7012 CW 2026-02-07 1207 UA3AAA        599 2002   RA9XYZ        599 3015\r\n"
      "QSO:  1830 CW 2026-02-07 1210 UA3AAA        599 2003   DL1ABC        599 5003\r\n"
      "END-OF-LOG:\r\n";
  EXPECT_EQ(ReadOut("UA3AAA.cbr"), expected);

  // A second result in the same pass rewrites the same file, not a doubled one.
  driver::Result(&host);
  EXPECT_EQ(ReadOut("UA3AAA.cbr"), expected);

  // The long soapbox comes back whole at the next export.
  CabrilloHeaderFields shown;
  SetCabrilloHeaderPromptHandler([&](CabrilloHeaderFields& f) {
    shown = f;
    return true;
  });
  ASSERT_EQ(driver::Reset("UA3AAA", 1), 1);
  EXPECT_EQ(shown.m_SoapBox, std::string(120, 's') + "\r\n73!");
  EXPECT_EQ(shown.m_Address, "Lenina 1\r\nMoscow");
}

TEST_F(CabrilloExport, CancelledHeaderEndsTheExportWithoutAFile) {
  SetCabrilloHeaderPromptHandler([](CabrilloHeaderFields&) { return false; });
  ASSERT_EQ(driver::Reset("UA3AAA/P", 1), 1);
  Replay();
  int host = 7;
  const std::string text = driver::Result(&host);
  EXPECT_EQ(host, -1);
  EXPECT_NE(text.find("Score: "), std::string::npos);
  EXPECT_TRUE(boxes_.empty());
  EXPECT_FALSE(std::filesystem::exists(cwd_.path() / "UA3AAA_P.cbr"));
}

TEST_F(CabrilloExport, UnwritableFileIsReportedNotClaimedProduced) {
  ASSERT_EQ(driver::Reset("UA3AAA", 1), 1);
  Replay();
  std::filesystem::create_directory(cwd_.path() / "UA3AAA.cbr");
  int host = 0;
  driver::Result(&host);
  EXPECT_EQ(host, -1);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].find("Output: File produced"), std::string::npos);
  EXPECT_NE(boxes_[0].find("UA3AAA.cbr"), std::string::npos);
}

TEST_F(CabrilloExport, OutsideAnExportPassNothingIsWrittenAndTheHostIntIsLeftAlone) {
  ASSERT_EQ(driver::Reset("UA3AAA", 0), 1);
  Replay();
  int host = 42;
  driver::Result(&host);
  EXPECT_EQ(host, 42);
  EXPECT_TRUE(boxes_.empty());
  EXPECT_FALSE(std::filesystem::exists(cwd_.path() / "UA3AAA.cbr"));
}

}  // namespace
