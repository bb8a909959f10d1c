// Any bytes as a Cabrillo log: every QSO line is either a QSO or reported, lines point into
// the text, and every QSO holds values the plug-in can take, read from its own line.
#include <algorithm>
#include <cstdint>
#include <string_view>

#include "tests/fuzz/fuzz_require.h"
#include "tools/zarl_score/band_map.h"
#include "tools/zarl_score/cabrillo_reader.h"
#include "tools/zarl_score/qso_fields.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const int lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  const zarl_score::LogReadResult r = zarl_score::ReadCabrillo(text);

  FUZZ_REQUIRE(r.recordsRead == static_cast<int>(r.qsos.size() + r.malformed.size()));
  for (const auto* problems : {&r.malformed, &r.warnings}) {
    for (const zarl_score::LogProblem& p : *problems) FUZZ_REQUIRE(p.line >= 1 && p.line <= lines);
  }
  FUZZ_REQUIRE(r.ownCall == zarl_score::TrimBlanks(r.ownCall));
  int previousLine = 0;
  for (const zarl_score::LogQso& q : r.qsos) {
    FUZZ_REQUIRE(q.line > previousLine && q.line <= lines);
    previousLine = q.line;
    FUZZ_REQUIRE(zarl_score::IsCallsign(q.call));
    FUZZ_REQUIRE(!q.band.empty() && zarl_score::BandOfFrequency(q.freqHz) == q.band);
    FUZZ_REQUIRE(q.month >= 1 && q.month <= 12 && q.day >= 1 && q.day <= 31);
    FUZZ_REQUIRE(q.hour <= 23 && q.minute <= 59 && q.second == 0);
    // Each value is one blank-free word of the QSO's own line.
    std::size_t start = 0;
    for (int n = 1; n < q.line; ++n) start = text.find('\n', start) + 1;
    const std::string_view line = text.substr(start, text.find('\n', start) - start);
    for (const std::string* word : {&q.mode, &q.rstSent, &q.rstRcvd, &q.exchRcvd}) {
      FUZZ_REQUIRE(!word->empty() && word->find_first_of(" \t\n") == std::string::npos);
      FUZZ_REQUIRE(line.find(*word) != std::string_view::npos || *word == "SSB");
    }
  }
  return 0;
}
