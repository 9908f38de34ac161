#!/usr/bin/env bash
# Builds everything and runs the whole test suite through CTest: the Windows tests under
# Wine (one wineserver and one Xvfb display for the run) and the window-free tests built
# natively with ASan and UBSan.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh"
build=${NPB_BUILD:-$top/build}
cd "$build"
trap '"$top/scripts/wine-run" --stop' EXIT
ctest --output-on-failure -j"$(nproc)" --timeout 120 "$@"
