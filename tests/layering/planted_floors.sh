#!/usr/bin/env bash
# The floor check against planted faults in a small tree: a floor named but
# not used, a floor used but not named (directly, and through a header of a
# named floor) each fail and name the library; the clean tree passes.
#   tests/layering/planted_floors.sh CHECK_SCRIPT
set -uo pipefail
check=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/src/core" "$work/src/stats" "$work/src/analysis"
printf '#pragma once\nstruct Draw {};\n' > "$work/src/core/draw.h"
printf '#pragma once\n#include "core/draw.h"\ndouble Chi(const Draw&);\n' > "$work/src/stats/chi.h"
printf '#include "stats/chi.h"\n#include "core/draw.h"\n' > "$work/src/analysis/pull.cpp"
floors() {  # floors STATS_LINE ANALYSIS_LINE
  printf 'n3_floor(n3_core core)\n%s\n%s\n' "$1" "$2" > "$work/src/CMakeLists.txt"
}
failures=0
expect() {  # expect STATUS WHAT [TEXT]
  local status=$1 what=$2 text=${3:-} out got
  out=$(python3 "$check" "$work" 2>&1); got=$?
  if [ "$got" -ne "$status" ]; then
    echo "FAIL: $what: exit $got, expected $status"; echo "$out"; failures=$((failures + 1))
  elif [ -n "$text" ] && ! grep -qF "$text" <<<"$out"; then
    echo "FAIL: $what: \"$text\" not said"; echo "$out"; failures=$((failures + 1))
  else
    echo "ok: $what"
  fi
}
floors 'n3_floor(n3_stats stats FLOORS n3_core)' 'n3_floor(n3_analysis analysis FLOORS n3_core
  n3_stats)'
expect 0 "a clean tree passes (a call over two lines)"
floors 'n3_floor(n3_stats stats FLOORS n3_core)' 'n3_floor(n3_analysis analysis FLOORS n3_stats)'
expect 1 "core reached through a named floor's header but not named" "n3_analysis: uses but does not name n3_core"
floors 'n3_floor(n3_stats stats FLOORS n3_core n3_analysis)' 'n3_floor(n3_analysis analysis FLOORS n3_core n3_stats)'
expect 1 "a floor named but not used" "n3_stats: names but does not use n3_analysis"
floors 'n3_floor(n3_stats stats)' 'n3_floor(n3_analysis analysis FLOORS n3_core n3_stats)'
expect 1 "a floor used but not named" "n3_stats: uses but does not name n3_core"
exit $((failures > 0))
