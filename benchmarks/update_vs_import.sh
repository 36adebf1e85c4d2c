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
python3 - "$work/www" <<'PY'
import sys, os
folder = sys.argv[1]
draws = {7054: ("048", 21), 7055: ("315", 24), 7056: ("902", 25), 7057: ("777", 26),
         7058: ("160", 27), 7059: ("483", 28), 7060: ("519", 31)}
def reiwa(y, m, d): return "令和%d年%d月%d日" % (y - 2018, m, d)
for no, (digits, day) in draws.items():
    triple = len(set(digits)) == 1
    t = "A50\r\n第%d回ナンバーズ,数字選択式全国自治宝くじ,%s,東京 宝くじドリーム館\r\n" % (no, reiwa(2026, 8, day))
    t += "支払期間,%sから%sまで\r\n" % (reiwa(2026, 9, 1), reiwa(2027, 9, 1))
    t += "ナンバーズ３抽せん数字,%s\r\nストレート,%s,62口,87100円\r\n" % (digits, digits)
    t += ("ボックス,該当なし\r\nセット（ストレート）,該当なし\r\nセット（ボックス）,該当なし\r\n" if triple else
          "ボックス,253口,29000円\r\nセット（ストレート）,162口,58000円\r\nセット（ボックス）,419口,14500円\r\n")
    t += "ミニ,下２ケタ,468口,8700円\r\nナンバーズ４抽せん数字,6916\r\nストレート,6916,10口,905400円\r\nボックス,該当なし\r\n"
    open(os.path.join(folder, "A100%04d.CSV" % no), "wb").write(t.encode("cp932"))
index = "回別\r\n" + "".join("第%d回\r\n" % no for no in sorted(draws, reverse=True))
open(os.path.join(folder, "numbers.csv"), "wb").write(index.encode("cp932"))
PY

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
