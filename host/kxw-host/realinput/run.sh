#!/usr/bin/env bash
# Drives kxw-host with real X input, as a person would: the pointer, clicks, the wheel and
# key presses go through the X server and Wine's input path, not as posted messages.
# The host's script stops at `wait-file` lines while this driver acts; it finds every
# place from the script's `dump-places` output, never from fixed coordinates.
# Usage: run.sh CASE BUILD_DIR OUT_DIR   (CASE: one of the case_* functions below)
set -u
case_name=$1 build=$2 out=$3
here=$(cd "$(dirname "$0")" && pwd)
src=$(cd "$here/../../.." && pwd)
host="$build/bin/kxw-host.exe"
rm -rf "$out"; mkdir -p "$out/changes"
log="$out/host.txt"
step=0
host_pid=

fail() { echo "FAIL: $*"; echo "--- host output"; cat "$log"; finish 1; }
finish() {
  [ -n "$host_pid" ] && kill "$host_pid" 2>/dev/null
  exit "$1"
}

# Starts the host on a script (its lines on stdin of this function).
start_host() {
  cat > "$out/script.txt"
  (cd "$build" && exec "$src/scripts/wine-run" "$host" --script "Z:$out/script.txt" \
       --changes-dir "Z:$out/changes" "$@") > "$log" 2>&1 &
  host_pid=$!
}

# Waits for the host to stop at its next `wait-file`; then DISPLAY is the host's.
wait_host() {
  step=$((step + 1))
  for _ in $(seq 600); do
    grep -q "^waiting .*go\.$step.\?$" "$log" && break
    kill -0 "$host_pid" 2>/dev/null || fail "host ended before step $step"
    sleep 0.1
  done
  grep -q "^waiting .*go\.$step.\?$" "$log" || fail "host never reached step $step"
  if [ -z "${NPB_USE_DISPLAY:-}" ]; then DISPLAY=$(cat "$build/wine-state/display"); export DISPLAY; fi
}
resume_host() { sleep 0.3; touch "$out/go.$step"; }

# Lets the host finish and checks its exit status.
end_host() {
  wait "$host_pid"; local status=$?
  host_pid=
  [ "$status" = 0 ] || fail "host exit status $status"
}

