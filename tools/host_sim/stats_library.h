#pragma once
// The host's side of the plug-in interface: loads Stats.dll with LoadLibrary, resolves all
// twenty export names with GetProcAddress and calls the entry points through pointers of
// their exact types, as the logging program does.
#include <windows.h>

#include <string>
#include <vector>

#include "plugin/stats_api.h"

// The ten entry points, as reached through their plain names.
struct StatsEntryPoints {
  AddData0Fn AddData0 = nullptr;
  CheckCall0Fn CheckCall0 = nullptr;
  GetNumberOfSetsFn GetNumberOfSets = nullptr;
  GetResult0Fn GetResult0 = nullptr;
  GetSetNameFn GetSetName = nullptr;
  RemoveData0Fn RemoveData0 = nullptr;
  ResetStats0Fn ResetStats0 = nullptr;
  SetupSet0Fn SetupSet0 = nullptr;
  GetExchgCount0Fn GetExchgCount0 = nullptr;
  IsValidExchg0Fn IsValidExchg0 = nullptr;
};

class StatsLibrary {
 public:
  StatsLibrary() = default;
  ~StatsLibrary() { Unload(); }
  StatsLibrary(const StatsLibrary&) = delete;
  StatsLibrary& operator=(const StatsLibrary&) = delete;

  // Loads the DLL and resolves every name. On failure returns false with `error` set and
  // leaves nothing loaded.
  bool Load(const std::string& path, std::string& error);
  void Unload();
  bool IsLoaded() const { return module_ != nullptr; }

  const StatsEntryPoints& Plain() const { return plain_; }
  const StatsEntryPoints& Decorated() const { return decorated_; }

  // Lines describing every decorated/plain pair that does not reach the same code, and
  // every entry point that GetProcAddress by ordinal does not find at its name's address.
  std::vector<std::string> PairProblems() const;

 private:
  HMODULE module_ = nullptr;
  StatsEntryPoints plain_;
  StatsEntryPoints decorated_;
};

// The host's date-time object for a UTC date and time.
HostDateTime MakeHostTime(int year, int month, int day, int hour, int minute, int second = 0);

// Arguments of one logged QSO, as the host fills them for AddData0 and RemoveData0; the
// arguments the plug-in ignores get texts and numbers it must not be disturbed by.
struct QsoCall {
  std::string ownCall = "UA3AAA";
  std::string call;
  HostDateTime time{};
  unsigned freqHz = 0;
  std::string mode = "CW";
  std::string rstSent = "599";
  std::string rstRcvd = "599";
  std::string serialSent = "001";
  std::string exchRcvd;
  std::string country = "UA";
  std::string band = "40m";
};
// Calls AddData0 or RemoveData0 (they take the same arguments).
int CallQsoData(QsoDataFn fn, const QsoCall& q);

struct CheckCallArgs {
  std::string call;
  std::string country = "UA";
  std::string band = "40m";
  const char* band2 = nullptr;  // may be null, as the host sometimes passes
};
// `buffersUntouched`, when given, tells whether the two host buffers came back unchanged.
int CallCheckCall0(CheckCall0Fn fn, const CheckCallArgs& a, bool* buffersUntouched = nullptr);

struct ResetArgs {
  int exportPass = 0;
  std::string ownCall = "UA3AAA";
  HostDateTime contestTime{};
  HostDateTime contestTime2{};
};
int CallResetStats0(ResetStats0Fn fn, const ResetArgs& a);
