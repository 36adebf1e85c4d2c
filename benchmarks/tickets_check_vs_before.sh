#!/usr/bin/env bash
# `numbers3zubarin-cli tickets check` on the shipped history and results
# with 20,000 purchases of up to 20 draws each, in every format: processor
# seconds and peak memory of the whole process, each beside the same run of
# an earlier build's CLI when one is given (the reference; goal: no more).
#   benchmarks/tickets_check_vs_before.sh [BUILD_DIR] [EARLIER_CLI]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-test}
cli="$build/bin/numbers3zubarin-cli"
before=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$work/book.csv" <<'PY'
import random, sys
random.seed(11)
kinds = ["ストレート", "ボックス", "セット", "ミニ"]
with open(sys.argv[1], "w", newline="", encoding="utf-8") as f:
    f.write("購入日,最初の回数,継続回数,番号,種類,口数,メモ\r\n")
    for i in range(20000):
        kind = random.choice(kinds)
        digits = 2 if kind == "ミニ" else 3
        while True:
            number = "".join(str(random.randint(0, 9)) for _ in range(digits))
            if kind in ("ボックス", "セット") and len(set(number)) == 1:
                continue
            break
        f.write("1994-10-07,%d,%d,%s,%s,%d,\r\n" % (random.randint(1, 7040), random.randint(1, 20), number, kind,
                                                  random.randint(1, 10)))
PY
"$cli" --db "$work/d.db" import data/numbers3-results.csv >/dev/null 2>&1
"$cli" --db "$work/d.db" tickets import "$work/book.csv" >/dev/null 2>&1
# Best of three: user+system seconds and the peak resident size in MiB.
measure() {
  local best=""
  for _ in 1 2 3; do
    /usr/bin/time -f "%U %S %M" -o "$work/t" "$@" >/dev/null
    best=$(awk -v best="$best" '{cpu = $1 + $2; mib = $3 / 1024;
      if (best == "" || cpu < substr(best, 1, index(best, " ") - 1) + 0) printf "%.3f %.1f", cpu, mib; else print best}' "$work/t")
  done
  echo "$best"
}
printf '%-6s %10s %9s %14s %13s\n' format cpu_s peak_MiB before_cpu_s before_MiB
for format in text csv json; do
  read -r cpu mib <<<"$(measure "$cli" --db "$work/d.db" tickets check --date 2026-01-01 --format "$format")"
  read -r bcpu bmib <<<"$([ -n "$before" ] && measure "$before" --db "$work/d.db" tickets check --date 2026-01-01 --format "$format" || echo "- -")"
  printf '%-6s %10s %9s %14s %13s\n' "$format" "$cpu" "$mib" "$bcpu" "$bmib"
done
