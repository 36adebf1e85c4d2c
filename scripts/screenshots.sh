#!/usr/bin/env bash
# Renders every window under Xvfb into docs/: each window on the first 300
# draws of the real history, and the main window on the whole history.
#   scripts/screenshots.sh [BUILD_DIR] [HISTORY_CSV]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-test}
history=${2:-../shared/data/numbers3-history.csv}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bin="$build/bin"
head -301 "$history" > "$work/h300.csv"
"$bin/numbers3zubarin-cli" --db "$work/d300.db" import "$work/h300.csv" 2>/dev/null
shot() { xvfb-run -a -s "-screen 0 1600x1000x24" "$bin/numbers3zubarin-screenshot" --settings "$work/s.ini" "$@" 2>/dev/null; }
# The analyses are the windows of the data-analysis menu, as the program lists them.
mapfile -t analyses < <("$bin/numbers3zubarin-cli" windows データ分析)
[ ${#analyses[@]} -gt 0 ] || { echo "screenshots: numbers3zubarin-cli windows listed nothing" >&2; exit 1; }
windows=(一発ズバリン 当選データ入力 "${analyses[@]}" バージョン情報)
for w in "${windows[@]}"; do
  rm -f "$work/s.ini"
  shot --db "$work/d300.db" --size 1000x800 --out "$work/full.png" "$w"
  [ "$w" = 当選データ入力 ] && w=entry-window
  # The window alone: below the menu bar, the grey of the empty area trimmed.
  convert "$work/full.png" -crop 1000x800+0+18 +repage -fuzz 2% -trim +repage "docs/$w.png"
done
# The whole history brought in as a user would: the import menu command into
# an empty database, "Yes" to the reload, then the frequency chart beside
# the prediction.
rm -f "$work/s.ini"
shot --db "$work/empty.db" --size 1400x820 --out docs/main-window.png --answer-file "$history" \
     importCsv 出現頻度分析 tileVertical
# The result list on the shipped history and results.
"$bin/numbers3zubarin-cli" --db "$work/bundled.db" import-bundled 2>/dev/null
rm -f "$work/s.ini"
shot --db "$work/bundled.db" --size 930x535 --out docs/当選結果一覧.png 当選結果一覧
# 数字検索 on 919 over the whole shipped history, and the next-draw card with the shipped results.
rm -f "$work/s.ini"
shot --db "$work/bundled.db" --size 1000x800 --out "$work/full.png" --number 919 数字検索
convert "$work/full.png" -crop 1000x800+0+18 +repage -fuzz 2% -trim +repage docs/数字検索.png
rm -f "$work/s.ini"
shot --db "$work/bundled.db" --size 1000x800 --out "$work/full.png" 次回の抽せん
convert "$work/full.png" -crop 1000x800+0+18 +repage -fuzz 2% -trim +repage docs/次回の抽せん.png
# 予想の検証 as it opens at 1366×768 on the shipped history and results:
# the verdict and 回収率 in view.
rm -f "$work/s.ini"
shot --db "$work/bundled.db" --size 1366x768 --out docs/予想の検証.png 予想の検証
# A printed chart beside its preview: 数字合計分析 printed from its グラフ tab.
rm -f "$work/s.ini"
shot --db "$work/bundled.db" --size 1366x768 --charts --preview docs/print-chart-preview.png --out "$work/full.png" 数字合計分析
"$bin/numbers3zubarin-cli" --db "$work/bundled.db" print 数字合計分析 --pdf "$work/sum.pdf" 2>/dev/null
last=$(pdfinfo "$work/sum.pdf" | awk '/^Pages:/{print $2}')
pdftoppm -f "$last" -l "$last" -r 80 -png -singlefile "$work/sum.pdf" docs/print-chart-paper
# The digit views over the whole shipped history and results (ミニ分析 also with its chart).
for w in 曜日月別分析 ミニ分析 ペア分析; do
  rm -f "$work/s.ini"
  shot --db "$work/bundled.db" --size 1200x820 --out "$work/full.png" "$w"
  convert "$work/full.png" -crop 1200x820+0+18 +repage -fuzz 2% -trim +repage "docs/$w.png"
done
rm -f "$work/s.ini"
shot --db "$work/bundled.db" --size 1200x820 --charts --out "$work/full.png" ミニ分析
convert "$work/full.png" -crop 1200x820+0+18 +repage -fuzz 2% -trim +repage docs/ミニ分析-グラフ.png
# The draw update: its progress dialog and summary.
scripts/update_screenshots.sh "$build"
echo "docs/: ${#windows[@]} windows, main-window.png, 当選結果一覧.png, 数字検索.png, 次回の抽せん.png, the digit views and the update"
