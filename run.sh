#!/usr/bin/env bash
# Installs what is missing, builds the Release build in build/ and starts the program.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --parallel "$(nproc)"

# Until the windowed program exists, show a demo calculation: the completed
# air state of 20 °C, 50 % relative humidity at 1013 mbar.
echo '{"StateMode":0,"Pressure":1013,"Temp":20,"RelHum":50}' | build/cli/wrgcalc air
