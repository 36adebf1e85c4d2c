#!/usr/bin/env bash
# The programs start without libcurl: none of them names it among the
# libraries it needs, directly or through another library (the updater opens
# it when an update runs).
#   tests/layering/no_libcurl_needed.sh PROGRAM...
set -uo pipefail
failures=0
for program in "$@"; do
  needed=$(readelf -d "$program" | grep '(NEEDED)')
  if ! grep -q 'libc\.so' <<<"$needed"; then
    echo "FAIL: $program: readelf lists no NEEDED libc (not a dynamic program?)"; failures=$((failures + 1))
  fi
  if grep -i 'curl' <<<"$needed"; then
    echo "FAIL: $program needs libcurl directly"; failures=$((failures + 1))
  fi
  if ldd "$program" | grep -i 'curl'; then
    echo "FAIL: $program maps libcurl through another library"; failures=$((failures + 1))
  fi
done
[ "$failures" -eq 0 ] && echo "no libcurl in: $*"
exit "$failures"
