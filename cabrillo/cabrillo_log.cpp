#include "cabrillo/cabrillo_log.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "cabrillo/cabrillo_verify.h"
#include "cabrillo/replace_all.h"
#include "platform/host_version.h"

CabrilloLog g_CabrilloLog;

namespace {

std::string TrimWhiteSpace(const std::string& s) {
  const char* blanks = " \t\r\n\v\f";
  const size_t b = s.find_first_not_of(blanks);
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(blanks) - b + 1);
}

// Multi-line values stay on one line of the settings file.
std::string EncodeLineBreaks(const std::string& text) {
  return ReplaceAll(ReplaceAll(text, "\r", "<CR>"), "\n", "<LF>");
}
std::string DecodeLineBreaks(const std::string& text) {
  return ReplaceAll(ReplaceAll(text, "<CR>", "\r"), "<LF>", "\n");
}

// Each further line of a multi-line value becomes a line of its own with the same key.
std::string ContinuationLines(const std::string& encoded, const std::string& key) {
  return ReplaceAll(ReplaceAll(encoded, "<CR>", "\r\n" + key + ": "), "<LF>", "");
}

}  // namespace

std::string CabrilloFileBase(const std::string& callsign) {
  const std::string base = TrimWhiteSpace(ReplaceAll(ReplaceAll(callsign, "/", "_"), "\\", "_"));
  return base.empty() ? "QZLC" : base;
}

int CabrilloLog::SetupHeader(const std::string& callsign, const OleDateTime&, const OleDateTime&,
                             int, HeaderSettings& settings) {
  CabrilloHeaderFields fields;
  fields.m_Callsign = callsign;
  m_FileBase = CabrilloFileBase(callsign);
  fields.m_Operators = settings.Read("Operators", callsign);
  fields.m_Name = settings.Read("Name", "");
  fields.m_Address = DecodeLineBreaks(settings.Read("Address", ""));
  fields.m_Claimed = settings.Read("Claimed", "");
  fields.m_Location = settings.Read("Location", "");
  const bool cw = settings.Read("Mode", "") == "1";
  fields.m_Contest = cw ? "ZARL-CW" : "ZARL-SSB";
  fields.m_CategoryMode = cw ? "CW" : "SSB";
  // The categories start from the usual entry at every export; they are not remembered.
  fields.m_CategoryOperator = "SINGLE-OP";
  fields.m_CategoryBand = "ALL";
  fields.m_CategoryPower = "HIGH";
  fields.m_Email = settings.Read("Email", "");
  fields.m_Club = settings.Read("Club", "");
  fields.m_SoapBox = DecodeLineBreaks(settings.Read("SoapBox", ""));

  m_HeaderConfirmed = PromptCabrilloHeader(fields);
  if (!m_HeaderConfirmed) return 0;

  m_Callsign = fields.m_Callsign;
  m_Claimed = fields.m_Claimed;
  m_Club = fields.m_Club;
  m_Contest = fields.m_Contest;
  m_Email = fields.m_Email;
  m_Name = fields.m_Name;
  m_Operators = fields.m_Operators;
  m_CategoryOperator = fields.m_CategoryOperator;
  m_CategoryBand = fields.m_CategoryBand;
  m_CategoryPower = fields.m_CategoryPower;
  m_Location = fields.m_Location;
  m_CategoryMode = fields.m_CategoryMode;
  const std::string address = EncodeLineBreaks(fields.m_Address);
  const std::string soapBox = EncodeLineBreaks(fields.m_SoapBox);

  settings.Write("Operators", m_Operators);
  settings.Write("Name", m_Name);
  settings.Write("Address", address);
  settings.Write("Location", m_Location);
  settings.Write("Contest", m_Contest);
  settings.Write("Email", m_Email);
  settings.Write("Club", m_Club);
  settings.Write("SoapBox", soapBox);

  m_SoapBox = ContinuationLines(soapBox, "SOAPBOX");
  m_Address = ContinuationLines(address, "ADDRESS");
  ClearQsoLines();
  return 1;
}

