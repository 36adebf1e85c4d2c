#!/usr/bin/env bash
# Lists the lines under src/ that still assume a three-digit number instead
# of asking the game (core/game.h, core/number_rules.*): thousand-sized
# tables, 999, / 100 and % 10 on a number, the third digit's column, 「3桁」,
# kAllNumberCount and three-place loops. The rules module itself is left out.
# Prints the lines, then their count and the files they are in.
set -euo pipefail
cd "$(dirname "$0")/.."
pattern='\b1000\b|\b999\b|/ ?100\b|% ?10\b|第3数字|3桁|kAllNumberCount|< ?3;|, 3>'
lines=$(grep -rnE "$pattern" src --include='*.cpp' --include='*.h' | grep -v '^src/core/number_rules' || true)
[ -n "$lines" ] && printf '%s\n' "$lines"
count=$(printf '%s' "$lines" | grep -c . || true)
files=$(printf '%s' "$lines" | cut -d: -f1 | sort -u | grep -c . || true)
echo "$count lines in $files files"
