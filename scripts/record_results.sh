#!/usr/bin/env bash
# Records the expected values of the test RecordedResults.EveryFieldBitForBit
# (tests/core/regression/recorded_results.txt): every output field of its
# fixed air states, device operating points and annual runs, as the 16 hex
# digits of each double's bit pattern, one line per record.
#
# Record only from a tree whose results are known to be right, before a change
# that must not alter them; the file then holds that tree's numbers and the
# test compares every later build with them bit for bit.
#
# Usage: scripts/record_results.sh [BUILD_DIR]   (default build-test)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build-test}
out=tests/core/regression/recorded_results.txt
cmake --build "$build" --target wrgcore_tests >/dev/null

{
    echo "# Expected results of RecordedResults.EveryFieldBitForBit, written by scripts/record_results.sh."
    echo "# Recorded from commit $(git rev-parse --short HEAD)$(git diff --quiet HEAD -- core || echo ' with local changes in core/')"
    echo "# on $(uname -m), build $build. Each line: the record's name, then the bit pattern of every"
    echo "# field in the order of the test's field tables (16 hex digits per double)."
} >"$out"
WRG_RECORD_RESULTS_TO="$PWD/$out" "$build/tests/wrgcore_tests" --gtest_filter='RecordedResults.*' >/dev/null
echo "$(grep -vc '^#' "$out") records written to $out"
