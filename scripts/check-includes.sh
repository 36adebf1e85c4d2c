#!/usr/bin/env bash
# Fails when a project include walks with "..": every include names its file
# from a library's include root ("core/draw.h"), so that the floors a
# library names are the only ones it can reach. `..` would step past a root
# ("core/../analysis/pull.h") or around it ("../analysis/pull.h").
#   scripts/check-includes.sh [FOLDER]   (default: the repository)
set -euo pipefail
root=${1:-"$(dirname "$0")/.."}
cd "$root"
folders=()
for f in src tests fuzz benchmarks; do [ -d "$f" ] && folders+=("$f"); done
[ ${#folders[@]} -gt 0 ] || { echo "includes: no source folders under $root" >&2; exit 2; }
# An #include whose quoted or bracketed name has ".." as a path part.
pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]*[/\\])?\.\.([/\\][^>"]*)?[>"]'
if found=$(grep -rnE --include='*.cpp' --include='*.h' --include='*.hpp' --include='*.cc' "$pattern" "${folders[@]}"); then
  echo "includes: these include with \"..\"; name the file from its floor's root instead:" >&2
  echo "$found" >&2
  exit 1
fi
count=$(find "${folders[@]}" \( -name '*.cpp' -o -name '*.h' -o -name '*.hpp' -o -name '*.cc' \) -type f | wc -l)
echo "includes: ${count} files, none includes with \"..\""
