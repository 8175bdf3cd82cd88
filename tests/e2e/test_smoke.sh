#!/usr/bin/env bash
# The real program starts under an X server, shows its window where and as
# designed, and ends cleanly when its window is closed. Without a display it
# says so and ends with status 1.
set -u
app=$1
. "$(dirname "$0")/lib.sh"

# No display, or one that cannot be opened: one line of its own, status 1.
for display in "" :9999; do
  said=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE DISPLAY=$display "$app" 2>&1)
  status=$?
  [[ $status -eq 1 && ${said##*$'\n'} == "caldorine: no display"*"no Wayland display"* &&
    ($display || $said != *$'\n'*) ]] || fail "with DISPLAY=$display: status $status, said: $said"
done

start_xserver

"$app" 2>/dev/null &
APP_PID=$!
win=$(wait_for_window Caldorine) || fail "no window named Caldorine appeared"

geometry=$(xwininfo -id "$win")
x=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$geometry")
y=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$geometry")
w=$(awk '/Width:/ {print $NF}' <<<"$geometry")
h=$(awk '/Height:/ {print $NF}' <<<"$geometry")
[ "$x,$y" = "67,133" ] || fail "window at $x,$y, expected 67,133"
[ "${w}x$h" = "210x330" ] || fail "window is ${w}x$h, expected 210x330"

# Asked to close, it unloads its windows and ends with status 0.
"$SEND_CLOSE" "$win" || fail "could not ask the window to close"
expect_clean_exit "closing its window"
echo "ok: window Caldorine at 67,133 size 210x330, closed with status 0"
