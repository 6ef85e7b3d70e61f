#!/usr/bin/env bash
# Renders every page of the main window after a calculation with the inputs
# of a first start into docs/screenshots/ (offscreen, no display needed), and
# the three datasheets of the same calculation as PNG pictures.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target wrgscreenshots wrgcalc --parallel "$(nproc)"
QT_QPA_PLATFORM=offscreen build/gui/wrgscreenshots docs/screenshots

# The datasheets from an empty settings file, so that the user's own settings
# are not used: one PDF, one picture per page.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
: > "$work/settings.ini"
QT_QPA_PLATFORM=offscreen build/cli/wrgcalc datasheet all --settings "$work/settings.ini" --out "$work/datasheets.pdf"
page=1
for sheet in energy diagram cost; do
  pdftoppm -png -r 80 -f "$page" -l "$page" -singlefile "$work/datasheets.pdf" "docs/screenshots/datasheet-$sheet"
  page=$((page + 1))
done
ls docs/screenshots
