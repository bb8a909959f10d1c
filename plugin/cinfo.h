#pragma once
// One logged QSO as the plug-in keeps it. Plain value type: copies copy every member.
#include <cstdint>
#include <string>

#include "rules/ole_date_time.h"

struct CInfo {
  std::string m_Call;      // worked station's callsign
  std::string m_Country;   // country prefix as the host determined it ("UA", "UA2", "UA9": Russia)
  std::string m_Band;      // band name, e.g. "40m"
  std::string m_Mode;      // "CW" or "SSB"
  std::string m_RstRcvd;
  std::string m_RstSent;
  std::string m_ExchRcvd;  // worked station's zone digit followed by its serial
  std::string m_ExchSent;  // own zone followed by the sent serial
  std::string m_Zone;      // first character of m_ExchRcvd
  std::string m_Oblast;    // oblast code resolved from m_Call, upper-cased and trimmed
  uint32_t m_FreqKHz = 0;
  int32_t m_Dupe = 0;      // 1 when the call, band and mode were logged before
  OleDateTime m_Time;      // QSO date and time
};