# The fields of the last place line of KIND and NAME from the latest dump-places.
place() {
  awk -v kind="$1" -v name="${2:-}" '
    { sub(/\r$/, "") }
    /^window / { delete found }
    { split($0, tab, "\t") }
    $1 == kind && (name == "" || tab[1] == kind " " name) {
      found[kind] = (name == "" ? substr($0, length(kind) + 2) : tab[2])
    }
    END { print found[kind] }' "$log"
}
point() {  # KIND NAME FIELD1 FIELD2 -> "x y"
  local fields; fields=($(place "$1" "$2"))
  [ ${#fields[@]} -gt 0 ] || fail "no place for $1 $2"
  echo "${fields[$3]} ${fields[$4]}"
}
# No --sync: after Tab the grid itself moves the pointer, and a synced move can then wait
# many seconds for a motion it already missed.
move_to() { xdotool mousemove "$1" "$2"; sleep 0.1; }
click_at() { move_to $1 $2; xdotool click 1; sleep 0.3; }
type_text() { xdotool type --delay 60 "$1"; sleep 0.3; }
press() { xdotool key --delay 60 "$@"; sleep 0.3; }

# The value a dump-grid printed for a row (the last dump-grid wins).
grid_value() { awk -F'\t' -v name="$1" '{ sub(/\r$/, "") } $2 == name { v = $3 } END { print v }' "$log"; }
expect_value() {
  local got; got=$(grid_value "$1")
  [ "$got" = "$2" ] || fail "row \"$1\": \"$got\", expected \"$2\""
}
expect_sent() {
  grep -q "$2" "$out/changes/$1" 2>/dev/null || fail "changes/$1 does not hold $2"
}

# The row edited by the typing cases, and another row and tree item to go to.
object="X Axis title"
row=Rotation
other_item="Graph Page 1"

case_click_type_enter_apply() {
  start_host <<SCRIPT
tree-select $object
dump-places
wait-file Z:$out/go.1
dump-grid
SCRIPT
  wait_host
  click_at $(point row "$row" 2 3)
  press ctrl+a; type_text 33; press Return
  click_at $(point button Apply 0 1)
  resume_host; end_host
  expect_value "$row" 33
  expect_sent 0001.xml 'AttrValue="33"'
}

case_type_then_click_tree_item() {
  start_host <<SCRIPT
tree-select $object
dump-places
wait-file Z:$out/go.1
tree-select $object
dump-grid
button Apply
SCRIPT
  wait_host
  click_at $(point row "$row" 2 3)
  press ctrl+a; type_text 21
  click_at $(point tree "$other_item" 0 1)
  resume_host; end_host
  expect_value "$row" 21
  expect_sent 0001.xml 'AttrValue="21"'
}

# Tab, pressed for real, accepts the typed value every time: three rounds on one row.
case_type_then_tab() {
  start_host <<SCRIPT
tree-select $object
dump-places
wait-file Z:$out/go.1
dump-grid
wait-file Z:$out/go.2
dump-grid
wait-file Z:$out/go.3
dump-grid
SCRIPT
  for value in 11 12 13; do
    wait_host
    click_at $(point row "$row" 2 3)
    press ctrl+a; type_text $value; press Tab
    resume_host
    for _ in $(seq 50); do [ "$(grid_value "$row")" = "$value" ] && break; sleep 0.1; done
    expect_value "$row" $value
  done
  end_host
}

case_type_then_ok() {
  start_host <<SCRIPT
tree-select $object
dump-places
wait-file Z:$out/go.1
SCRIPT
  wait_host
  click_at $(point row "$row" 2 3)
  press ctrl+a; type_text 27
  click_at $(point button OK 0 1)
  resume_host; end_host
  expect_sent 0001.xml 'AttrValue="27"'
}

# The double-clicked value's editor gets its caret at the start, wherever the pointer was:
# typing goes in front. Once in the middle of "250", once right of the text.
case_double_click_value() {
  start_host <<SCRIPT
tree-select $object
set $row 250
row Font
dump-places
wait-file Z:$out/go.1
row Font
dump-grid
wait-file Z:$out/go.2
dump-grid
SCRIPT
  local expected=250 x y right
  for where in middle right; do
    wait_host
    read -r x y <<<"$(point row "$row" 2 3)"
    right=$(place grid | awk '{ print $3 }')
    [ $where = middle ] && x=$((x + 3)) || x=$((right - 30))
    move_to $x $y; xdotool click --repeat 2 --delay 80 1; sleep 0.3
    type_text 9; press Return
    expected=9$expected
    resume_host
    for _ in $(seq 50); do [ "$(grid_value "$row")" = "$expected" ] && break; sleep 0.1; done
    expect_value "$row" $expected
  done
  end_host
}

# The divider dragged past either edge stops at the row height from the left and short of
# the right edge; a drag back into the middle follows the pointer.
case_drag_divider() {
  start_host <<SCRIPT
tree-select $object
dump-places
wait-file Z:$out/go.1
dump-places
wait-file Z:$out/go.2
dump-places
wait-file Z:$out/go.3
SCRIPT
  local grid left top right bottom divider y r0 r1 rowh
  for edge in left right; do
    wait_host
    read -r left top right bottom divider <<<"$(place grid)"
    read -r _ y _ _ r0 r1 <<<"$(place row "$row")"
    local target=$((left - 40)); [ $edge = right ] && target=$((right + 40))
    move_to $divider $y; xdotool mousedown 1; sleep 0.1
    move_to $(( (divider + target) / 2 )) $y; move_to $target $y; xdotool mouseup 1
    resume_host
  done
  wait_host
  read -r left top right bottom divider <<<"$(place grid)"
  resume_host; end_host
  # The left drag's result was printed at step 2.
  local first; first=$(tr -d '\r' < "$log" | awk '/^grid /{n++; if (n == 2) print $6}')
  rowh=$((r1 - r0))
  [ "$first" = $((left + rowh)) ] || fail "divider dragged left: x $first, expected $((left + rowh))"
  [ "$divider" -le $((right - 5)) ] && [ "$divider" -ge $((right - 40)) ] ||
    fail "divider dragged right: x $divider, list right $right"
}

# Turned with the wheel, the grid shows on screen exactly what a fresh paint of the whole
# window at the same scroll position shows.
case_wheel_scroll() {
  start_host <<SCRIPT
tree-select $object
dump-places
wait-file Z:$out/go.1
repaint
dump-places
wait-file Z:$out/go.2
SCRIPT
  wait_host
  local left top right bottom divider
  read -r left top right bottom divider <<<"$(place grid)"
  move_to $(( (left + right) / 2 )) $(( (top + bottom) / 2 ))
  # Down, up and down again: both directions, ending off the top.
  for button in 5 5 5 4 5; do xdotool click $button; sleep 0.2; done
  # The pointer away, so that no hover or tooltip differs between the pictures.
  move_to 1 1; sleep 0.4
  import -window root "$out/scrolled.png"
  resume_host
  wait_host
  sleep 0.3
  import -window root "$out/fresh.png"
  [ -z "$(place row Text)" ] || fail "the wheel did not scroll the first row out of the list"
  resume_host; end_host
  local geometry="$((right - left))x$((bottom - top))+${left}+${top}" picture
  for picture in scrolled fresh; do
    convert "$out/$picture.png" -crop "$geometry" +repage "$out/${picture}_grid.png"
  done
  local differ
  differ=$(compare -metric AE "$out/scrolled_grid.png" "$out/fresh_grid.png" "$out/diff.png" 2>&1 >/dev/null)
  [ "$differ" = 0 ] || fail "the scrolled grid differs from a fresh paint in $differ pixels (see $out/diff.png)"
}

declare -F "case_$case_name" >/dev/null || { echo "unknown case $case_name"; exit 2; }
"case_$case_name"
echo "passed: $case_name"
finish 0