void CabrilloLog::AddQsoLine(const std::string& call, int32_t freqKHz, const std::string& mode,
                             const OleDateTime& time, const std::string& rstSent,
                             const std::string& exchSent, const std::string& rstRcvd,
                             const std::string& exchRcvd) {
  const std::string when = time.Format("%Y-%m-%d %H%M");
  const auto format = [&](char* out, size_t size) {
    return std::snprintf(out, size, "QSO: %5i %2s %s %-13s %-3s %-6s %-13s %-3s %s\r\n", freqKHz,
                         mode.c_str(), when.c_str(), m_Callsign.c_str(), rstSent.c_str(),
                         exchSent.c_str(), call.c_str(), rstRcvd.c_str(), exchRcvd.c_str());
  };
  // Fields wider than their column are written whole, so the line is sized first.
  std::string line(static_cast<size_t>(format(nullptr, 0)), '\0');
  format(line.data(), line.size() + 1);
  m_QsoLines.push_back(std::move(line));
  m_QsoSources.push_back({call, freqKHz, mode, time, rstSent, exchSent, rstRcvd, exchRcvd});
}

std::string CabrilloLog::FormatLog(int32_t claimedScore,
                                   const std::optional<std::string>& hostVersion) const {
  std::string out;
  const auto line = [&out](const char* key, const std::string& value) {
    out += key;
    out += value;
    out += "\r\n";
  };
  out += "START-OF-LOG: 3.0\r\n";
  line("CONTEST: ", m_Contest);
  line("CALLSIGN: ", m_Callsign);
  line("CATEGORY-OPERATOR: ", m_CategoryOperator);
  line("CATEGORY-BAND: ", m_CategoryBand);
  line("CATEGORY-MODE: ", m_CategoryMode);
  line("CATEGORY-POWER: ", m_CategoryPower);
  line("LOCATION: ", m_Location);
  line("CLAIMED-SCORE: ", std::to_string(claimedScore));
  line("CLUB: ", m_Club);
  line("CREATED-BY: Qarn ", hostVersion.value_or(""));
  line("NAME: ", m_Name);
  line("ADDRESS: ", m_Address);
  line("OPERATORS: ", m_Operators);
  line("EMAIL: ", m_Email);
  line("SOAPBOX: ", m_SoapBox);
  for (const std::string& qso : m_QsoLines) out += qso;
  out += "END-OF-LOG:\r\n";
  return out;
}

CabrilloWriteOutcome CabrilloLog::WriteLog(int32_t claimedScore) const {
  CabrilloWriteOutcome outcome;
  outcome.fileName = m_FileBase + ".cbr";
  const std::string bytes = FormatLog(claimedScore, platform::HostVersionText());
  {
    std::ofstream out(outcome.fileName, std::ios::binary | std::ios::trunc);
    if (!out) {
      outcome.message = "Could not create " + outcome.fileName + ": the log was not written.";
      return outcome;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      outcome.message = "Could not write " + outcome.fileName + ": the file is incomplete.";
      return outcome;
    }
  }
  std::ifstream in(outcome.fileName, std::ios::binary);
  const std::string readBack((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (readBack != bytes) {
    outcome.message = outcome.fileName + " reads back differently from what was written.";
    return outcome;
  }
  outcome.written = true;
  const std::vector<std::string> problems =
      VerifyCabrilloLog(readBack, m_Callsign, m_QsoSources, claimedScore);
  if (!problems.empty()) {
    outcome.message = outcome.fileName + " was written but does not pass the Cabrillo check: " +
                      problems.front() +
                      (problems.size() > 1 ? " (and " + std::to_string(problems.size() - 1) +
                                                 " more)"
                                           : std::string());
    return outcome;
  }
  outcome.checked = true;
  outcome.message = "File produced: " + outcome.fileName;
  return outcome;
}
