#!/usr/bin/env bash
# Every window's `show WINDOW --format json` on the shipped history, once
# without and once with the shipped results, against the SHA-256 sums in
# tests/reference/show_json.sha256. When a sum differs, the same windows on
# the first 700 draws are set against their JSON kept whole in
# show_json_short.tar.xz, and the first differing values of each are shown.
#
#   show_json.sh CLI            compare (what CTest runs); exit 1 on any difference
#   show_json.sh CLI --update   rewrite the sums and the short JSON from what CLI prints now
#
# A change that is meant to change a window's output: run with --update and
# commit the new sums with the change. KEEP=1 keeps the printed files.
set -euo pipefail
cli="$1"
mode="${2:-check}"
here="$(cd "$(dirname "$0")" && pwd)"
data="$here/../../data"
sums="$here/show_json.sha256"
short="$here/show_json_short.tar.xz"

work="$(mktemp -d "${TMPDIR:-/tmp}/n3-show-json.XXXXXX")"
[ "${KEEP:-}" = 1 ] || trap 'rm -rf "$work"' EXIT
# The prediction and the windows with options read the settings file: none
# here ($work/none.ini), so every window prints with its options off, wherever this runs.

# The window names as `show ?` lists them, one a line.
windows=()
while IFS= read -r line; do
  [ -n "$line" ] && windows+=("${line#  }")
done < <("$cli" --db "$work/names.db" show '?' 2>/dev/null || true)
[ "${#windows[@]}" -gt 0 ] || { echo "the CLI listed no windows" >&2; exit 1; }

"$cli" --db "$work/history.db" import "$data/numbers3-history.csv" >/dev/null 2>&1
cp "$work/history.db" "$work/results.db"
"$cli" --db "$work/results.db" import "$data/numbers3-results.csv" >/dev/null 2>&1

mkdir -p "$work/out/history" "$work/out/results"
# Each window in a process of its own, as many at once as there are
# processors; a window that fails to print fails the run.
for db in history results; do
  for w in "${windows[@]}"; do
    printf '%s\0%s\0' "$db" "$w"
  done
done | xargs -0 -n 2 -P "$(nproc 2>/dev/null || echo 2)" sh -c \
  'exec "$0" --db "$1/$2.db" show "$3" --settings "$1/none.ini" --format json >"$1/out/$2/$3.json"' \
  "$cli" "$work"
(cd "$work/out" && LC_ALL=C find . -name '*.json' | LC_ALL=C sort | sed 's|^\./||' | tr '\n' '\0' |
  xargs -0 sha256sum) >"$work/sums"

# Every window on the first 700 draws (with and without their results) into
# $work/short: the JSON the archive keeps whole.
print_short() {
  local db w
  head -n 701 "$data/numbers3-history.csv" >"$work/short-history.csv"
  head -n 701 "$data/numbers3-results.csv" >"$work/short-results.csv"
  "$cli" --db "$work/short-history.db" import "$work/short-history.csv" >/dev/null 2>&1
  cp "$work/short-history.db" "$work/short-results.db"
  "$cli" --db "$work/short-results.db" import "$work/short-results.csv" >/dev/null 2>&1
  mkdir -p "$work/short/history" "$work/short/results"
  for db in history results; do
    for w in "${windows[@]}"; do
      "$cli" --db "$work/short-$db.db" show "$w" --settings "$work/none.ini" --format json >"$work/short/$db/$w.json"
    done
  done
}

if [ "$mode" = --update ]; then
  cp "$work/sums" "$sums"
  echo "wrote $(wc -l <"$sums") sums to $sums"
  print_short
  python3 "$here/json_lines.py" write "$short" "$work/short"
  exit 0
fi
if ! diff -u "$sums" "$work/sums"; then
  echo "the JSON of the windows above differs from the reference (lines with - are the reference)." >&2
  print_short
  echo "The same windows on the first 700 draws, value by value:" >&2
  if python3 "$here/json_lines.py" compare "$short" "$work/short" >&2; then
    echo "  (no difference there: it lies in the later draws; KEEP=1 keeps the printed files)" >&2
  fi
  echo "if the change is meant, run: $0 $cli --update" >&2
  [ "${KEEP:-}" = 1 ] && echo "printed files: $work/out" >&2
  exit 1
fi
echo "$(wc -l <"$sums") window outputs match the reference"
