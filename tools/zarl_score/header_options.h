#pragma once
// The Cabrillo header values the command line can give. The plug-in prepares the header
// from its settings file and asks the operator to review it; here the options answer.
#include <string>
#include <vector>

#include "cabrillo/header_fields.h"

namespace zarl_score {

struct HeaderOption {
  const char* option;  // command-line name without "--"
  std::string CabrilloHeaderFields::*field;
  bool multiLine;      // given once per line; the lines are joined with CR LF
};

inline const HeaderOption kHeaderOptions[] = {
    {"contest", &CabrilloHeaderFields::m_Contest, false},
    {"name", &CabrilloHeaderFields::m_Name, false},
    {"address", &CabrilloHeaderFields::m_Address, true},
    {"location", &CabrilloHeaderFields::m_Location, false},
    {"club", &CabrilloHeaderFields::m_Club, false},
    {"email", &CabrilloHeaderFields::m_Email, false},
    {"operators", &CabrilloHeaderFields::m_Operators, false},
    {"soapbox", &CabrilloHeaderFields::m_SoapBox, true},
    {"category-operator", &CabrilloHeaderFields::m_CategoryOperator, false},
    {"category-band", &CabrilloHeaderFields::m_CategoryBand, false},
    {"category-mode", &CabrilloHeaderFields::m_CategoryMode, false},
    {"category-power", &CabrilloHeaderFields::m_CategoryPower, false},
};

struct HeaderAnswer {
  const HeaderOption* option;
  std::string value;
};

// Puts the answers into the prepared fields; later answers for a one-line value win.
void ApplyHeaderAnswers(const std::vector<HeaderAnswer>& answers, CabrilloHeaderFields& fields);

}  // namespace zarl_score
