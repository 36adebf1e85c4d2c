#!/usr/bin/env bash
# The include check against planted includes: each of the ways ".." can
# walk past a floor's root makes it fail and names the line; the same tree
# without them passes.
#   tests/layering/planted_dot_dot.sh CHECK_SCRIPT
set -uo pipefail
check=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/src/core" "$work/src/analysis" "$work/tests/logic"
printf '#pragma once\nint Pull();\n' > "$work/src/analysis/pull.h"
printf '#include "core/draw.h"\n#include <vector>\nint Draw() { return 0; }\n' > "$work/src/core/draw.cpp"
failures=0
expect() {  # expect STATUS WHAT
  local status=$1 what=$2 out
  out=$("$check" "$work" 2>&1)
  local got=$?
  if [ "$got" -ne "$status" ]; then
    echo "FAIL: $what: exit $got, expected $status"; echo "$out"; failures=$((failures + 1))
  elif [ "$status" -ne 0 ] && ! grep -q "src/core/planted.cpp:2:" <<<"$out"; then
    echo "FAIL: $what: the planted line is not named"; echo "$out"; failures=$((failures + 1))
  else
    echo "ok: $what"
  fi
}
expect 0 "a clean tree passes"
for planted in '#include "../analysis/pull.h"' '#include "core/../analysis/pull.h"' \
               '  #  include "analysis/../../src/analysis/pull.h"' '#include <core/../analysis/pull.h>' \
               '#include "..\analysis\pull.h"' '#include ".."'; do
  printf '// planted\n%s\n' "$planted" > "$work/src/core/planted.cpp"
  expect 1 "planted: $planted"
done
# Names with dots that do not walk are fine.
printf '// planted\n#include "core/draw.v2.h"\n#include "core/..hidden.h"\n' > "$work/src/core/planted.cpp"
expect 0 "dots inside names"
rm "$work/src/core/planted.cpp"
printf '#include "core/../core/draw.h"\n' > "$work/tests/logic/walk_test.cpp"
if "$check" "$work" >/dev/null 2>&1; then echo "FAIL: a test file's .. passes"; failures=$((failures + 1)); else echo "ok: tests are checked too"; fi
exit $((failures > 0))
