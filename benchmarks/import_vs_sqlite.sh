#!/usr/bin/env bash
# Times the import of the shipped files (`numbers3zubarin-cli import-bundled`
# into a new database: parse, check, both tables in one transaction) against
# the sqlite3 shell's bare `.import` of the same two files' rows into new
# tables of a new database. Whole processes, with hyperfine. Target: at most 2x.
#   benchmarks/import_vs_sqlite.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build-test}
cli="$build/bin/numbers3zubarin-cli"
data="$build/bin/data"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
command -v hyperfine >/dev/null || { echo "hyperfine is not installed (apt-get install hyperfine)"; exit 1; }
command -v sqlite3 >/dev/null || { echo "sqlite3 is not installed (apt-get install sqlite3)"; exit 1; }
hyperfine -N --warmup 3 --runs 30 \
  --prepare "rm -f $work/a.db" \
  "$cli --db $work/a.db import-bundled" \
  --prepare "rm -f $work/b.db" \
  "sqlite3 $work/b.db -cmd '.mode csv' '.import $data/numbers3-history.csv 当選データ' '.import $data/numbers3-results.csv 当選結果'"
