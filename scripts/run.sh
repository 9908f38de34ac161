#!/usr/bin/env bash
# The main job: kxw-host.exe opens the browser on the embedded sample page. With a
# display (DISPLAY set) the window stays open for a person; without one it runs under
# Xvfb, prints a short report and writes out/browser.png.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh"
build=${NPB_BUILD:-$top/build}
cd "$build"
trap '"$top/scripts/wine-run" --stop' EXIT
if [ -n "${DISPLAY:-}" ]; then
  NPB_USE_DISPLAY=1 "$top/scripts/wine-run" bin/kxw-host.exe "$@"
else
  mkdir -p "$top/out"
  "$top/scripts/wine-run" bin/kxw-host.exe --report --snapshot 'Z:'"$top/out/browser.png" "$@"
  echo "snapshot: $top/out/browser.png"
fi
