#!/usr/bin/env bash
# Installs what is missing, builds the Release build in build/ and starts the program.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build --parallel "$(nproc)"

# On a desktop start the windowed program. Without a display show what the
# program computes: the whole calculation for the inputs of a first start (an
# empty settings file, so that neither the user's settings are read nor any
# file of the user's is written).
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/gui/wrg
fi
echo "No display found (DISPLAY and WAYLAND_DISPLAY are empty): showing the"
echo "calculation of the command-line program wrgcalc for the inputs of a first start."
echo
demo_folder="$(mktemp -d)"
trap 'rm -rf "$demo_folder"' EXIT
demo_settings="$demo_folder/Quorvane.ini"
: > "$demo_settings"
build/cli/wrgcalc calculate --settings "$demo_settings"

