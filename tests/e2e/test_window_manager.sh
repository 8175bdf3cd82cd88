#!/usr/bin/env bash
# Under a window manager: drags on the free surface move the window by the pointer's travel and end
# at the release; a click, tap or flick never leaves it following the pointer; the windows show the
# icon; About and the browser offer neither minimise, maximise nor resize, and leave the title
# buttons free on a screen small enough for About to hide them where it is designed to be; Close
# exits with 0.
. "$(dirname "$0")/lib.sh"
start_xserver 680x540
start_window_manager
start_app
# The pointer moves with no button held: a window left following it moves.
wander() { xdotool mousemove 600 600 sleep 0.1 mousemove 300 650 sleep 0.3; }
read -r x y <<<"$(position)"
drag 8 200 40 25
expect_position "$((x += 40)) $((y += 25))" "left drag"
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
  read -r l t r b <<<"$(xwininfo -id "$w" | awk -v f="$(xprop -id "$w" _NET_FRAME_EXTENTS | tr -dc '0-9 ')" \
    'BEGIN {split(f, e)} /Absolute upper-left X/ {l = $NF} /Absolute upper-left Y/ {t = $NF} /Width/ {w = $NF} /Height/ {h = $NF}
    END {print l - e[1], t - e[3], l + w + e[2], t + h + e[4]}')"
  ((l > x + 140 || r < x + 74 || t > y + 24 || b < y + 7)) || fail "$(xprop -id "$w" WM_NAME) hides the title buttons: $l $t $r $b vs $x $y"
done
for w in "$win" "$about"; do xprop -id "$w" _NET_WM_ICON | grep -q "Icon (32 x 32)" || fail "no icon on $w"; done
# 20 taps as a touchpad gives them, each while About is active; then 15 flicks past the drag
# distance, which the manager may take up only after the release.
for i in $(seq 35); do
  if ((i <= 20)); then
    xdotool windowactivate --sync "$about" mousemove $((x + 8)) $((y + 200)) mousedown 1 mouseup 1
  else
    xdotool mousemove $((x + 8)) $((y + 200)) mousedown 1 mousemove $((x + 38)) $((y + 205)) mouseup 1 sleep 0.3
    read -r x y <<<"$(position)"
  fi
  wander
  expect_position "$x $y" "tap or flick $i, then pointer moves"
done
# The manager's own move, not one by hand: its screen-edge resistance holds the window at the edge.
drag 8 200 $((-x - 8)) 0
expect_position "0 $y" "left drag 8 px past the screen's edge" && x=0
xdotool mousemove $((x + 130)) $((y + 15)) click 1
expect_clean_exit "the close button"
