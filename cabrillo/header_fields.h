#pragma once
// The fourteen header values the operator reviews in the Cabrillo header dialog at the start
// of an export, in the dialog's order.
#include <string>

struct CabrilloHeaderFields {
  std::string m_Callsign;
  std::string m_Claimed;
  std::string m_Club;
  std::string m_Contest;
  std::string m_Email;
  std::string m_Name;
  std::string m_Operators;
  std::string m_SoapBox;   // multi-line: CR LF between lines
  std::string m_Address;   // multi-line: CR LF between lines
  std::string m_CategoryOperator;
  std::string m_CategoryBand;
  std::string m_CategoryPower;
  std::string m_Location;
  std::string m_CategoryMode;
};

// Shows the header dialog with `fields`, modally on the calling thread. Returns true when
// the operator confirmed with OK, having written the edited texts back into `fields`; false
// (fields untouched) on Cancel or the close box.
bool PromptCabrilloHeader(CabrilloHeaderFields& fields);
