// Any bytes as an ADIF log: every record is either a QSO or reported, lines point into the
// text, every QSO holds values the plug-in can take, and a QSO written back as a plain
// record reads back the same.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "tests/fuzz/fuzz_require.h"
#include "tools/zarl_score/adif_reader.h"
#include "tools/zarl_score/band_map.h"
#include "tools/zarl_score/qso_fields.h"

namespace {

void Field(std::string& out, const char* name, const std::string& value) {
  out += "<" + std::string(name) + ":" + std::to_string(value.size()) + ">" + value + " ";
}

std::string Digits(int value, int width) {
  std::string s = std::to_string(value);
  return std::string(static_cast<std::size_t>(std::max(0, width - static_cast<int>(s.size()))), '0') + s;
}

// The QSO as a record of its own, with the frequency in MHz to the Hz.
std::string AsRecord(const zarl_score::LogQso& q) {
  std::string r;
  Field(r, "CALL", q.call);
  Field(r, "QSO_DATE", Digits(q.year, 4) + Digits(q.month, 2) + Digits(q.day, 2));
  Field(r, "TIME_ON", Digits(q.hour, 2) + Digits(q.minute, 2) + Digits(q.second, 2));
  Field(r, "BAND", q.band);
  Field(r, "FREQ", std::to_string(q.freqHz / 1000000) + "." + Digits(static_cast<int>(q.freqHz % 1000000), 6));
  Field(r, "MODE", q.mode);
  Field(r, "RST_SENT", q.rstSent);
  Field(r, "RST_RCVD", q.rstRcvd);
  Field(r, "STX_STRING", "0" + q.serialSent);
  Field(r, "SRX_STRING", q.exchRcvd);
  if (q.dxcc) Field(r, "DXCC", std::to_string(*q.dxcc));
  Field(r, "STATION_CALLSIGN", q.ownCall);
  return r + "<EOR>\n";
}

bool Same(const zarl_score::LogQso& a, const zarl_score::LogQso& b) {
  return a.call == b.call && a.year == b.year && a.month == b.month && a.day == b.day &&
         a.hour == b.hour && a.minute == b.minute && a.second == b.second && a.band == b.band &&
         a.freqHz == b.freqHz && a.mode == b.mode && a.rstSent == b.rstSent && a.rstRcvd == b.rstRcvd &&
         a.serialSent == b.serialSent && a.exchRcvd == b.exchRcvd && a.dxcc == b.dxcc && a.ownCall == b.ownCall;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const int lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  const zarl_score::LogReadResult r = zarl_score::ReadAdif(text);

  FUZZ_REQUIRE(r.recordsRead == static_cast<int>(r.qsos.size() + r.malformed.size()));
  for (const auto* problems : {&r.malformed, &r.warnings}) {
    for (const zarl_score::LogProblem& p : *problems) {
      FUZZ_REQUIRE(p.line >= 1 && p.line <= lines);
      FUZZ_REQUIRE(!p.message.empty());
    }
  }
  int previousLine = 0;
  for (const zarl_score::LogQso& q : r.qsos) {
    FUZZ_REQUIRE(q.line >= previousLine && q.line <= lines);
    previousLine = q.line;
    FUZZ_REQUIRE(zarl_score::IsCallsign(q.call));
    FUZZ_REQUIRE(!q.band.empty() && zarl_score::NormalizeBandName(q.band) == q.band);
    FUZZ_REQUIRE(q.freqHz > 0);
    FUZZ_REQUIRE(!q.mode.empty());
    FUZZ_REQUIRE(q.month >= 1 && q.month <= 12 && q.day >= 1 && q.day <= 31);
    FUZZ_REQUIRE(q.hour <= 23 && q.minute <= 59 && q.second <= 59);

    // Values with blanks at their ends or a '<' inside would not come back as they are.
    const auto plain = [](const std::string& s) {
      return s == zarl_score::TrimBlanks(s) && s.find('<') == std::string::npos;
    };
    if (plain(q.rstSent) && plain(q.rstRcvd) && plain(q.serialSent) && plain(q.exchRcvd) &&
        plain(q.mode) && plain(q.ownCall)) {
      const zarl_score::LogReadResult again = zarl_score::ReadAdif(AsRecord(q));
      FUZZ_REQUIRE(again.qsos.size() == 1 && again.malformed.empty());
      zarl_score::LogQso back = again.qsos[0];
      back.line = q.line;
      FUZZ_REQUIRE(Same(back, q));
    }
  }
  return 0;
}
