#!/usr/bin/env bash
# Renders every page of the main window after a calculation with the inputs
# of a first start into docs/screenshots/ (offscreen, no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target wrgscreenshots --parallel "$(nproc)"
QT_QPA_PLATFORM=offscreen build/tools/wrgscreenshots docs/screenshots
ls docs/screenshots
