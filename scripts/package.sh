#!/usr/bin/env bash
# Builds the Debian package users install: the Release build in build/, then
# build/wrg_<version>_<arch>.deb, checked by lintian when it is installed.
#
#   scripts/package.sh
#   sudo apt install ./build/wrg_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --parallel "$(nproc)"
(cd build && cpack -G DEB)
package="$(ls -t build/wrg_*.deb | head -n 1)"
if command -v lintian >/dev/null 2>&1; then
  lintian --fail-on error "$package"
fi
echo "Package: $package"
