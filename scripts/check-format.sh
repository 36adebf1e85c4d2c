#!/usr/bin/env bash
# Fails when a C++ file of the project does not match .clang-format or
# includes with ".." (scripts/check-includes.sh); with --fix, formats them
# in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || ./scripts/install-deps.sh
mapfile -t files < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' \
                                     'fuzz/*.cpp' 'fuzz/*.h' 'benchmarks/*.cpp' 'benchmarks/*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
else
  clang-format --dry-run --Werror "${files[@]}"
  echo "format: ${#files[@]} files match .clang-format"
fi
./scripts/check-includes.sh
python3 ./scripts/check-floors.py
