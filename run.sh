#!/usr/bin/env bash
# Installs what is missing, builds the program in Release and starts it.
# The database and the settings file live beside the program in build-release/bin.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release \
      -DN3_BUILD_TESTS=OFF -DN3_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-release -j"$(nproc)"
cd build-release/bin
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1600x1000x24" ./numbers3zubarin "$@"
fi
exec ./numbers3zubarin "$@"
