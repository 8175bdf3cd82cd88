#!/usr/bin/env bash
# Two monitors of different heights, the primary on the right, bare and under Openbox: the start on
# the primary; About, the browser and a refusal (close only) on the monitor holding the window; a move
# ending off every monitor and the removal of the windows' monitor leave every window in reach.
. "$(dirname "$0")/lib.sh"
need xrandr import && shot() { [ -z "${CALDORINE_SHOTS:-}" ] || import -window root "$CALDORINE_SHOTS/$session-$1.png"; }
# Whether window $1 lies wholly on the monitor at $2 wide $3 high, centred across it unless $5 is 0.
on() { read -r l t r b <<<"$(outer "$1")" && ((l >= $2 && r <= $2 + $3 && t >= 0 && b <= $4 && (${5:-1} == 0 || (l + r - 2 * $2 - $3) ** 2 <= 36))); }
expect_on() { retry 50 on "$@" || fail "$session: $(xprop -id "$1" WM_NAME) at $(outer "$1"), not on the monitor at $2"; }
for session in bare openbox; do
  start_xserver 3200x1080 && mkdir -p "$WORK/$session/home" "$WORK/$session/run"
  xrandr --setmonitor L 1280/338x800/211+0+0 screen >/dev/null && xrandr --setmonitor '*R' 1920/508x1080/286+1280+0 none
  [ $session = bare ] || start_window_manager
  start_app HOME="$WORK/$session/home" XDG_RUNTIME_DIR="$WORK/$session/run"
  expect_position "1347 133" "$session: the start on the primary" && shot start
  xdotool mousemove 1430 148 click 1 && about=$(wait_for_window "About Caldorine") || fail "$session: no About"
  expect_on "$about" 1280 1920 1080
  drag 8 200 -1047 67 3 && expect_position "300 200" "$session: dragged onto the other monitor" &&
    xdotool mousemove 352 466 click 1 && browser=$(wait_for_window "Caldorine - Useful Temperatures ") || fail "$session: List showed no browser"
  expect_on "$browser" 0 1280 800
  xdotool windowfocus --sync "$win" mousemove 350 360 click 1 key minus mousemove 356 388 click 1 &&
    box=$(wait_for_window "Data Entry") || fail "$session: Convert of \"-\" showed no refusal"
  expect_on "$box" 0 1280 800 0 && shot dialogs && offers=$(xprop -id "$box" _NET_WM_ALLOWED_ACTIONS)
  [[ ! $offers =~ MINIMIZE|MAXIMIZE|RESIZE ]] || fail "$session: the refusal offers $offers"
  xdotool windowfocus --sync "$box" key Return
  # Into the dead corner below the lower monitor: by hand the title buttons stop at its edge; the
  # manager's move comes back wholly onto a monitor (the manager may finish its move after that).
  drag 8 200 300 650 && if [ $session = bare ]; then expect_position "600 775" "bare: by hand into a corner"
  else retry 50 on "$win" 0 1280 800 0 || on "$win" 1280 1920 1080 0 || fail "corner: at $(outer "$win")"; fi
  shot corner && read -r x y <<<"$(position)"
  drag 8 200 $((2800 - x)) $((133 - y)) 3 && expect_position "2800 133" "$session: dragged to the right"
  xrandr --delmonitor R && xrandr --newmode small 10 1280 1290 1300 1310 800 801 802 803 &&
    xrandr --addmode screen small && xrandr --output screen --mode small --fb 1280x800
  expect_position "1070 133" "$session: its monitor removed" && expect_on "$about" 0 1280 800 0 && shot rescue
  xdotool mousemove 1200 148 click 1
  expect_clean_exit "$session: the close button"
done
