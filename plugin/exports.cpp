// The plug-in's C boundary. Each entry point checks what it reads, hands the work to the
// contest code and returns the host's code; no exception crosses into the host.
#include <cstring>
#include <exception>
#include <string_view>
#include <type_traits>

#include "plugin/contest_reset.h"
#include "plugin/contest_result.h"
#include "plugin/qso_log.h"
#include "plugin/stats_api.h"

#if defined(_WIN32)
#define ZARL_EXPORT
#else
#define ZARL_EXPORT __attribute__((visibility("default")))
#endif

namespace {

// Runs `body`; any exception becomes `fallback`, since the host cannot take one.
template <typename Result, typename Body>
Result Guarded(Result fallback, Body&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return fallback;
  }
}

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

// A string the host did not give reads as empty.
std::string_view Text(const char* s) { return s != nullptr ? std::string_view(s) : std::string_view(); }

// The plug-in keeps its own copy of the host's date-time; a missing one is the null
// date-time, and a status the host does not define counts as invalid.
OleDateTime TimeOf(const HostDateTime* t) {
  if (t == nullptr) return OleDateTime(0.0, OleDateTime::kNull);
  const bool known = t->m_status == OleDateTime::kValid || t->m_status == OleDateTime::kInvalid ||
                     t->m_status == OleDateTime::kNull;
  return OleDateTime(t->m_dt, known ? static_cast<OleDateTime::Status>(t->m_status)
                                    : OleDateTime::kInvalid);
}

QsoInput MakeQsoInput(const char* ownCall, const char* call, const HostDateTime* time,
                      unsigned freqHz, const char* mode, const char* rstSent, const char* rstRcvd,
                      const char* serialSent, const char* exchRcvd, const char* country,
                      const char* band) {
  return QsoInput{Text(ownCall), Text(call),       TimeOf(time),   freqHz,
                  Text(mode),    Text(rstSent),    Text(rstRcvd),  Text(serialSent),
                  Text(exchRcvd), Text(country),   Text(band)};
}

}  // namespace

extern "C" {

// The plug-in offers one statistics set, number 0. The host asks for the number of exchange
// fields through the same body (the Windows export table points GetExchgCount0 here).
ZARL_EXPORT int ZARL_CDECL GetNumberOfSets() { return 1; }

#if !defined(_WIN32)
ZARL_EXPORT int GetExchgCount0() __attribute__((alias("GetNumberOfSets")));
#endif

ZARL_EXPORT const char* ZARL_CDECL GetSetName(int set) { return set == 0 ? "ZARL" : ""; }

// A received exchange is the sender's zone digit and three serial digits: four decimal
// digits that are not all zero.
ZARL_EXPORT int ZARL_CDECL IsValidExchg0(const char* exchange, const char*, const char*,
                                         const char*, int, int, int) {
  if (exchange == nullptr || std::strlen(exchange) != 4) return 0;
  int value = 0;
  for (int i = 0; i < 4; ++i) {
    if (!IsAsciiDigit(exchange[i])) return 0;
    value = value * 10 + (exchange[i] - '0');
  }
  return value > 0 ? 1 : 0;
}

ZARL_EXPORT void ZARL_CDECL SetupSet0() {
  Guarded(0, [] {
    SetupContestMode();
    return 0;
  });
}

ZARL_EXPORT int ZARL_CDECL ResetStats0(const char*, int exportPass, const char* ownCall,
                                       HostDateTime* contestTime, HostDateTime* contestTime2,
                                       const char*, const char*, const char*, const char*,
                                       const char*, const char*, const char*, const char*,
                                       const char*, const char*, int, int, int, double, double,
                                       const char*, const char*, const char*) {
  return Guarded(0, [&] {
    return ResetContest({exportPass, Text(ownCall), TimeOf(contestTime), TimeOf(contestTime2)});
  });
}

ZARL_EXPORT int ZARL_CDECL AddData0(const char* ownCall, const char* call, HostDateTime* time,
                                    HostDateTime*, HostDateTime*, HostDateTime*, unsigned,
                                    unsigned freqHz, const char* mode, const char* rstSent,
                                    const char* rstRcvd, const char* serialSent,
                                    const char* exchRcvd, const char*, const char*, const char*,
                                    const char*, const char*, const char*, const char*,
                                    const char*, const char*, const char* country, int, int, int,
                                    double, double, const char*, const char*, const char*,
                                    const char* band, const char*) {
  return Guarded(0, [&] {
    return AddQso(MakeQsoInput(ownCall, call, time, freqHz, mode, rstSent, rstRcvd, serialSent,
                               exchRcvd, country, band));
  });
}

ZARL_EXPORT int ZARL_CDECL RemoveData0(const char* ownCall, const char* call, HostDateTime* time,
                                       HostDateTime*, HostDateTime*, HostDateTime*, unsigned,
                                       unsigned freqHz, const char* mode, const char* rstSent,
                                       const char* rstRcvd, const char* serialSent,
                                       const char* exchRcvd, const char*, const char*,
                                       const char*, const char*, const char*, const char*,
                                       const char*, const char*, const char*,
                                       const char* country, int, int, int, double, double,
                                       const char*, const char*, const char*, const char* band,
                                       const char*) {
  return Guarded(0, [&] {
    return RemoveQso(MakeQsoInput(ownCall, call, time, freqHz, mode, rstSent, rstRcvd,
                                  serialSent, exchRcvd, country, band));
  });
}

ZARL_EXPORT int ZARL_CDECL CheckCall0(const char* call, unsigned, unsigned, const char*,
                                      const char*, const char*, const char*, const char*,
                                      const char*, const char*, const char*, const char*,
                                      const char*, const char* country, int, int, int, double,
                                      double, const char*, const char*, const char*,
                                      const char*, const char*, const char* band,
                                      const char* band2, char*, char*) {
  return Guarded(1, [&] { return CheckTypedCall({Text(call), Text(country), band, band2}); });
}

ZARL_EXPORT const char* ZARL_CDECL GetResult0(int* exportDone) {
  return Guarded<const char*>("", [&] { return ProduceResult(exportDone); });
}

}  // extern "C"

// The definitions above must keep exactly the types the host calls them through.
static_assert(std::is_same_v<decltype(&GetNumberOfSets), GetNumberOfSetsFn>);
static_assert(std::is_same_v<decltype(&GetSetName), GetSetNameFn>);
static_assert(std::is_same_v<decltype(&IsValidExchg0), IsValidExchg0Fn>);
static_assert(std::is_same_v<decltype(&SetupSet0), SetupSet0Fn>);
static_assert(std::is_same_v<decltype(&ResetStats0), ResetStats0Fn>);
static_assert(std::is_same_v<decltype(&AddData0), AddData0Fn>);
static_assert(std::is_same_v<decltype(&RemoveData0), RemoveData0Fn>);
static_assert(std::is_same_v<decltype(&CheckCall0), CheckCall0Fn>);
static_assert(std::is_same_v<decltype(&GetResult0), GetResult0Fn>);
