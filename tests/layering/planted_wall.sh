#!/usr/bin/env bash
# The wall the build keeps (scripts/check-headers-read.py, run after each
# library is archived), against routes from core into analysis planted in a
# copy of the tree: each makes `cmake --build` fail with the wall's message
# naming the file read, and the clean copy builds.
#   tests/layering/planted_wall.sh REPOSITORY GENERATOR [CMAKE_ARGUMENT...]
set -uo pipefail
repository=$1
generator=$2
shift 2
work=$(mktemp -d "${TMPDIR:-/tmp}/n3-wall.XXXXXX")
trap 'rm -rf "$work"' EXIT
for part in CMakeLists.txt LICENSE cmake scripts src packaging; do
  cp -R "$repository/$part" "$work/"
done
rm -f "$work/src/core/planted"*
core="$work/src/core"
# What the routes reach: a header of a floor core does not name.
printf '#pragma once\ninline int PlantedFloor() { return 1; }\n' >"$work/src/analysis/planted_floor.h"
cp "$work/src/CMakeLists.txt" "$work/floors.cmake"

if ! cmake -S "$work" -B "$work/build" -G "$generator" -DN3_BUILD_GUI=OFF -DN3_BUILD_TESTS=OFF \
       -DN3_BUILD_BENCHMARKS=OFF "$@" >"$work/configure.log" 2>&1; then
  cat "$work/configure.log"; exit 1
fi
failures=0
build() { cmake --build "$work/build" --target n3_core -j2 2>&1; }
# plant WHAT CODE [CMAKE_LINES]: core/planted.cpp holds CODE; CMAKE_LINES
# follow core's n3_floor call.
plant() {
  rm -f "$core/planted"*
  cp "$work/floors.cmake" "$work/src/CMakeLists.txt"
  printf '%s\nint Planted() { return PlantedFloor(); }\n' "$2" >"$core/planted.cpp"
  if [ -n "${3:-}" ]; then
    printf '%s\n' "$3" >"$work/lines.cmake"
    sed -i "/^n3_floor(n3_core core)/r $work/lines.cmake" "$work/src/CMakeLists.txt"
  fi
}
expect_wall() {  # expect_wall WHAT FILE_NAMED [again]: with "again", a second build fails too
  local out
  if out=$(build); then
    echo "FAIL: $1: the build passed"; failures=$((failures + 1))
  elif ! grep -q "n3_core: reads files outside" <<<"$out" || ! grep -q "planted.cpp reads .*$2" <<<"$out"; then
    echo "FAIL: $1: the build failed, but not at the wall naming $2"; echo "$out" | tail -n 20
    failures=$((failures + 1))
  elif [ -n "${3:-}" ] && build >/dev/null; then
    echo "FAIL: $1: a second build passed"; failures=$((failures + 1))
  else
    echo "ok: $1"
  fi
}

plant "a clean copy" '#include "core/draw.h"
inline int PlantedFloor() { return 0; }'
if out=$(build); then echo "ok: a clean copy builds"; else
  echo "FAIL: the clean copy does not build"; echo "$out" | tail -n 20; failures=$((failures + 1)); fi

plant x "#include \"$work/src/analysis/planted_floor.h\""
expect_wall "an absolute include path" "analysis/planted_floor.h" again

plant x '#include "core/planted_link.h"'
ln -s ../analysis/planted_floor.h "$core/planted_link.h"
expect_wall "a symlink inside core/" "planted_link.h -> .*src/analysis/planted_floor.h"

plant x '#include "generated/planted_floor.h"' \
  'add_custom_command(OUTPUT ${N3_INCLUDE_ROOT}/n3_core/generated/planted_floor.h
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/analysis/planted_floor.h ${N3_INCLUDE_ROOT}/n3_core/generated/planted_floor.h)
target_sources(n3_core PRIVATE ${N3_INCLUDE_ROOT}/n3_core/generated/planted_floor.h)'
expect_wall "a header generated into core's include folder" "n3-include/n3_core/generated/planted_floor.h"

plant x '#include "analysis/planted_floor.h"' 'target_include_directories(n3_core PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})'
expect_wall "an extra include directory on the target" "analysis/planted_floor.h"

plant x '#define N3_PLANTED "../analysis/planted_floor.h"
#include N3_PLANTED'
expect_wall "#include MACRO" "analysis/planted_floor.h"

plant x '#include /**/ "../analysis/planted_floor.h"'
expect_wall '#include /**/ "../..."' "analysis/planted_floor.h"

plant x '#include "core/planted.inl"'
printf '#include "../analysis/planted_floor.h"\n' >"$core/planted.inl"
expect_wall "an .inl file" "analysis/planted_floor.h"

exit $((failures > 0))
