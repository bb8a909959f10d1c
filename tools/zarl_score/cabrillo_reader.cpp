#include "tools/zarl_score/cabrillo_reader.h"

#include <optional>
#include <string>
#include <vector>

#include "tools/zarl_score/band_map.h"
#include "tools/zarl_score/mode_map.h"
#include "tools/zarl_score/qso_fields.h"
#include "tools/zarl_score/text_quote.h"

namespace zarl_score {
namespace {

std::vector<std::string_view> Words(std::string_view s) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < s.size() && s[i] != ' ' && s[i] != '\t') ++i;
    if (i > start) words.push_back(s.substr(start, i - start));
  }
  return words;
}

bool IsTagChar(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '-'; }

// The tag of a "TAG: value" line in upper case, or "" when the line has none.
std::string TagOf(std::string_view line, std::string_view& value) {
  const std::size_t colon = line.find(':');
  if (colon == std::string_view::npos || colon == 0) return {};
  for (std::size_t i = 0; i < colon; ++i) {
    if (!IsTagChar(line[i])) return {};
  }
  value = line.substr(colon + 1);
  return UpperTrimmed(line.substr(0, colon));
}

// Columns of a QSO line after "QSO:".
enum Column { kFreq, kMode, kDate, kTime, kOwnCall, kRstSent, kExchSent, kCall, kRstRcvd, kExchRcvd, kColumns };

std::optional<LogQso> QsoFromWords(const std::vector<std::string_view>& w, int line, std::string& why) {
  const bool transmitter = w.size() == kColumns + 1 && w[kColumns].size() == 1 &&
                           (w[kColumns][0] == '0' || w[kColumns][0] == '1');
  if (w.size() != kColumns && !transmitter) {
    why = "a QSO line needs " + std::to_string(kColumns) + " fields after QSO:, this one has " +
          std::to_string(w.size());
    return std::nullopt;
  }
  LogQso q;
  q.line = line;
  std::optional<uint32_t> hz = ParseFrequencyHz(w[kFreq], 3);
  if (hz) q.band = BandOfFrequency(*hz);
  if (q.band.empty()) {
    const uint64_t designated = CabrilloDesignatorHz(w[kFreq]);
    if (designated != 0) {
      hz = static_cast<uint32_t>(designated);
      q.band = BandOfFrequency(designated);
    }
  }
  if (!hz || q.band.empty()) {
    why = "frequency " + QuoteForMessage(w[kFreq]) + " is not a frequency in kHz on an amateur band";
    return std::nullopt;
  }
  q.freqHz = *hz;
  q.mode = PluginModeFromCabrillo(w[kMode]);
  const auto date = ParseDate(w[kDate], '-');
  if (!date) {
    why = "date " + QuoteForMessage(w[kDate]) + " is not a date YYYY-MM-DD";
    return std::nullopt;
  }
  const auto time = ParseTimeOfDay(w[kTime], false);
  if (!time) {
    why = "time " + QuoteForMessage(w[kTime]) + " is not a time HHMM";
    return std::nullopt;
  }
  q.year = date->year, q.month = date->month, q.day = date->day;
  q.hour = time->hour, q.minute = time->minute;
  q.ownCall = UpperTrimmed(w[kOwnCall]);
  q.call = UpperTrimmed(w[kCall]);
  if (!IsCallsign(q.call)) {
    why = "worked call " + QuoteForMessage(w[kCall]) + " is not a callsign";
    return std::nullopt;
  }
  q.rstSent = std::string(w[kRstSent]);
  q.rstRcvd = std::string(w[kRstRcvd]);
  q.serialSent = std::string(w[kExchSent].substr(1));
  q.exchRcvd = std::string(w[kExchRcvd]);
  return q;
}

}  // namespace

LogReadResult ReadCabrillo(std::string_view text) {
  LogReadResult result;
  bool sawStart = false, sawAnyLine = false, afterEnd = false;
  int lineNumber = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (TrimBlanks(line).empty()) continue;

    if (afterEnd) {
      result.warnings.push_back({lineNumber, "text after END-OF-LOG: ignored"});
      break;
    }
    std::string_view value;
    const std::string tag = TagOf(line, value);
    if (!sawAnyLine) {
      sawAnyLine = true;
      sawStart = tag == "START-OF-LOG";
      if (!sawStart) {
        result.warnings.push_back({lineNumber, "the file does not begin with START-OF-LOG:"});
      }
    }
    if (tag.empty()) {
      result.warnings.push_back({lineNumber, "not a Cabrillo line, ignored: " + QuoteForMessage(line)});
    } else if (tag == "QSO") {
      ++result.recordsRead;
      std::string why;
      if (auto qso = QsoFromWords(Words(value), lineNumber, why)) {
        result.qsos.push_back(std::move(*qso));
      } else {
        result.malformed.push_back({lineNumber, why});
      }
    } else if (tag == "X-QSO") {
      result.warnings.push_back({lineNumber, "X-QSO line: not scored"});
    } else if (tag == "CALLSIGN") {
      result.ownCall = UpperTrimmed(value);
    } else if (tag == "END-OF-LOG") {
      afterEnd = true;
    }
  }
  return result;
}

}  // namespace zarl_score
