#!/usr/bin/env bash
# Times `numbers3zubarin-cli update` bringing a database from draw 7053 (the
# shipped history) to 7060 from a local server on 127.0.0.1, against
# `import` of the same seven result files one after another into another
# copy of that database. Prints both times and their ratio; the update's
# floor is its two-requests-a-second limit (eight requests: 3.5 s).
#   benchmarks/update_vs_import.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-test}
runs=${2:-3}
cli="$build/bin/numbers3zubarin-cli"
work=$(mktemp -d)
server_pid=
cleanup() { [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
mkdir "$work/www"

# The seven files and the index, in the bank's shape and encoding.
python3 scripts/make_bank_files.py "$work/www"

python3 tests/support/draw_server.py "$work/www" > "$work/port" &
server_pid=$!
for _ in $(seq 50); do [ -s "$work/port" ] && break; sleep 0.1; done
source="http://127.0.0.1:$(head -1 "$work/port")/"

"$cli" --db "$work/base.db" import-bundled 2>/dev/null
now() { date +%s.%N; }
update_total=0
import_total=0
for run in $(seq "$runs"); do
  cp "$work/base.db" "$work/u.db"
  cp "$work/base.db" "$work/i.db"
  t0=$(now)
  "$cli" --db "$work/u.db" update --source "$source" > /dev/null
  t1=$(now)
  for f in "$work"/www/A100*.CSV; do "$cli" --db "$work/i.db" import "$f" 2>/dev/null; done
  t2=$(now)
  update_total=$(awk "BEGIN{print $update_total + $t1 - $t0}")
  import_total=$(awk "BEGIN{print $import_total + $t2 - $t1}")
done
awk -v u="$update_total" -v i="$import_total" -v n="$runs" 'BEGIN {
  u /= n; i /= n
  printf "update 7053→7060 from 127.0.0.1: %.3f s (8 requests at 2 a second: floor 3.5 s)\n", u
  printf "import of the same 7 files:       %.3f s\n", i
  printf "ratio update / import:            %.1fx\n", u / i
  printf "update beyond the rate floor:     %.3f s (ratio to the import %.2fx)\n", u - 3.5, (u - 3.5) / i
}'
