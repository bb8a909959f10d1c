#pragma once
// The host's statistics plug-in interface: the C signatures of the ten entry points, shared
// by the plug-in (which defines them) and by the host simulator (which calls them through
// pointers of exactly these types). 32-bit cdecl; strings are ANSI (code page 1251).
#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define ZARL_CDECL __cdecl
#else
#define ZARL_CDECL
#endif

// The host's date-time object as it lies in memory: the OLE automation date followed by a
// 32-bit status (0 valid, 1 invalid, 2 null). The plug-in only reads it.
struct HostDateTime {
  double m_dt;
  int32_t m_status;
};

extern "C" {
using GetNumberOfSetsFn = int(ZARL_CDECL*)();
using GetExchgCount0Fn = int(ZARL_CDECL*)(const char*, const char*, const char*);
using GetSetNameFn = const char*(ZARL_CDECL*)(int set);
using SetupSet0Fn = void(ZARL_CDECL*)();
using IsValidExchg0Fn = int(ZARL_CDECL*)(const char* exchange, const char*, const char*,
                                          const char*, int, int, int);
using GetResult0Fn = const char*(ZARL_CDECL*)(int* exportDone);

// ResetStats0: 1 ignored, 2 export-pass flag, 3 own callsign, 4 contest date-time,
// 5 second contest date-time, 6-15 strings, 16-18 ints, 19-20 doubles, 21-23 strings.
using ResetStats0Fn = int(ZARL_CDECL*)(const char*, int exportPass, const char* ownCall,
                                        HostDateTime* contestTime, HostDateTime* contestTime2,
                                        const char*, const char*, const char*, const char*,
                                        const char*, const char*, const char*, const char*,
                                        const char*, const char*, int, int, int, double, double,
                                        const char*, const char*, const char*);

// AddData0 / RemoveData0: 1 own call, 2 worked call, 3 QSO time, 4-6 ignored times,
// 7 ignored, 8 frequency in Hz, 9 mode, 10 RST sent, 11 RST received, 12 serial sent,
// 13 exchange received, 14-22 ignored, 23 country prefix, 24-26 ints, 27-28 doubles,
// 29-31 ignored, 32 band, 33 ignored.
using QsoDataFn = int(ZARL_CDECL*)(
    const char* ownCall, const char* call, HostDateTime* time, HostDateTime*, HostDateTime*,
    HostDateTime*, unsigned, unsigned freqHz, const char* mode, const char* rstSent,
    const char* rstRcvd, const char* serialSent, const char* exchRcvd, const char*, const char*,
    const char*, const char*, const char*, const char*, const char*, const char*, const char*,
    const char* country, int, int, int, double, double, const char*, const char*, const char*,
    const char* band, const char*);
using AddData0Fn = QsoDataFn;
using RemoveData0Fn = QsoDataFn;

// CheckCall0: 1 callsign being typed, 2-3 ignored, 4 mode (ignored), 5-13 ignored,
// 14 country prefix, 15-17 ints, 18-19 doubles, 20-24 ignored, 25 band, 26 second band
// (may be null), 27-28 host buffers that are never written.
using CheckCall0Fn = int(ZARL_CDECL*)(const char* call, unsigned, unsigned, const char* mode,
                                       const char*, const char*, const char*, const char*,
                                       const char*, const char*, const char*, const char*,
                                       const char*, const char* country, int, int, int, double,
                                       double, const char*, const char*, const char*,
                                       const char*, const char*, const char* band,
                                       const char* band2, char*, char*);
}

// The export table: decorated name (ordinals 1-10), then the plain name of the same code
// (ordinals 11-20). Both names of a pair reach one function.
struct StatsExport {
  int decoratedOrdinal;
  const char* decoratedName;
  int plainOrdinal;
  const char* plainName;
};

inline constexpr StatsExport kStatsExports[] = {
    {1, "?AddData0@@YAHPBD0PAVCOleDateTime@ATL@@111II000000000000000HHHNN00000@Z", 11, "AddData0"},
    {2, "?CheckCallFunc0@@YAHPBDII00000000000HHHNN0000000PAD1@Z", 12, "CheckCall0"},
    {3, "?GetNumberOfSets@@YAHXZ", 14, "GetNumberOfSets"},
    {4, "?GetResult0@@YAPBDPAH@Z", 15, "GetResult0"},
    {5, "?GetSetName@@YAPBDH@Z", 16, "GetSetName"},
    {6, "?RemoveData0@@YAHPBD0PAVCOleDateTime@ATL@@111II000000000000000HHHNN00000@Z", 18, "RemoveData0"},
    {7, "?ResetStats0@@YAHPBDH0PAVCOleDateTime@ATL@@10000000000HHHNN000@Z", 19, "ResetStats0"},
    {8, "?SetupSet0@@YAXXZ", 20, "SetupSet0"},
    {9, "?StatsGetExchgCount0@@YAHPBD00@Z", 13, "GetExchgCount0"},
    {10, "?StatsIsValidExchg0@@YAHPBD000HHH@Z", 17, "IsValidExchg0"},
};
