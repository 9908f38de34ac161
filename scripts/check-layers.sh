#!/usr/bin/env bash
# Checks that the product's folders include each other only downwards:
#   framework/  nothing of the product
#   module/     framework/ and the shared interfaces (sdk/) only
#   grid/       no editors/ or browser/
#   the module  never host/ or tests/
# Prints each include that breaks a rule and exits 1 when there is one.
set -u
top=$(cd "${1:-$(dirname "$0")/..}" && pwd)
cd "$top" || exit 2
module_dirs=(framework module grid tree editors recorder text browser resources)

status=0
# check FOLDER ALLOWED-REGEX: every product include in FOLDER must name an allowed folder.
check() {
  local dir=$1 allowed=$2 rule=$3
  [ -d "$dir" ] || return 0
  while IFS= read -r hit; do
    local target=${hit#*#include \"}
    target=${target%%/*}
    if ! [[ $target =~ ^($allowed)$ ]]; then
      echo "layering: $hit  ($rule)"
      status=1
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[A-Za-z0-9_.-]+/' "$dir" \
             --include='*.h' --include='*.cpp' --include='*.rc' | sed -E 's/#[[:space:]]*include[[:space:]]+/#include /')
}

check framework 'framework' 'framework includes nothing of the product'
check module 'framework|module|sdk' 'module-wide services include only framework and sdk'
check grid 'framework|module|sdk|grid|tree|resources' 'the grid includes no editors or browser'
for dir in "${module_dirs[@]}"; do
  check "$dir" 'framework|module|sdk|grid|tree|editors|recorder|text|browser|resources' \
        'the module includes neither host nor tests'
done
exit $status
