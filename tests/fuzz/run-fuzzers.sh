#!/usr/bin/env bash
# Builds the libFuzzer targets with the "fuzz" preset and runs each for SECONDS seconds
# (default 5). Exits non-zero when a build or any target fails; a failing input is kept as
# build/fuzz-artifacts/<target>-crash-*. The corpus grows in build/fuzz-corpus/<target>.
#   tests/fuzz/run-fuzzers.sh 5     # quick run, as in the normal test run
#   tests/fuzz/run-fuzzers.sh 600   # longer, on demand
set -euo pipefail

seconds="${1:-5}"
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [[ "$seconds" -eq 0 ]]; then
  echo "usage: $0 SECONDS" >&2
  exit 2
fi

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$root"
fuzzers=(resolve_oblast_fuzzer points_row_fuzzer adif_reader_fuzzer cabrillo_reader_fuzzer)

# The whole tree is configured and built with clang. Should another folder not build with
# it, the fuzz folder still builds on its own: the targets need only rules/ and the log
# readers of tools/zarl_score/.
if cmake --preset fuzz && cmake --build --preset fuzz -j2; then
  bin="build/fuzz/tests/fuzz"
else
  echo "run-fuzzers: the tree does not build with the fuzz preset;" \
       "building tests/fuzz on its own" >&2
  cmake -S tests/fuzz -B build/fuzz-rules -G Ninja -DCMAKE_CXX_COMPILER=clang++
  cmake --build build/fuzz-rules -j2
  bin="build/fuzz-rules"
fi

mkdir -p build/fuzz-artifacts
status=0
for fuzzer in "${fuzzers[@]}"; do
  corpus="build/fuzz-corpus/$fuzzer"
  mkdir -p "$corpus"
  echo "== $fuzzer for ${seconds}s"
  if ! "$bin/$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="build/fuzz-artifacts/$fuzzer-" \
      "$corpus" "tests/fuzz/seeds/$fuzzer"; then
    echo "run-fuzzers: $fuzzer FAILED" >&2
    status=1
  fi
done
exit "$status"
