#!/usr/bin/env bash
# Builds the Debian package numbers3zubarin_<version>_<arch>.deb with CPack
# and puts it in the top folder of the checkout:
#   scripts/package.sh && sudo apt install ./numbers3zubarin_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DN3_BUILD_TESTS=OFF -DN3_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-package -j"$(nproc)"
rm -f build-package/numbers3zubarin_*.deb
(cd build-package && cpack -G DEB >/dev/null)
deb=$(ls build-package/numbers3zubarin_*.deb)
cp "$deb" .
echo "$(basename "$deb")"
