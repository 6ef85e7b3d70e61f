#!/usr/bin/env bash
# Installs what is missing, builds the Release build in build/ and starts the program.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --parallel "$(nproc)"

# Until the windowed program exists, show a demo: the whole calculation for
# the inputs of a first start (a settings file that does not exist yet).
demo_settings="$(mktemp -d)/Quorvane.ini"
build/cli/wrgcalc calculate --settings "$demo_settings"

