#include "cabrillo/cabrillo_verify.h"

#include <set>

namespace {

const std::set<std::string>& HeaderKeys() {
  static const std::set<std::string> keys = {
      "CONTEST",        "CALLSIGN", "CATEGORY-OPERATOR", "CATEGORY-BAND", "CATEGORY-MODE",
      "CATEGORY-POWER", "LOCATION", "CLAIMED-SCORE",     "CLUB",          "CREATED-BY",
      "NAME",           "ADDRESS",  "OPERATORS",         "EMAIL",         "SOAPBOX"};
  return keys;
}

// The blank-separated words of a line.
std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  size_t pos = 0;
  while (true) {
    const size_t begin = line.find_first_not_of(' ', pos);
    if (begin == std::string::npos) break;
    const size_t end = line.find(' ', begin);
    words.emplace_back(line, begin, end == std::string::npos ? std::string::npos : end - begin);
    if (end == std::string::npos) break;
    pos = end;
  }
  return words;
}

// The problem with one QSO line, or "" when it reads back as its record.
std::string CheckQsoLine(const std::string& line, const std::string& ownCall,
                         const CabrilloQso& q) {
  const std::vector<std::string> w = Words(line);
  const std::string when = q.time.Format("%Y-%m-%d %H%M");
  const std::vector<std::string> expected = {"QSO:",  std::to_string(q.freqKHz),
                                             q.mode,  when.substr(0, when.find(' ')),
                                             when.find(' ') == std::string::npos
                                                 ? std::string()
                                                 : when.substr(when.find(' ') + 1),
                                             ownCall, q.rstSent, q.exchSent, q.call, q.rstRcvd,
                                             q.exchRcvd};
  if (w != expected) return "QSO line \"" + line + "\" does not read back as the QSO with " + q.call;
  return {};
}

}  // namespace

std::vector<std::string> VerifyCabrilloLog(const std::string& bytes, const std::string& ownCall,
                                           const std::vector<CabrilloQso>& records,
                                           int32_t claimedScore) {
  std::vector<std::string> problems;
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < bytes.size()) {
    const size_t end = bytes.find("\r\n", pos);
    if (end == std::string::npos) {
      problems.push_back("the last line has no CR LF ending");
      lines.push_back(bytes.substr(pos));
      break;
    }
    lines.push_back(bytes.substr(pos, end - pos));
    pos = end + 2;
  }
  for (const std::string& line : lines) {
    if (line.find_first_of("\r\n") != std::string::npos) {
      problems.push_back("a line holds a stray line break: \"" + line + "\"");
    }
  }
  if (lines.empty() || lines.front() != "START-OF-LOG: 3.0") {
    problems.push_back("the file does not begin with START-OF-LOG: 3.0");
  }
  if (lines.empty() || lines.back() != "END-OF-LOG:") {
    problems.push_back("the file does not end with END-OF-LOG:");
  }

  size_t qso = 0;
  bool claimedSeen = false;
  for (size_t i = 1; i + 1 < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.rfind("QSO: ", 0) == 0) {
      if (qso < records.size()) {
        const std::string problem = CheckQsoLine(line, ownCall, records[qso]);
        if (!problem.empty()) problems.push_back(problem);
      }
      ++qso;
      continue;
    }
    const size_t colon = line.find(": ");
    const std::string key = line.substr(0, colon);
    if (colon == std::string::npos || !HeaderKeys().count(key)) {
      problems.push_back("line \"" + line + "\" is no Cabrillo header line");
    } else if (qso > 0) {
      problems.push_back("header line \"" + line + "\" stands among the QSO lines");
    } else if (key == "CLAIMED-SCORE") {
      claimedSeen = true;
      if (line.substr(colon + 2) != std::to_string(claimedScore)) {
        problems.push_back("CLAIMED-SCORE is " + line.substr(colon + 2) + ", the score is " +
                           std::to_string(claimedScore));
      }
    }
  }
  if (!claimedSeen) problems.push_back("the file has no CLAIMED-SCORE line");
  if (qso != records.size()) {
    problems.push_back("the file has " + std::to_string(qso) + " QSO lines for " +
                       std::to_string(records.size()) + " QSOs");
  }
  return problems;
}
