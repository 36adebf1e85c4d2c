#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# only those that are missing.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev qt6-qpa-plugins qt6-charts-dev qt6-translations-l10n
          libsqlite3-dev sqlite3 libboost-math-dev libcurl4-openssl-dev libgtest-dev libbenchmark-dev
          clang clang-format libclang-rt-14-dev xvfb xauth fonts-ipafont-gothic poppler-utils
          desktop-file-utils appstream file dpkg-dev python3 ccache)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
# The compiler cache keeps the program's, the sanitizer's and the fuzz
# build of several branches at once (one Release build takes about 0.1 GB):
# a limit below 5 GB is raised to it.
if command -v ccache >/dev/null; then
  limit=$(ccache -k max_size 2>/dev/null || echo 0)
  if ! awk -v s="$limit" 'BEGIN { n = s + 0; u = substr(s, length(s)); if (u == "T" || n == 0 || (u == "G" && n >= 5)) exit 0; exit 1 }'; then
    ccache -M 5G >/dev/null
  fi
fi
