#pragma once
// The Cabrillo 3.0 log the operator submits: header values kept from one export pass to the
// next while the host runs, the QSO lines of the current pass, and the writer.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cabrillo/header_fields.h"
#include "rules/ole_date_time.h"

// Where the header's persistent values live (the plug-in's settings file). Read returns the
// whole stored value, or `fallback` when the key is missing.
class HeaderSettings {
 public:
  virtual ~HeaderSettings() = default;
  virtual std::string Read(const char* key, const std::string& fallback) = 0;
  virtual void Write(const char* key, const std::string& value) = 0;
};

// One QSO as it goes into the log, kept beside its formatted line so the written file can
// be checked against what it came from.
struct CabrilloQso {
  std::string call;
  int32_t freqKHz = 0;
  std::string mode;  // "CW", "PH" or "??"
  OleDateTime time;
  std::string rstSent, exchSent, rstRcvd, exchRcvd;
};

// What the writer reports to the operator.
struct CabrilloWriteOutcome {
  bool written = false;  // the whole file was written, closed and read back correctly
  bool checked = false;  // and it passed the Cabrillo check
  std::string fileName;  // m_FileBase + ".cbr"
  std::string message;   // "File produced: <name>", or what went wrong
};

class CabrilloLog {
 public:
  // Fills the header from the settings and defaults, shows the header dialog and, on OK,
  // keeps the edited values, stores the persistent ones and empties the QSO lines.
  // Returns 1 on OK, 0 on Cancel. Only `callsign` of the arguments is used.
  int SetupHeader(const std::string& callsign, const OleDateTime& contestTime,
                  const OleDateTime& contestTime2, int mode, HeaderSettings& settings);

  // True when the last SetupHeader was confirmed: only then does the export write a file.
  bool HeaderConfirmed() const { return m_HeaderConfirmed; }

  // Formats one QSO line and appends it to m_QsoLines. `mode` is the Cabrillo mode
  // ("CW", "PH" or "??").
  void AddQsoLine(const std::string& call, int32_t freqKHz, const std::string& mode,
                  const OleDateTime& time, const std::string& rstSent,
                  const std::string& exchSent, const std::string& rstRcvd,
                  const std::string& exchRcvd);
  void ClearQsoLines() {
    m_QsoLines.clear();
    m_QsoSources.clear();
  }
  const std::vector<std::string>& QsoLines() const { return m_QsoLines; }

  // The whole file as bytes, for `claimedScore` and the host's version text (none when the
  // host program was not found).
  std::string FormatLog(int32_t claimedScore, const std::optional<std::string>& hostVersion) const;

  // Writes m_FileBase + ".cbr" in the current folder, then reads it back and checks it.
  CabrilloWriteOutcome WriteLog(int32_t claimedScore) const;

  // Header values, written to the file as they stand.
  std::string m_Callsign;
  std::string m_Name;
  std::string m_Address;  // line breaks already turned into "\r\nADDRESS: "
  std::string m_Claimed;
  std::string m_Contest;
  std::string m_Email;
  std::string m_Club;
  std::string m_SoapBox;  // line breaks already turned into "\r\nSOAPBOX: "
  std::string m_Operators;
  std::string m_CategoryOperator;
  std::string m_CategoryBand;
  std::string m_CategoryMode;
  std::string m_CategoryPower;
  std::string m_Location;
  std::string m_FileBase;  // file name without ".cbr"

 private:
  std::vector<std::string> m_QsoLines;
  std::vector<CabrilloQso> m_QsoSources;  // what each line of m_QsoLines was made from
  bool m_HeaderConfirmed = false;
};

// The plug-in's one Cabrillo log; it lives while the plug-in is loaded.
extern CabrilloLog g_CabrilloLog;

// The file name base for a callsign: "/" and "\" become "_", surrounding white space goes,
// and "QZLC" stands in for a callsign that leaves nothing.
std::string CabrilloFileBase(const std::string& callsign);
