#!/usr/bin/env bash
# Installs what is missing, builds a Debug build with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-test/ and runs every test.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DWRG_SANITIZE=ON -DWRG_WERROR=ON
cmake --build build-test --parallel "$(nproc)"
cd build-test
ctest --output-on-failure --parallel "$(nproc)"
