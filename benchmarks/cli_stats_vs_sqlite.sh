#!/usr/bin/env bash
# Times `numbers3zubarin-cli stats` on a 32,767-draw database against the
# sqlite3 shell reading the same history, whole processes, with hyperfine.
#   benchmarks/cli_stats_vs_sqlite.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build-test}
cli="$build/bin/numbers3zubarin-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$work/h.csv" <<'PY'
import random, sys
random.seed(5)
with open(sys.argv[1], "w", newline="") as f:
    f.write("回数,第1数字,第2数字,第3数字\r\n")
    for i in range(1, 32768):
        f.write("%d,%d,%d,%d\r\n" % (i, random.randint(0, 9), random.randint(0, 9), random.randint(0, 9)))
PY
"$cli" --db "$work/d.db" import "$work/h.csv"
command -v hyperfine >/dev/null || { echo "hyperfine is not installed (apt-get install hyperfine)"; exit 1; }
hyperfine -N --warmup 5 --runs 50 \
  "$cli --db $work/d.db stats" \
  "sqlite3 $work/d.db 'select * from 全データ選択クエリ order by 回数'"
