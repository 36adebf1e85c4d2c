#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, ASan + UBSan) in build-fuzz and
# runs each for SECONDS seconds (default 60) from the seed corpus in
# fuzz/corpus/TARGET. New inputs go to build-fuzz/corpus, never into the
# repository; a finding is written to build-fuzz/findings and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
targets=(history_csv settings_file history_windows ticket_csv results_csv draw_update results_schedule)

command -v clang++ >/dev/null || ./scripts/install-deps.sh
mkdir -p build-fuzz
if ! { cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -UCMAKE_CXX_COMPILER_LAUNCHER &&
       cmake --build build-fuzz -j"$(nproc)"; } >build-fuzz/build.log 2>&1; then
  tail -n 40 build-fuzz/build.log
  exit 1
fi

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The settings target writes a file each run: a memory file system keeps
# that from being the bottleneck.
[ -w /dev/shm ] && export TMPDIR=/dev/shm
mkdir -p build-fuzz/findings
status=0
for t in "${targets[@]}"; do
  work="build-fuzz/corpus/$t"
  mkdir -p "$work"
  log="build-fuzz/$t.log"
  echo "== $t: ${seconds} s"
  if ./build-fuzz/"${t}_fuzz" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$t-" \
       "$work" "fuzz/corpus/$t" >"$log" 2>&1; then
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$log" | sed "s/^/   /"
  else
    echo "   FOUND A FAULT: see $log and build-fuzz/findings/"
    tail -n 30 "$log"
    status=1
  fi
done
exit "$status"
