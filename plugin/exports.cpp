// The plug-in's C boundary. Each entry point checks what it reads, hands the work to the
// contest code and returns the host's code; no exception crosses into the host.
#include <cstring>
#include <exception>
#include <type_traits>

#include "plugin/module_state.h"
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

ZARL_EXPORT void ZARL_CDECL SetupSet0() {}

ZARL_EXPORT int ZARL_CDECL ResetStats0(const char*, int, const char*, HostDateTime*,
                                       HostDateTime*, const char*, const char*, const char*,
                                       const char*, const char*, const char*, const char*,
                                       const char*, const char*, const char*, int, int, int,
                                       double, double, const char*, const char*, const char*) {
  return 1;
}

ZARL_EXPORT int ZARL_CDECL AddData0(const char*, const char*, HostDateTime*, HostDateTime*,
                                    HostDateTime*, HostDateTime*, unsigned, unsigned,
                                    const char*, const char*, const char*, const char*,
                                    const char*, const char*, const char*, const char*,
                                    const char*, const char*, const char*, const char*,
                                    const char*, const char*, const char*, int, int, int,
                                    double, double, const char*, const char*, const char*,
                                    const char*, const char*) {
  return 0;
}

ZARL_EXPORT int ZARL_CDECL RemoveData0(const char*, const char*, HostDateTime*, HostDateTime*,
                                       HostDateTime*, HostDateTime*, unsigned, unsigned,
                                       const char*, const char*, const char*, const char*,
                                       const char*, const char*, const char*, const char*,
                                       const char*, const char*, const char*, const char*,
                                       const char*, const char*, const char*, int, int, int,
                                       double, double, const char*, const char*, const char*,
                                       const char*, const char*) {
  return 1;
}

ZARL_EXPORT int ZARL_CDECL CheckCall0(const char*, unsigned, unsigned, const char*,
                                      const char*, const char*, const char*, const char*,
                                      const char*, const char*, const char*, const char*,
                                      const char*, const char*, int, int, int, double, double,
                                      const char*, const char*, const char*, const char*,
                                      const char*, const char*, const char*, char*, char*) {
  return 1;
}

ZARL_EXPORT const char* ZARL_CDECL GetResult0(int*) {
  return Guarded<const char*>("", [] { return g_ResultText.c_str(); });
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
