#!/usr/bin/env bash
# The real program under a window manager: a left or right drag on the free
# surface moves the window by the pointer's travel and ends at the release; a
# click, a tap or a flick never leaves the window following the pointer;
# the windows show the program's icon; the close button ends the program with
# status 0.
set -u
app=$1
. "$(dirname "$0")/lib.sh"
start_xserver
start_window_manager

"$app" 2>/dev/null &
APP_PID=$!
win=$(wait_for_window Caldorine) || fail "no window named Caldorine appeared"
read -r x y <<<"$(position)"

drag 8 200 40 25
expect_position "$((x += 40)) $((y += 25))" "left drag"
drag 8 200 -30 10 3
wander
expect_position "$((x -= 30)) $((y += 10))" "right drag, then pointer moves"
xdotool mousemove $((x + 8)) $((y + 200)) click 3
wander
expect_position "$x $y" "right click, then pointer moves"

# Taps as a touchpad gives them, press and release back to back, each while
# the About window is the active one.
xdotool mousemove $((x + 83)) $((y + 15)) click 1
about=$(wait_for_window "About Caldorine") || fail "the help button showed no About window"
for w in "$win" "$about"; do
  xprop -id "$w" _NET_WM_ICON | grep -q "Icon (32 x 32)" || fail "window $w shows no program icon"
done
for i in $(seq 20); do
  xdotool windowactivate --sync "$about" mousemove $((x + 8)) $((y + 200)) mousedown 1 mouseup 1
  wander
  expect_position "$x $y" "tap $i, then pointer moves"
done

# Flicks: press, a move past the drag distance and release back to back, so
# the manager may take up its move only after the release.
for i in $(seq 15); do
  xdotool mousemove $((x + 8)) $((y + 200)) mousedown 1 mousemove $((x + 38)) $((y + 205)) mouseup 1
  sleep 0.3
  read -r x y <<<"$(position)"
  wander
  expect_position "$x $y" "flick $i, then pointer moves"
done

xdotool mousemove $((x + 130)) $((y + 15)) click 1
expect_clean_exit "the close button"
echo "ok: under openbox: drags, a right click, taps and flicks; closed with status 0"
