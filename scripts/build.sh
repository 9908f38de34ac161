#!/usr/bin/env bash
# Configures and builds the cross build in build/ (and, with it, the native sanitizer
# build of the window-free code in build/native/).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${NPB_BUILD:-$top/build}
cmake -S "$top" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$top/cmake/mingw-i686.cmake" "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
