// The contest flow on generated logs of 1 000, 10 000 and 100 000 QSOs:
//   Replay     ResetStats0, AddData0 for every QSO, one GetResult0 (the host's export pass
//              and the start of every evaluation); should grow linearly with the log.
//   GetResult  one GetResult0 on the full log (the host asks after every QSO).
//   CheckCall  one CheckCall0 on the full log (the host asks on every keystroke).
// Runs in a fresh folder of its own, which holds the points file and receives err.txt and
// the settings file.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/posix/scripted_seams.h"
#include "plugin/stats_api.h"
#include "rules/ole_date_time.h"

extern "C" {
std::remove_pointer_t<ResetStats0Fn> ResetStats0;
std::remove_pointer_t<AddData0Fn> AddData0;
std::remove_pointer_t<CheckCall0Fn> CheckCall0;
std::remove_pointer_t<GetResult0Fn> GetResult0;
}

namespace {

constexpr const char* kJunk = "ignored";

struct GeneratedQso {
  std::string call, mode, serial, exch, country, band;
  HostDateTime time;
  unsigned freqHz;
};

// A log as a contest produces it: a QSO every 20 seconds, Russian stations from every call
// area and some foreign ones, both modes on all six bands, and callers worked again on
// other bands, in the other mode, and now and then as a dupe.
std::vector<GeneratedQso> GenerateLog(int count) {
  static const char* const kPrefixes[] = {"RA", "UA", "RK", "RW", "RZ", "UA", "RN"};
  static const char* const kBands[] = {"160m", "80m", "40m", "20m", "15m", "10m"};
  static const unsigned kBandHz[] = {1830000, 3550000, 7020000, 14025000, 21025000, 28025000};
  std::mt19937 rng(7);
  const int stations = count / 4 + 50;
  const OleDateTime start = OleDateTime::FromParts(2026, 2, 7, 0, 0, 0);
  std::vector<GeneratedQso> log;
  log.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const int station = static_cast<int>(rng() % stations);
    GeneratedQso q;
    if (station % 10 == 9) {
      q.call = "DL" + std::to_string(station % 10) + "Q" + std::to_string(station);
      q.country = "DL";
    } else {
      q.call = std::string(kPrefixes[station % 7]) + static_cast<char>('0' + station % 10) +
               static_cast<char>('A' + station % 26) + "A" + std::to_string(station / 260);
      q.country = station % 10 >= 8 ? "UA9" : "UA";
    }
    const int band = static_cast<int>(rng() % 6);
    q.band = kBands[band];
    q.freqHz = kBandHz[band] + static_cast<unsigned>(rng() % 20000);
    q.mode = rng() % 3 == 0 ? "SSB" : "CW";
    q.serial = std::to_string(1000 + i % 9000).substr(1);
    q.exch = std::to_string(1 + station % 7) + std::to_string(100 + station % 900);
    q.time = HostDateTime{start.Days() + i * 20.0 / 86400.0, 0};
    log.push_back(std::move(q));
  }
  return log;
}

const std::vector<GeneratedQso>& LogOf(int count) {
  static std::vector<std::vector<GeneratedQso>> logs(3);
  const size_t slot = count == 1000 ? 0 : count == 10000 ? 1 : 2;
  if (logs[slot].empty()) logs[slot] = GenerateLog(count);
  return logs[slot];
}

int Reset() {
  HostDateTime t1 = HostDateTime{OleDateTime::FromParts(2026, 2, 7, 0, 0, 0).Days(), 0};
  HostDateTime t2 = t1;
  return ResetStats0(kJunk, 0, "UA3AAA", &t1, &t2, kJunk, kJunk, kJunk, kJunk, kJunk, kJunk,
                     kJunk, kJunk, kJunk, kJunk, 0, 0, 0, 0.0, 0.0, kJunk, kJunk, kJunk);
}

void AddAll(const std::vector<GeneratedQso>& log) {
  HostDateTime other{0.0, 0};
  for (const GeneratedQso& q : log) {
    HostDateTime time = q.time;
    AddData0("UA3AAA", q.call.c_str(), &time, &other, &other, &other, 0, q.freqHz,
             q.mode.c_str(), "599", "599", q.serial.c_str(), q.exch.c_str(), kJunk, kJunk, kJunk,
             kJunk, kJunk, kJunk, kJunk, kJunk, kJunk, q.country.c_str(), 0, 0, 0, 0.0, 0.0,
             kJunk, kJunk, kJunk, q.band.c_str(), kJunk);
  }
}

void LoadLog(int count) {
  if (Reset() != 1) std::abort();
  AddAll(LogOf(count));
  int host = 0;
  GetResult0(&host);
}

void Replay(benchmark::State& state) {
  const std::vector<GeneratedQso>& log = LogOf(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    if (Reset() != 1) state.SkipWithError("no points file");
    AddAll(log);
    int host = 0;
    benchmark::DoNotOptimize(GetResult0(&host));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(Replay)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void GetResult(benchmark::State& state) {
  LoadLog(static_cast<int>(state.range(0)));
  int host = 0;
  for (auto _ : state) benchmark::DoNotOptimize(GetResult0(&host));
}
BENCHMARK(GetResult)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void CheckCall(benchmark::State& state) {
  LoadLog(static_cast<int>(state.range(0)));
  platform::SetUtcHourProvider([] { return 12; });
  // A logged call on its band, one on another band, a new Russian and a new foreign one.
  const char* const calls[][3] = {{LogOf(static_cast<int>(state.range(0)))[0].call.c_str(), "UA", "40m"},
                                  {"RA3DAA", "UA", "15m"},
                                  {"UA0QQQ", "UA9", "20m"},
                                  {"JA1XYZ", "JA", "10m"}};
  size_t i = 0;
  for (auto _ : state) {
    const char* const* c = calls[i++ % 4];
    benchmark::DoNotOptimize(CheckCall0(c[0], 0, 0, "CW", kJunk, kJunk, kJunk, kJunk, kJunk,
                                        kJunk, kJunk, kJunk, kJunk, c[1], 0, 0, 0, 0.0, 0.0,
                                        kJunk, kJunk, kJunk, kJunk, kJunk, c[2], nullptr,
                                        nullptr, nullptr));
  }
}
BENCHMARK(CheckCall)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// The rows of the own zone (2) and its neighbours, as the operator installs them.
constexpr char kPointsFile[] =
    "  1  2  3  4  5  6  7\r\n"
    "  2  1  2  3  4  5  6\r\n"
    "  3  2  1  2  3  4  5\r\n";

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  const fs::path previous = fs::current_path();
  const fs::path dir = fs::temp_directory_path() / ("zarl-bench-" + std::to_string(std::random_device{}()));
  fs::create_directories(dir / "Plugins");
  std::ofstream(dir / "Plugins" / "Points_ZARL.txt", std::ios::binary) << kPointsFile;
  fs::current_path(dir);

  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  fs::current_path(previous);
  fs::remove_all(dir);
  return 0;
}
