#!/usr/bin/env bash
# Every parameterised test shows its parameter by name, never as the bytes
# of the object (which hold pointers and differ from one build to the next).
#   tests/layering/readable_test_names.sh TEST_PROGRAM...
set -uo pipefail
status=0
for program in "$@"; do
  listed=$(QT_QPA_PLATFORM=offscreen "$program" --gtest_list_tests) || { echo "FAIL: $program lists no tests"; exit 1; }
  if raw=$(grep -E "byte object" <<<"$listed"); then
    echo "FAIL: $(basename "$program") shows parameters as bytes; give their type a PrintTo:"
    echo "$raw"
    status=1
  else
    echo "ok: $(basename "$program"): $(grep -c "GetParam" <<<"$listed") parameterised tests named"
  fi
done
exit $status
