// The check run on every written log must catch each way a file can go wrong.
#include <gtest/gtest.h>

#include "cabrillo/cabrillo_verify.h"

namespace {

const std::string kQsoLine =
    "QSO:  7012 CW 2026-02-07 1201 UA3AAA        599 3001   RA9XYZ        599 3015\r\n";
const std::string kHeader =
    "START-OF-LOG: 3.0\r\nCONTEST: ZARL-CW\r\nCALLSIGN: UA3AAA\r\nCLAIMED-SCORE: 52\r\n"
    "CREATED-BY: Qarn \r\nADDRESS: Lenina 1\r\nADDRESS: Moscow\r\n";

std::vector<CabrilloQso> OneRecord() {
  return {{"RA9XYZ", 7012, "CW", OleDateTime::FromParts(2026, 2, 7, 12, 1, 0), "599", "3001",
           "599", "3015"}};
}

TEST(CabrilloVerify, ASoundFilePasses) {
  EXPECT_TRUE(VerifyCabrilloLog(kHeader + kQsoLine + "END-OF-LOG:\r\n", "UA3AAA", OneRecord(), 52)
                  .empty());
}

TEST(CabrilloVerify, EachFaultIsFound) {
  const struct {
    const char* fault;
    std::string bytes;
    int32_t score;
  } cases[] = {
      {"no start", kHeader.substr(19) + kQsoLine + "END-OF-LOG:\r\n", 52},
      {"no end", kHeader + kQsoLine, 52},
      {"score differs", kHeader + kQsoLine + "END-OF-LOG:\r\n", 53},
      {"QSO lost", kHeader + "END-OF-LOG:\r\n", 52},
      {"QSO twice", kHeader + kQsoLine + kQsoLine + "END-OF-LOG:\r\n", 52},
      {"field changed",
       kHeader + "QSO:  7012 CW 2026-02-07 1202 UA3AAA        599 3001   RA9XYZ        599 3015\r\n" +
           "END-OF-LOG:\r\n",
       52},
      {"bare line feed", kHeader + "SOAPBOX: a\nb\r\n" + kQsoLine + "END-OF-LOG:\r\n", 52},
      {"unknown key", kHeader + "FREQ: 7\r\n" + kQsoLine + "END-OF-LOG:\r\n", 52},
      {"header after QSOs", kHeader + kQsoLine + "NAME: x\r\nEND-OF-LOG:\r\n", 52},
      {"last line unterminated", kHeader + kQsoLine + "END-OF-LOG:", 52},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(VerifyCabrilloLog(c.bytes, "UA3AAA", OneRecord(), c.score).empty()) << c.fault;
  }
}

}  // namespace
