#!/usr/bin/env bash
# Pictures of "最新の当選データを取得" for docs/: the shipped history (to
# draw 7053) brought to 7060 from a local server serving the bank's files.
#   scripts/update_screenshots.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-test}
bin="$build/bin"
work=$(mktemp -d)
server_pid=
cleanup() { [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
mkdir "$work/www"
python3 scripts/make_bank_files.py "$work/www"
python3 tests/support/draw_server.py "$work/www" > "$work/port" &
server_pid=$!
for _ in $(seq 50); do [ -s "$work/port" ] && break; sleep 0.1; done
"$bin/numbers3zubarin-cli" --db "$work/n3.db" import-bundled 2>/dev/null
printf '更新元=http://127.0.0.1:%s/\r\n' "$(head -1 "$work/port")" > "$work/s.ini"
xvfb-run -a -s "-screen 0 1600x1000x24" "$bin/numbers3zubarin-update-screenshot" --db "$work/n3.db" \
  --settings "$work/s.ini" --progress docs/update-progress.png --summary docs/update-summary.png 2>/dev/null
