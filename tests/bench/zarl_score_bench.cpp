// The scoring tool end to end on generated ADIF logs of 1 000, 10 000 and 100 000 QSOs:
// read the file, replay it through the plug-in's export pass, build the result text and
// write err.txt and the .cbr, as `zarl_score LOG` does. Should grow linearly with the log.
// Runs in a fresh folder of its own, which holds the log and the points table.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <streambuf>
#include <string>

#include "tools/zarl_score/example_log.h"
#include "tools/zarl_score/options.h"
#include "tools/zarl_score/score_run.h"

namespace {

namespace fs = std::filesystem;

class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

const fs::path& BenchFolder() {
  static const fs::path dir = [] {
    const fs::path d = fs::temp_directory_path() / ("zarl-score-bench-" + std::to_string(::getpid()));
    fs::create_directories(d);
    std::ofstream(d / "Points_ZARL.txt", std::ios::binary)
        << "  1  2  3  4  5  6  7\r\n  2  1  2  3  4  5  6\r\n  3  2  1  2  3  4  5\r\n"
           "  4  3  2  1  2  3  4\r\n  5  4  3  2  1  2  3\r\n  6  5  4  3  2  1  2\r\n"
           "  7  6  5  4  3  2  1\r\n";
    return d;
  }();
  return dir;
}

void EndToEnd(benchmark::State& state) {
  const int records = static_cast<int>(state.range(0));
  zarl_score::ExampleLogShape shape;
  shape.records = records;
  const fs::path log = BenchFolder() / ("log-" + std::to_string(records) + ".adi");
  std::ofstream(log, std::ios::binary) << zarl_score::MakeExampleAdif(shape);

  zarl_score::ScoreOptions options;
  options.logFile = log.string();
  options.outDir = (BenchFolder() / "out").string();
  options.pointsFile = (BenchFolder() / "Points_ZARL.txt").string();
  options.noCty = true;
  NullBuffer nothing;
  std::ostream out(&nothing), err(&nothing);
  for (auto _ : state) {
    if (zarl_score::RunScoring(options, out, err) != 0) state.SkipWithError("the run did not score cleanly");
  }
  state.SetItemsProcessed(state.iterations() * records);
  state.SetComplexityN(records);
  state.counters["bytes_in_log"] = static_cast<double>(fs::file_size(log));
}
BENCHMARK(EndToEnd)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
