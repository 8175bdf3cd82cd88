#!/usr/bin/env bash
# Under a window manager: drags on the free surface move the window by the pointer's travel and end
# at the release; no click, tap or flick leaves it following the pointer, nor is a press soon after a
# flick taken into it; a drag by hand keeps the title buttons on the screen; the windows show the
# icon; About and the browser offer no minimise, maximise or resize, and leave the title buttons
# free on a screen so small that About would hide them where designed; Close exits with 0.
. "$(dirname "$0")/lib.sh"
need xev && start_xserver 680x540 && start_window_manager
start_app
# The pointer moves with no button held: a window left following it moves.
wander() { xdotool mousemove 600 600 sleep 0.1 mousemove 300 650 sleep 0.3; }
read -r x y <<<"$(position)"
drag 8 200 40 25
expect_position "$((x += 40)) $((y += 25))" "left drag"
[ "$(timeout 1 xev -root -event substructure | grep -c MOVERESIZE)" = 0 ] || fail "the manager is still asked to move after it"
drag 8 200 -30 10 3 && wander
expect_position "$((x -= 30)) $((y += 10))" "right drag, then pointer moves"
xdotool mousemove $((x + 8)) $((y + 200)) click 3 && wander
expect_position "$x $y" "right click, then pointer moves"
xdotool mousemove $((x + 83)) $((y + 15)) click 1
about=$(wait_for_window "About Caldorine") || fail "the help button showed no About window"
xdotool mousemove $((x + 52)) $((y + 266)) click 1
browser=$(wait_for_window "Caldorine - Useful Temperatures ") || fail "List showed no browser"
for w in "$about" "$browser"; do
  offers=$(xprop -id "$w" _NET_WM_ALLOWED_ACTIONS) && [[ ! $offers =~ MINIMIZE|MAXIMIZE|RESIZE ]] || fail "$offers"
  read -r l t r b <<<"$(outer "$w")"
  ((l > x + 140 || r < x + 74 || t > y + 24 || b < y + 7)) || fail "$(xprop -id "$w" WM_NAME) hides the title buttons: $l $t $r $b vs $x $y"
done
for w in "$win" "$about"; do xprop -id "$w" _NET_WM_ICON | grep -q "Icon (32 x 32)" || fail "no icon on $w"; done
# 20 taps as a touchpad gives them, each while About is active.
for i in $(seq 20); do
  xdotool windowactivate --sync "$about" mousemove $((x + 8)) $((y + 200)) mousedown 1 mouseup 1
  wander
  expect_position "$x $y" "tap $i, then pointer moves"
done
# A flick past the drag distance, which the manager may take up only after the release, then 30 and
# 60 ms later a drag of the mercury or a click in the browser: the window moves by the flick. (At 0 ms
# Qt hands on the flick's release and the next press at the last pointer place, as if dragged there.)
for flick in "0.03 main" "0.06 main" "0.03 browser" "0.06 browser"; do
  read -r pause target <<<"$flick"
  read -r tx ty <<<"$((x + 150)) $((y + 120))"
  [ "$target" = browser ] && read -r tx ty <<<"$(xwininfo -id "$browser" |
    awk '/Absolute upper-left X/ {printf "%s ", $NF + 250} /Absolute upper-left Y/ {print $NF + 40}')"
  xdotool mousemove $((x + 8)) $((y + 200)) mousedown 1 mousemove $((x + 23)) $((y + 203)) \
    mousemove $((x + 38)) $((y + 205)) mouseup 1 sleep $pause mousemove $tx $ty mousedown 1 \
    mousemove $tx $((ty + 40)) mouseup 1 sleep 0.3 && wander
  expect_position "$((x += 30)) $((y += 5))" "a flick, then a press at $tx,$ty $pause s later"
done
# The manager's own move, not one by hand: its screen-edge resistance holds the window at the edge.
drag 8 200 $((-x - 8)) 0
expect_position "0 $y" "left drag 8 px past the screen's edge" && x=0
# Moved by hand toward an edge, the window keeps its title buttons (74 to 140, 7 to 24) on the screen.
drag 205 200 -205 0 3
expect_position "-74 $y" "right drag past the left edge" && x=-74
drag 100 320 0 $((-y - 320)) 2
expect_position "-74 -7" "middle drag past the top edge" && y=-7
xdotool mousemove $((x + 130)) $((y + 15)) click 1
expect_clean_exit "the close button"
