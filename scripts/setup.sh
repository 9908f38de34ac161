#!/usr/bin/env bash
# Installs what the build needs on Debian 12 (as root) and unpacks the Debian
# source packages that have no Windows build into .deps/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

need_pkgs=(wine wine32:i386 wine64 g++-mingw-w64-i686 mingw-w64-tools xvfb xauth
           x11-apps xdotool imagemagick fp-utils-3.2.2 googletest clang libclang-rt-14-dev
           cmake make dpkg-dev)

missing=()
for p in "${need_pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ! grep -rqs '^Types: deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
  # Same suites as the binary entries, for `apt-get source`.
  for f in /etc/apt/sources.list.d/debian.sources; do
    [ -f "$f" ] && sed 's/^Types: deb$/Types: deb-src/' "$f" > /etc/apt/sources.list.d/npb-deb-src.sources
  done
  refresh=1
fi

if [ ${#missing[@]} -gt 0 ] || [ -n "${refresh:-}" ]; then
  dpkg --print-foreign-architectures | grep -q i386 || dpkg --add-architecture i386
  apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Debian source packages, unpacked once with Debian's patches applied.
mkdir -p "$top/.deps"
cd "$top/.deps"
for src in tinyxml benchmark; do
  if ! ls -d "$src"-*/ >/dev/null 2>&1; then
    apt-get source -qq "$src" >/dev/null 2>&1 || apt-get source "$src"
  fi
done
