#include "tools/host_sim/stats_library.h"

#include <cstdio>

#include "rules/ole_date_time.h"

namespace {

template <typename Fn>
bool Resolve(HMODULE module, const char* name, Fn& out, std::string& error) {
  out = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  if (out == nullptr) {
    error = std::string("GetProcAddress found no ") + name;
    return false;
  }
  return true;
}

// Texts for the arguments the plug-in must ignore.
constexpr const char* kJunk = "ignored";

}  // namespace

bool StatsLibrary::Load(const std::string& path, std::string& error) {
  Unload();
  module_ = LoadLibraryA(path.c_str());
  if (module_ == nullptr) {
    error = "LoadLibrary failed for " + path + " (error " + std::to_string(GetLastError()) + ")";
    return false;
  }
  const auto resolveBoth = [&](int index, auto& plain, auto& decorated) {
    const StatsExport& e = kStatsExports[index];
    return Resolve(module_, e.plainName, plain, error) &&
           Resolve(module_, e.decoratedName, decorated, error);
  };
  const bool ok = resolveBoth(0, plain_.AddData0, decorated_.AddData0) &&
                  resolveBoth(1, plain_.CheckCall0, decorated_.CheckCall0) &&
                  resolveBoth(2, plain_.GetNumberOfSets, decorated_.GetNumberOfSets) &&
                  resolveBoth(3, plain_.GetResult0, decorated_.GetResult0) &&
                  resolveBoth(4, plain_.GetSetName, decorated_.GetSetName) &&
                  resolveBoth(5, plain_.RemoveData0, decorated_.RemoveData0) &&
                  resolveBoth(6, plain_.ResetStats0, decorated_.ResetStats0) &&
                  resolveBoth(7, plain_.SetupSet0, decorated_.SetupSet0) &&
                  resolveBoth(8, plain_.GetExchgCount0, decorated_.GetExchgCount0) &&
                  resolveBoth(9, plain_.IsValidExchg0, decorated_.IsValidExchg0);
  if (!ok) Unload();
  return ok;
}

void StatsLibrary::Unload() {
  if (module_ != nullptr) FreeLibrary(module_);
  module_ = nullptr;
  plain_ = {};
  decorated_ = {};
}

std::vector<std::string> StatsLibrary::PairProblems() const {
  std::vector<std::string> problems;
  for (const StatsExport& e : kStatsExports) {
    const FARPROC plain = GetProcAddress(module_, e.plainName);
    const FARPROC decorated = GetProcAddress(module_, e.decoratedName);
    const FARPROC byPlainOrdinal = GetProcAddress(module_, MAKEINTRESOURCEA(e.plainOrdinal));
    const FARPROC byDecoratedOrdinal =
        GetProcAddress(module_, MAKEINTRESOURCEA(e.decoratedOrdinal));
    if (plain != decorated) problems.push_back(std::string(e.plainName) + ": names differ");
    if (byPlainOrdinal != plain || byDecoratedOrdinal != plain) {
      problems.push_back(std::string(e.plainName) + ": ordinals do not match the names");
    }
  }
  if (GetProcAddress(module_, "GetExchgCount0") != GetProcAddress(module_, "GetNumberOfSets")) {
    problems.push_back("GetExchgCount0 and GetNumberOfSets are separate bodies");
  }
  return problems;
}

HostDateTime MakeHostTime(int year, int month, int day, int hour, int minute, int second) {
  const OleDateTime t = OleDateTime::FromParts(year, month, day, hour, minute, second);
  return HostDateTime{t.Days(), t.GetStatus()};
}

int CallQsoData(QsoDataFn fn, const QsoCall& q) {
  HostDateTime time = q.time;
  HostDateTime other = MakeHostTime(2001, 1, 1, 0, 0);
  return fn(q.ownCall.c_str(), q.call.c_str(), &time, &other, &other, &other, 12345u, q.freqHz,
            q.mode.c_str(), q.rstSent.c_str(), q.rstRcvd.c_str(), q.serialSent.c_str(),
            q.exchRcvd.c_str(), kJunk, kJunk, kJunk, kJunk, kJunk, kJunk, kJunk, kJunk, kJunk,
            q.country.c_str(), -1, 7, 99, 3.5, -2.25, kJunk, kJunk, kJunk, q.band.c_str(), kJunk);
}

int CallCheckCall0(CheckCall0Fn fn, const CheckCallArgs& a, bool* buffersUntouched) {
  char buffer27[64] = "untouched-27";
  char buffer28[64] = "untouched-28";
  const int result = fn(a.call.c_str(), 7u, 8u, "CW", kJunk, kJunk, kJunk, kJunk, kJunk, kJunk, kJunk, kJunk,
            kJunk, a.country.c_str(), 1, 2, 3, 4.5, 5.5, kJunk, kJunk, kJunk, kJunk, kJunk,
            a.band.c_str(), a.band2, buffer27, buffer28);
  if (buffersUntouched != nullptr) {
    *buffersUntouched = std::string(buffer27) == "untouched-27" && std::string(buffer28) == "untouched-28";
  }
  return result;
}

int CallResetStats0(ResetStats0Fn fn, const ResetArgs& a) {
  HostDateTime t1 = a.contestTime;
  HostDateTime t2 = a.contestTime2;
  return fn(kJunk, a.exportPass, a.ownCall.c_str(), &t1, &t2, kJunk, kJunk, kJunk, kJunk, kJunk,
            kJunk, kJunk, kJunk, kJunk, kJunk, 1, 2, 3, 4.5, 5.5, kJunk, kJunk, kJunk);
}
