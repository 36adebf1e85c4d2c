#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and runs the installed
# command-line tool as a user would: the executable in a read-only folder,
# HOME and XDG_DATA_HOME in a temporary folder. The database must appear in
# the user's data folder, never beside the executable.
#   install_test.sh BUILD_DIR GUI(0|1)
set -euo pipefail
build=$1
gui=$2
tmp=$(mktemp -d)
cleanup() { chmod -R u+w "$tmp" 2>/dev/null || true; rm -rf "$tmp"; }
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$tmp/root" cmake --install "$build" --prefix /usr >/dev/null
usr="$tmp/root/usr"
bin="$usr/bin"

# What the package holds.
expect=("$bin/numbers3zubarin-cli")
if [ "$gui" = 1 ]; then
  expect+=("$bin/numbers3zubarin"
           "$usr/share/numbers3zubarin/ナンバーズ3ズバリンL.html"
           "$usr/share/applications/numbers3zubarin.desktop"
           "$usr/share/metainfo/io.github.numbers3zubarin.metainfo.xml"
           "$usr/share/icons/hicolor/scalable/apps/numbers3zubarin.svg"
           "$usr/share/icons/hicolor/48x48/apps/numbers3zubarin.png"
           "$usr/share/icons/hicolor/256x256/apps/numbers3zubarin.png")
fi
for f in "${expect[@]}"; do [ -s "$f" ] || fail "not installed: ${f#$tmp/root}"; done
[ ! -e "$bin/numbers3zubarin.portable" ] || fail "the portable marker was installed"
if [ "$gui" = 1 ]; then
  for side in 48 256; do
    file "$usr/share/icons/hicolor/${side}x${side}/apps/numbers3zubarin.png" | grep -q "PNG image data, $side x $side" ||
      fail "icon ${side}px is not a ${side}x${side} PNG"
  done
fi

chmod -R a-w "$bin"
home="$tmp/home"
mkdir -p "$home"
cli="$bin/numbers3zubarin-cli"

# With XDG_DATA_HOME set.
out=$(cd "$home" && HOME="$home" XDG_DATA_HOME="$home/xdg" "$cli" stats) || fail "stats failed"
grep -q '^LatestDrawNo=' <<<"$out" || fail "stats printed no statistics: $out"
[ -f "$home/xdg/numbers3zubarin/Numbers3Zubarin.db" ] || fail "no database in \$XDG_DATA_HOME/numbers3zubarin"
[ ! -e "$bin/Numbers3Zubarin.db" ] || fail "database written beside the executable"
where=$(HOME="$home" XDG_DATA_HOME="$home/xdg" "$cli" where)
grep -qx "DataFolder=$home/xdg/numbers3zubarin" <<<"$where" || fail "where: $where"
grep -qx "Mode=user" <<<"$where" || fail "where: $where"
# The first-start import of the shipped history, from the installed data
# folder into the user's database.
HOME="$home" XDG_DATA_HOME="$home/xdg" "$cli" import-bundled >/dev/null 2>&1 || fail "import-bundled failed"
after=$(HOME="$home" XDG_DATA_HOME="$home/xdg" "$cli" stats)
latest=$(grep '^LatestDrawNo=' <<<"$after" | cut -d= -f2)
[ "${latest:-0}" -gt 1000 ] || fail "the shipped history did not arrive: $after"
dated=$(HOME="$home" XDG_DATA_HOME="$home/xdg" "$cli" export --results | grep -c '20[0-9][0-9]-[01][0-9]-[0-3][0-9]')
[ "$dated" -gt 300 ] || fail "the shipped results did not arrive ($dated dated draws)"
# The installed CLI prints through the installed print program beside it.
if [ "$gui" = 1 ]; then
  HOME="$home" XDG_DATA_HOME="$home/xdg" "$cli" print 出現頻度分析 --pdf "$tmp/print.pdf" >/dev/null 2>&1 ||
    fail "print failed"
  head -c 5 "$tmp/print.pdf" | grep -q '%PDF-' || fail "print wrote no PDF"
fi

# Without it: ~/.local/share.
HOME="$home" env -u XDG_DATA_HOME "$cli" stats >/dev/null || fail "stats without XDG_DATA_HOME failed"
[ -f "$home/.local/share/numbers3zubarin/Numbers3Zubarin.db" ] || fail "no database in ~/.local/share/numbers3zubarin"
[ "$(stat -c %a "$home/.local/share/numbers3zubarin")" = 700 ] || fail "data folder is readable by others"

# The data stays across a reinstall (an upgrade replaces only the package's files).
printf '回数,第1数字,第2数字,第3数字\n1,1,2,3\n' >"$tmp/one.csv"
HOME="$home" env -u XDG_DATA_HOME "$cli" import "$tmp/one.csv" >/dev/null ||
  fail "import failed"
chmod -R u+w "$bin"
DESTDIR="$tmp/root" cmake --install "$build" --prefix /usr >/dev/null
chmod -R a-w "$bin"
HOME="$home" env -u XDG_DATA_HOME "$cli" stats | grep -qx 'LatestDrawNo=1' || fail "the draw was lost after reinstalling"
echo "installed, database in the user's data folder"
