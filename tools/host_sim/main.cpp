// host_sim: plays the logging program's part against a built Stats.dll.
//   host_sim exports [Stats.dll]   resolve all twenty names and check the pairs
//   host_sim smoke [Stats.dll]     call every entry point in a short contest and print what
//                                  each returned, plus the files the plug-in wrote; the mode
//                                  dialog of SetupSet0 is cancelled as an operator would
//   host_sim exit-with-windows [Stats.dll]
//                                  start the status windows, then end the process while they
//                                  are open, without unloading the library first
// Run it in a working folder of its own: the plug-in writes err.txt and Plugins\ZARL.ini
// there. The smoke transcript is byte-comparable between the 32- and 64-bit builds.
#include <atomic>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "tools/host_sim/stats_library.h"
#include "tools/host_sim/window_driver.h"

namespace {

std::string FileBytes(const char* path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "(none)";
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Prints `text` with control characters made visible, so transcripts diff cleanly.
void PrintEscaped(const char* label, const std::string& text) {
  std::printf("%s: \"", label);
  for (unsigned char c : text) {
    if (c == '\r') std::printf("\\r");
    else if (c == '\n') std::printf("\\n");
    else if (c == '\t') std::printf("\\t");
    else if (c < 0x20 || c >= 0x7F) std::printf("\\x%02X", c);
    else std::putchar(c);
  }
  std::printf("\"\n");
}

int RunExports(StatsLibrary& lib) {
  const auto problems = lib.PairProblems();
  for (const auto& p : problems) std::printf("PROBLEM: %s\n", p.c_str());
  std::printf("%zu names resolved, %s\n", sizeof(kStatsExports) / sizeof(kStatsExports[0]) * 2,
              problems.empty() ? "pairs OK" : "pairs FAILED");
  return problems.empty() ? 0 : 1;
}

// "Вид излучения", the mode dialog's caption.
const std::wstring kModeDialogCaption =
    L"\u0412\u0438\u0434 \u0438\u0437\u043b\u0443\u0447\u0435\u043d\u0438\u044f";

// Runs SetupSet0 with a second thread that presses the mode dialog's Cancel button. Without a
// display the dialog cannot open and SetupSet0 returns by itself.
void SetupSet0Cancelled(const StatsEntryPoints& p) {
  std::atomic<bool> returned{false};
  std::thread operatorThread([&returned] {
    while (!returned) {
      if (HWND dialog = WaitForWindow(kModeDialogCaption, 100)) {
        ClickButton(dialog, IDCANCEL);
        return;
      }
    }
  });
  p.SetupSet0();
  returned = true;
  operatorThread.join();
}

ResetArgs SmokeReset() {
  ResetArgs reset;
  reset.ownCall = "UA3AAA";
  reset.contestTime = MakeHostTime(2026, 2, 7, 12, 0);
  reset.contestTime2 = MakeHostTime(2026, 2, 8, 12, 0);
  return reset;
}

// The host ends while the status windows are open: the process exits with the library
// still loaded, which must not hang in the library's unload.
int RunExitWithWindows(StatsLibrary& lib) {
  std::printf("ResetStats0=%d\n", CallResetStats0(lib.Plain().ResetStats0, SmokeReset()));
  const bool open = WaitForWindow(L"Zone", 10000) != nullptr;
  std::printf("zone window %s\n", open ? "open" : "missing");
  std::fflush(stdout);
  ExitProcess(open ? 0 : 3);
}

int RunSmoke(StatsLibrary& lib) {
  const StatsEntryPoints& p = lib.Plain();
  const StatsEntryPoints& d = lib.Decorated();
  std::printf("GetNumberOfSets=%d/%d\n", p.GetNumberOfSets(), d.GetNumberOfSets());
  std::printf("GetExchgCount0(null)=%d/%d\n", p.GetExchgCount0(nullptr, nullptr, nullptr),
              d.GetExchgCount0(nullptr, nullptr, nullptr));
  std::printf("GetSetName(0)=\"%s\" GetSetName(1)=\"%s\"\n", p.GetSetName(0), d.GetSetName(1));
  for (const char* exch : {"0001", "0000", "12a4", "12345", "5015"}) {
    std::printf("IsValidExchg0(%s)=%d/%d\n", exch, p.IsValidExchg0(exch, "", "", "", 0, 0, 0),
                d.IsValidExchg0(exch, "", "", "", 0, 0, 0));
  }
  SetupSet0Cancelled(p);
  std::printf("SetupSet0 returned\n");

  std::printf("ResetStats0=%d\n", CallResetStats0(p.ResetStats0, SmokeReset()));

  const struct {
    const char* call;
    const char* country;
    const char* band;
    const char* mode;
    const char* exch;
    int minute;
  } qsos[] = {
      {"RA9XYZ", "UA9", "40m", "CW", "3001", 1},  {"UA1ABC", "UA", "80m", "SSB", "1002", 2},
      {"DL1ABC", "DL", "20m", "CW", "5003", 3},   {"RA9XYZ", "UA9", "40m", "CW", "3004", 4},
      {"UA6XX", "UA", "30m", "CW", "2005", 5},    {"UA2FZ", "UA2", "15m", "RTTY", "2006", 6},
      {"UA0AAA", "UA9", "10m", "CW", "", 7},      {"UA3DX", "UA", "160m", "CW", "2008", 8},
  };
  for (const auto& q : qsos) {
    QsoCall call;
    call.call = q.call;
    call.country = q.country;
    call.band = q.band;
    call.mode = q.mode;
    call.exchRcvd = q.exch;
    call.time = MakeHostTime(2026, 2, 7, 12, q.minute);
    call.freqHz = 7012345;
    std::printf("AddData0(%s %s %s)=%d\n", q.call, q.band, q.mode, CallQsoData(p.AddData0, call));
  }
  bool untouched = false;
  for (const char* call : {"RA9XYZ", "UA1ZZZ", "DL2XX"}) {
    CheckCallArgs a;
    a.call = call;
    a.country = call[0] == 'D' ? "DL" : "UA";
    std::printf("CheckCall0(%s)=%d", call, CallCheckCall0(p.CheckCall0, a, &untouched));
    std::printf(" buffers %s\n", untouched ? "untouched" : "WRITTEN");
  }
  CheckCallArgs differing;
  differing.call = "RA9XYZ";
  differing.band2 = "80M";
  std::printf("CheckCall0(band 40m vs 80M)=%d\n", CallCheckCall0(p.CheckCall0, differing));

  QsoCall removal;
  removal.call = "DL1ABC";
  removal.country = "DL";
  removal.band = "20m";
  removal.exchRcvd = "5003";
  removal.time = MakeHostTime(2026, 2, 7, 12, 3);
  std::printf("RemoveData0(DL1ABC)=%d\n", CallQsoData(p.RemoveData0, removal));

  int hostInt = 12345;
  PrintEscaped("GetResult0", p.GetResult0(&hostInt));
  std::printf("host int after GetResult0=%d\n", hostInt);
  PrintEscaped("err.txt", FileBytes("err.txt"));
  PrintEscaped("ZARL.ini", FileBytes("Plugins\\ZARL.ini"));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  const std::string dll = argc > 2 ? argv[2] : "Stats.dll";
  if (command != "exports" && command != "smoke" && command != "exit-with-windows") {
    std::fprintf(stderr, "usage: host_sim exports|smoke|exit-with-windows [Stats.dll]\n");
    return 2;
  }
  StatsLibrary lib;
  std::string error;
  if (!lib.Load(dll, error)) {
    std::fprintf(stderr, "host_sim: %s\n", error.c_str());
    return 1;
  }
  if (command == "exit-with-windows") return RunExitWithWindows(lib);
  const int rc = command == "exports" ? RunExports(lib) : RunSmoke(lib);
  lib.Unload();
  std::printf("unloaded\n");
  std::fflush(stdout);
  return rc;
}
