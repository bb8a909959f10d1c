#pragma once
// The arguments of AddData0 and RemoveData0 that the plug-in reads, as the host passed them.
// The boundary turns null strings into empty ones, so none of the views is ever null.
#include <cstdint>
#include <string_view>

#include "rules/ole_date_time.h"

struct QsoInput {
  std::string_view ownCall;     // 1
  std::string_view call;        // 2
  OleDateTime time;             // 3
  uint32_t freqHz = 0;          // 8
  std::string_view mode;        // 9
  std::string_view rstSent;     // 10
  std::string_view rstRcvd;     // 11
  std::string_view serialSent;  // 12, without the own zone
  std::string_view exchRcvd;    // 13
  std::string_view country;     // 23
  std::string_view band;        // 32
};

// The call being typed, as CheckCall0 receives it.
struct TypedCallInput {
  std::string_view call;      // 1
  std::string_view country;   // 14
  const char* band = nullptr;   // 25; may be null
  const char* band2 = nullptr;  // 26; may be null
};
